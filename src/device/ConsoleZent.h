#pragma once

#include "device/Liaison.h"
#include "model/CQ52.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Zent {

inline constexpr int NbEmplacements = 4;
inline constexpr std::size_t LgNomEmplacement = 25;
inline constexpr std::uint16_t AdresseMotPasse = 0x0002;
inline constexpr std::uint16_t AdresseNumeroSerie = 0x03F8;
inline constexpr std::uint16_t AdresseNombreListe = 0x2804;
inline constexpr std::uint16_t AdresseListe = 0x2805;
std::uint16_t BaseEmplacement(int emplacement);

// The console side of the protocol over the link of a firing program: the
// console's identity, its two memories, the four program slots and the
// satellite search list. The link lives as long as this object.
class ConsoleZent {
public:
    ConsoleZent(CQ52& programme, std::unique_ptr<PortSerie> port, Horloge& horloge);

    Liaison& Lien() { return LaLiaison; }
    CQ52& Programme() { return LeProgramme; }
    std::uint32_t GetDerniereErreur() const { return LaLiaison.GetDerniereErreur(); }
    // The link with the program's port number.
    std::uint32_t Connecte(int secondes);
    std::uint32_t Deconnecte() { return LaLiaison.Deconnecte(); }

    std::uint32_t LitTypeAppareil(std::array<char, 4>& type) { return LaLiaison.LitTypeAppareil(type); }
    std::uint32_t VerifieTypeAppareil() { return LaLiaison.VerifieTypeAppareil("Q52"); }
    std::uint32_t LitOctetMemoire(std::uint16_t adresse, std::uint8_t& v) { return LaLiaison.LitOctetMemoire(adresse, v); }
    std::uint32_t EcritOctetMemoire(std::uint16_t adresse, std::uint8_t v) { return LaLiaison.EcritOctetMemoire(adresse, v); }
    std::uint32_t LitMotMemoire(std::uint16_t adresse, std::uint16_t& mot) { return LaLiaison.LitMotMemoire(adresse, mot); }
    std::uint32_t EcritMotMemoire(std::uint16_t adresse, std::uint16_t mot) { return LaLiaison.EcritMotMemoire(adresse, mot); }
    std::uint32_t LitBloc(std::uint16_t adresse, std::uint8_t* tampon, int nombre);
    std::uint32_t EcritBloc(std::uint16_t adresse, const std::uint8_t* tampon, int nombre);
    std::uint32_t LitNumeroSerie(std::uint32_t& numero) { return LaLiaison.LitNumeroSerie(AdresseNumeroSerie, numero); }
    std::uint32_t EcritMotPasseTir(std::uint16_t motPasse);

    bool IndexEmplacementValide(int emplacement);
    bool EmplacementProgramme(int emplacement);
    std::uint32_t EcritMarqueEmplacement(int emplacement, std::uint8_t valeur);
    std::uint32_t LitNomEmplacement(int emplacement, std::array<char, LgNomEmplacement>& nom);
    std::uint32_t EcritNomEmplacement(int emplacement, const std::string& texte);
    std::uint32_t EcritVoiesSecoursEmplacement(int emplacement);
    std::uint32_t VerifieVoiesSecoursEmplacement(int emplacement);
    std::array<std::uint8_t, 4> CodeEntreeTir(std::int32_t index) const;
    std::uint32_t EcritPageTirs(int emplacement, std::int32_t& debut);
    std::uint32_t VerifiePageTirs(int emplacement, std::int32_t& debut);
    const std::array<char, LgNomEmplacement>& NomEnCache(int emplacement) const
    {
        return Noms[static_cast<std::size_t>(emplacement)];
    }

    std::uint32_t DebutLectureListe();
    bool SuiteLectureListe();
    std::uint32_t DebutEcritureListe();
    bool SuiteEcritureListe();

private:
    // Slot and start index of a page of shot entries: 0, 100026 or 100012.
    std::uint32_t VerifiePage(int emplacement, std::int32_t debut);
    std::uint16_t AdresseTirs(int emplacement, std::int32_t debut) const;
    int EntreesDansPage(std::uint16_t adresse) const;

    CQ52& LeProgramme;
    Liaison LaLiaison;
    std::array<std::array<char, LgNomEmplacement>, NbEmplacements> Noms{};
    int NombreListeConsole = 0;
    int EntreesLues = 0;
    std::vector<std::uint8_t> TamponListe;
    std::size_t OctetsEcrits = 0;
};

} // namespace Zent
