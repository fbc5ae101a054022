#pragma once

#include "device/Liaison.h"
#include "model/CQ31.h"

#include <array>
#include <cstdint>
#include <memory>

namespace Zent {

inline constexpr std::uint8_t AdresseNumSerieSat = 120;
inline constexpr std::uint8_t AdresseVersionMajeure = 126;
inline constexpr std::uint8_t AdresseVersionMineure = 127;
inline constexpr std::uint8_t AdresseTableVoies = 135;
inline constexpr std::uint16_t VoieAucune = 610; // what the module stores for an output without channel

// The satellite side of the protocol over the link of one satellite:
// programming mode, identity, versions, byte memory and the channel table.
class SateliteHalvex {
public:
    SateliteHalvex(Sate::CQ31& satelite, std::unique_ptr<PortSerie> port, Horloge& horloge);

    Liaison& Lien() { return LaLiaison; }
    std::uint32_t GetDerniereErreur() const { return LaLiaison.GetDerniereErreur(); }

    std::uint32_t EntreModeProgrammation();
    std::uint32_t LitTypeAppareil(std::array<char, 4>& type) { return LaLiaison.LitTypeAppareil(type); }
    std::uint32_t VerifieTypeAppareil() { return LaLiaison.VerifieTypeAppareil(Sate::TypeAppareilSatelite); }
    std::uint32_t LitVersionCarte(int& version);
    std::uint32_t LitOctetMemoire(std::uint8_t adresse, std::uint8_t& v) { return LaLiaison.LitOctetMemoire(adresse, v); }
    std::uint32_t EcritOctetMemoire(std::uint8_t adresse, std::uint8_t v) { return LaLiaison.EcritOctetMemoire(adresse, v); }
    std::uint32_t LitMotMemoire(std::uint8_t adresse, std::uint16_t& mot) { return LaLiaison.LitMotMemoire(adresse, mot); }
    std::uint32_t EcritMotMemoire(std::uint8_t adresse, std::uint16_t mot) { return LaLiaison.EcritMotMemoire(adresse, mot); }
    std::uint32_t LitNumeroSerie(std::uint32_t& numero) { return LaLiaison.LitNumeroSerie(AdresseNumSerieSat, numero); }
    std::uint32_t LitVersionLogiciel(int& majeure, int& mineure);
    void DebutEcritureTableVoies();
    std::uint32_t SuiteEcritureTableVoies();
    bool TableVoiesEcrite() const { return Sortie >= Sate::NbLigneSatelite; }

private:
    std::uint32_t Verifie();
    Sate::CQ31& LeSatelite;
    Liaison LaLiaison;
    std::uint32_t Sortie = Sate::NbLigneSatelite;
    int Adresse = AdresseTableVoies;
};

} // namespace Zent
