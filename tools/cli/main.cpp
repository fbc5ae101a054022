// zentora-cli: the editor's checks without a window.
//   zentora-cli dump FILE.tir
//   zentora-cli check FILE.tir [--lang fr|en]
//   zentora-cli probe --port PATH [--satellite]
#include "MessagesConsole.h"
#include "Sonde.h"

#include "model/Cp1252.h"
#include "ui/core/TDilogueAfficheListe.h"
#include "ui/core/TFenetreEnfant.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace Zent;

constexpr int SortieErreurs = 1;
constexpr int SortieChargement = 2;
constexpr int SortieUsage = 64;

int Usage()
{
    std::cerr << "usage: zentora-cli dump FILE.tir\n"
                 "       zentora-cli check FILE.tir [--lang fr|en]\n"
                 "       zentora-cli probe --port PATH [--satellite]\n";
    return SortieUsage;
}

// A time on the tenth grid as the shortest decimal number.
double Dixiemes(double secondes)
{
    const std::string texte = TexteDecimal(ArrondiDixieme(secondes), '.');
    double v = 0.0;
    std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return v;
}

nlohmann::json EnJson(TFenetreEnfant& doc)
{
    CQ52& m = doc.Modele();
    nlohmann::json j;
    j["showName"] = Cp1252VersUtf8(doc.Titre());
    j["serialNumber"] = Cp1252VersUtf8(doc.NumeroSerie());
    j["version"] = Cp1252VersUtf8(doc.Version());
    j["backupChannels"] = nlohmann::json::array();
    for (std::int32_t voie : m.VoiesDeSecours())
        j["backupChannels"].push_back(voie);
    j["shots"] = nlohmann::json::array();
    for (std::int32_t i = 0; i < NbTirMax && !m.Tir(i).Inactif; ++i) {
        const UnTir& t = m.Tir(i);
        j["shots"].push_back({{"channel", t.Voie},
                              {"type", t.Manuel ? TirManuel : TirAutomatique},
                              {"delay", Dixiemes(t.Retard)},
                              {"time", Dixiemes(t.RetardAbsolu)},
                              {"description", Cp1252VersUtf8(t.Description)}});
    }
    j["satellites"] = nlohmann::json::array();
    for (std::size_t n = 0; n < doc.Satelites().Nombre(); ++n) {
        const Sate::CQ31& s = doc.Satelites()[n];
        nlohmann::json sorties = nlohmann::json::array();
        for (std::uint32_t k = 0; k < Sate::NbLigneSatelite; ++k)
            sorties.push_back({{"channel", s.GetVoieSortie(k)}, {"description", Cp1252VersUtf8(s.GetDescriptionSortie(k))}});
        j["satellites"].push_back(
            {{"name", Cp1252VersUtf8(s.GetNomSatelite())}, {"serialNumber", s.GetNumSerie()}, {"outputs", sorties}});
    }
    return j;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2)
        return Usage();
    if (args[0] == "probe") {
        if (args.size() < 3 || args[1] != "--port" || (args.size() == 4 && args[3] != "--satellite") || args.size() > 4)
            return Usage();
        return Sonde(args[2], args.size() == 4);
    }
    const std::string& commande = args[0];
    const std::string& fichier = args[1];
    Langue langue = Francais;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size() && (args[i + 1] == "fr" || args[i + 1] == "en"))
            langue = args[++i] == "en" ? Anglais : Francais;
        else
            return Usage();
    }
    if (commande != "dump" && commande != "check")
        return Usage();

    MessagesConsole messages;
    SonsMuets sons;
    TFenetreEnfant document(messages, sons, '.');
    document.AppliqueLangue(langue);
    if (!document.LectureFichier(fichier))
        return SortieChargement;

    if (commande == "dump") {
        std::cout << EnJson(document).dump(2) << '\n';
        return 0;
    }
    document.VerificationProgramme();
    TDilogueAfficheListe liste;
    liste.SetLangue(langue);
    liste.SetListeErreurs(&document.ListeErreurs());
    liste.SetListeAvertissements(&document.ListeAvertissements());
    for (const std::string& ligne : liste.Contenu())
        std::cout << Cp1252VersUtf8(ligne) << '\n';
    return document.ListeErreurs().empty() ? 0 : SortieErreurs;
}
