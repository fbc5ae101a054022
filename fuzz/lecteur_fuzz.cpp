// Any bytes given to the program file reader end in a loaded document or in
// exactly one message; never a crash, a hang or a sanitizer report.
#include "files/EcrivainProgramme.h"
#include "files/LecteurProgramme.h"
#include "ui/core/TFenetreEnfant.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

class Compteur : public Zent::Messages {
public:
    int affiches = 0;
    Zent::Reponse Affiche(Zent::GenreMessage, const std::string&, Zent::Boutons) override
    {
        ++affiches;
        return Zent::Reponse::Ok;
    }
};

class Muet : public Zent::Sons {
public:
    void Joue(Zent::Son) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    Compteur messages;
    Muet sons;
    Zent::TFenetreEnfant document(messages, sons, ',');
    std::istringstream flux(std::string(reinterpret_cast<const char*>(donnees), taille));
    const bool charge = document.LectureFlux(flux);
    if (!charge && messages.affiches != 1)
        std::abort();
    if (!charge)
        return 0;
    document.VerificationProgramme();

    // What the editor writes of a loaded document must load again.
    Zent::Fichier::DocumentAEcrire ecrit;
    ecrit.Titre = document.Titre();
    ecrit.NumeroSerie = document.NumeroSerie();
    ecrit.Version = document.Version();
    ecrit.Modele = &document.Modele();
    ecrit.Description = [&document](std::int32_t i) { return document.TableTemps().Cellule(6, i + 1); };
    ecrit.Satelites = &document.Satelites();
    std::istringstream relu(Zent::Fichier::ContenuProgramme(ecrit));
    Zent::Fichier::ProgrammeLu lu;
    if (Zent::Fichier::LitProgramme(relu, lu) != Zent::Fichier::ErreurLecture::Aucune)
        std::abort();
    return 0;
}
