#include "Sonde.h"

#include "device/ConsoleZent.h"
#include "device/PortPosix.h"
#include "device/RegistrePorts.h"
#include "device/SateliteHalvex.h"
#include "model/Cp1252.h"

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

using namespace Zent;

constexpr int SortieEchec = 3;
constexpr int Tentatives = 5;

int Echec(std::uint32_t code)
{
    std::cerr << nlohmann::json{{"error", code}}.dump() << '\n';
    return SortieEchec;
}

// The dialogs try again on each timer tick; so does the probe, a few times.
template <typename Appareil>
std::uint32_t Connexion(Appareil& appareil)
{
    std::uint32_t code = 0;
    for (int i = 0; i < Tentatives; ++i)
        if ((code = appareil.Lien().Connecte(1)) == 0)
            break;
    return code;
}

int SondeConsole(int numero)
{
    HorlogeSysteme horloge;
    CQ52 programme;
    programme.SetNumeroPort(numero);
    ConsoleZent console(programme, std::make_unique<PortPosix>(), horloge);
    console.Lien().SetNumeroPort(numero);
    if (std::uint32_t c = Connexion(console); c != 0)
        return Echec(c);
    std::uint32_t numeroSerie = 0;
    if (std::uint32_t c = console.VerifieTypeAppareil(); c != 0)
        return Echec(c);
    if (std::uint32_t c = console.LitNumeroSerie(numeroSerie); c != 0)
        return Echec(c);
    nlohmann::json j{{"device", "Q52"}, {"serialNumber", numeroSerie}, {"slots", nlohmann::json::array()}};
    for (int e = 0; e < NbEmplacements; ++e) {
        std::array<char, LgNomEmplacement> nom{};
        const bool programme_ = console.EmplacementProgramme(e);
        if (console.GetDerniereErreur() != 0)
            return Echec(console.GetDerniereErreur());
        if (std::uint32_t c = console.LitNomEmplacement(e, nom); c != 0)
            return Echec(c);
        j["slots"].push_back({{"index", e}, {"programmed", programme_}, {"name", Cp1252VersUtf8(nom.data())}});
    }
    if (std::uint32_t c = console.DebutLectureListe(); c != 0)
        return Echec(c);
    while (console.SuiteLectureListe())
        if (console.GetDerniereErreur() != 0)
            return Echec(console.GetDerniereErreur());
    j["searchList"] = nlohmann::json::array();
    for (std::size_t i = 0; i < programme.ListeRecherche.Nombre(); ++i)
        j["searchList"].push_back(programme.ListeRecherche.GetNumSerie(i));
    console.Deconnecte();
    std::cout << j.dump(2) << '\n';
    return 0;
}

int SondeSatelite(int numero)
{
    HorlogeSysteme horloge;
    Sate::CQ31 donnees("sonde", 0, Sate::SoixantaineAucune);
    SateliteHalvex satelite(donnees, std::make_unique<PortPosix>(), horloge);
    satelite.Lien().SetNumeroPort(numero);
    if (std::uint32_t c = Connexion(satelite); c != 0)
        return Echec(c);
    std::uint32_t numeroSerie = 0;
    int carte = 0, majeure = 0, mineure = 0;
    if (std::uint32_t c = satelite.VerifieTypeAppareil(); c != 0)
        return Echec(c);
    if (std::uint32_t c = satelite.LitVersionCarte(carte); c != 0)
        return Echec(c);
    if (std::uint32_t c = satelite.LitVersionLogiciel(majeure, mineure); c != 0)
        return Echec(c);
    if (std::uint32_t c = satelite.LitNumeroSerie(numeroSerie); c != 0)
        return Echec(c);
    nlohmann::json table = nlohmann::json::array();
    for (int n = 0; n < static_cast<int>(Sate::NbLigneSatelite); ++n) {
        std::uint16_t mot = 0;
        if (std::uint32_t c = satelite.LitMotMemoire(static_cast<std::uint8_t>(AdresseTableVoies + 2 * n), mot); c != 0)
            return Echec(c);
        table.push_back(mot);
    }
    satelite.Lien().Deconnecte();
    std::cout << nlohmann::json{{"device", "Q31"},
                                {"serialNumber", numeroSerie},
                                {"boardVersion", carte},
                                {"softwareVersion", std::to_string(majeure) + "." + std::to_string(mineure)},
                                {"channelTable", table}}
                     .dump(2)
              << '\n';
    return 0;
}

} // namespace

int Sonde(const std::string& chemin, bool satelite)
{
    const int numero = RegistrePorts::Global().NumeroDe(chemin);
    return satelite ? SondeSatelite(numero) : SondeConsole(numero);
}
