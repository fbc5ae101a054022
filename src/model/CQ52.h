#pragma once

#include "model/CodesErreur.h"
#include "model/ListeNumSerie.h"
#include "model/Temps.h"
#include "model/UnTir.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace Zent {

inline constexpr std::int32_t NbTirMax = 600;
inline constexpr std::int32_t NbVoieMax = 600;
inline constexpr std::int32_t NbVoieSecours = 4;

// The console object, firing-program side: 600 shot records, the channels
// of the backup keys F5 to F8 and the code of the last operation. Operations
// never raise and never show anything; they report through their result and
// DerniereErreur, and a refused change leaves every record as it was.
class CQ52 {
public:
    CQ52();

    // Independent copy of the whole object: the program, the port number
    // and the search list.
    void Copie(const CQ52& source);

    // The console's satellite search list, kept with the program it is sent with.
    TypeTableauNumSerie ListeRecherche;
    // COM port number the link opens; zero or negative means the default 2.
    void SetNumeroPort(std::int32_t numero) { NumeroPort = numero > 0 ? numero : 2; }
    std::int32_t GetNumeroPort() const { return NumeroPort; }

    // Presence and counting
    bool IndexTirValide(std::int32_t index);
    bool TirActif(std::int32_t index);
    std::uint32_t GetNbTirs() const;
    bool EstDernierTir(std::int32_t index) const;
    bool TirAutoEnchaine(std::int32_t index) const;
    CodeRetour GetDerniereErreur() const { return DerniereErreur; }
    static std::string GetNomAppareil() { return "Zentora"; }

    // Channels
    bool NumeroVoieValide(std::int32_t voie);
    std::int32_t GetNumeroVoie(std::int32_t index);
    bool VoieUtilisee(std::int32_t voie);
    CodeRetour SetNumeroVoie(std::int32_t index, std::int32_t voie);

    // Type and times (read access)
    bool GetTypeTir(std::int32_t index);
    double GetRetard(std::int32_t index);
    double GetRetardAbsolu(std::int32_t index);

    // Descriptions
    std::string GetDescription(std::int32_t index) const;
    bool SansDescription(std::int32_t index) const;
    CodeRetour SetDescription(std::int32_t index, std::string_view texte);
    CodeRetour EffaceDescription(std::int32_t index);

    // Backup channels
    std::int32_t GetVoieSecours(std::int32_t n);
    CodeRetour SetVoieSecours(std::int32_t n, std::int32_t voie);
    bool EstVoieSecours(std::int32_t voie) const;

    // Records at the end of the program
    bool CreerTir(std::int32_t index);
    CodeRetour CreerTirVoie(std::int32_t index, std::int32_t voie);

    // Delay limits and propagation
    static double GetRetardMin(bool manuel) { return manuel ? RetardMinManuel : RetardMinAuto; }
    static double GetRetardMax() { return RetardMax; }
    double GetRetardMinTir(std::int32_t index);
    double GetRetardMaxTir(std::int32_t index);
    double GetRetardAbsoluMin(std::int32_t index);
    double GetRetardAbsoluMax(std::int32_t index);
    bool RetardAbsoluCoherent(std::int32_t index);
    CodeRetour SetRetard(std::int32_t index, double retard, bool gardeTempsSuivants);
    CodeRetour SetRetardAbsolu(std::int32_t index, double temps, bool gardeTempsSuivants);
    CodeRetour SetTypeTir(std::int32_t index, bool manuel, bool gardeTempsSuivants);

    // Structure: insertion, deletion, checking
    CodeRetour CreerTirComplet(std::int32_t index, std::int32_t voie, bool manuel, bool gardeTempsSuivants);
    CodeRetour InsertTirs(std::int32_t index, std::int32_t nombre, bool gardeTempsSuivants, bool manuel,
                          bool evitVoieSecours);
    CodeRetour SupprTir(std::int32_t index);
    CodeRetour VerifTir(std::int32_t index, std::int32_t& indexConcerne);

    const std::array<std::int32_t, NbVoieSecours>& VoiesDeSecours() const { return VoiesSecours; }
    // Read-only view of a record, for writers and tests; index must be valid.
    const UnTir& Tir(std::int32_t index) const { return Tirs[static_cast<std::size_t>(index)]; }

private:
    // Lets the tests build states that no operation produces (a corrupted
    // image) to prove the checks catch them.
    friend struct CQ52AccesTest;

    CodeRetour Erreur(CodeRetour code)
    {
        DerniereErreur = code;
        return code;
    }
    static bool DansTable(std::int32_t index) { return static_cast<std::uint32_t>(index) < NbTirMax; }
    UnTir& TirMod(std::int32_t index) { return Tirs[static_cast<std::size_t>(index)]; }
    // 0, 100012 or 100013 for an index that should designate an active shot; stored.
    CodeRetour VerifIndexActif(std::int32_t index);
    bool SuivantEnchaine(std::int32_t index) const;
    void RetempsSequence(std::int32_t depuis);
    CodeRetour RetardAbsoluGarde(std::int32_t index, double temps, bool imbrique);
    // Program side of Copie: used to bring a scratch rebuild back without
    // touching what the console object holds besides the program.
    void CopieProgramme(const CQ52& source);

    std::array<UnTir, NbTirMax> Tirs;
    std::array<std::int32_t, NbVoieSecours> VoiesSecours;
    CodeRetour DerniereErreur = Succes;
    std::int32_t NumeroPort = 2;
};

} // namespace Zent
