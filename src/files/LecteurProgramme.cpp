#include "files/LecteurProgramme.h"

#include "files/TexteFichier.h"
#include "model/CQ52.h"

#include <fstream>

namespace Zent::Fichier {

namespace {

constexpr std::size_t LimiteEntete = 99;
constexpr std::size_t LimiteCorps = 1999;

struct JeuCles {
    const char* appareil;
    const char* titre;
    const char* numeroSerie;
    const char* version;
    const char* colonnes[4];
};

// Keys by file version; the texts are Windows-1252 like the files.
const JeuCles ClesVersion1{"", "Titre :", "Num\xE9ro de s\xE9rie :", "Version :",
                           {"N\xB0 de la ligne", "Type de la voie", "Retard de la voie", "Description"}};
const JeuCles ClesVersion2{"TypeIgnarion", "TitreListeTir", "NumeroSerie", "Version",
                           {"NumVoie", "TypeVoie", "Retard", "Description"}};
const JeuCles ClesVersion3{"TypeAppareil", "TitreListeTir", "NumeroSerie", "Version",
                           {"NumVoie", "TypeVoie", "Retard", "Description"}};

class Lignes {
public:
    explicit Lignes(std::istream& flux) : Flux(flux) {}

    enum class Etat { Ligne, Coupee, Fin };

    // Up to the next line feed, at most `limite` characters. A longer line
    // is cut there and ends the reading.
    Etat Brute(std::string& ligne, std::size_t limite)
    {
        ligne.clear();
        if (Fini)
            return Etat::Fin;
        for (;;) {
            const int c = Flux.get();
            if (c == std::char_traits<char>::eof()) {
                Fini = true;
                return ligne.empty() ? Etat::Fin : Etat::Ligne;
            }
            if (c == '\n')
                return Etat::Ligne;
            ligne += static_cast<char>(c);
            if (ligne.size() == limite) {
                const int suivant = Flux.peek();
                if (suivant == '\n') {
                    Flux.get();
                    return Etat::Ligne;
                }
                if (suivant == std::char_traits<char>::eof())
                    return Etat::Ligne;
                Fini = true;
                return Etat::Coupee;
            }
        }
    }

    // The next line that is neither a comment nor blank, trimmed.
    bool Suivante(std::string& ligne, std::size_t limite)
    {
        std::string brute;
        while (Brute(brute, limite) != Etat::Fin) {
            const std::string_view l = Elague(brute, " \n\r");
            if (l.empty() || l.front() == '#')
                continue;
            ligne.assign(l);
            return true;
        }
        return false;
    }

private:
    std::istream& Flux;
    bool Fini = false;
};

bool ContientChiffreDepuis(std::string_view& champ)
{
    const std::size_t debut = champ.find_first_of(DebutNombre);
    if (debut == std::string_view::npos)
        return false;
    champ.remove_prefix(debut);
    return true;
}

bool LitLigneTir(std::string_view ligne, TirLu& tir)
{
    std::string_view reste = ligne;
    std::string_view champs[3];
    bool description = true;
    for (int f = 0; f < 3; ++f) {
        const std::size_t separateur = reste.find(';');
        std::string_view champ;
        if (separateur != std::string_view::npos) {
            champ = Elague(reste.substr(0, separateur));
            reste = reste.substr(separateur + 1);
        } else if (f == 2) {
            champs[f] = Elague(reste);
            reste = {};
            description = false;
            continue;
        } else {
            champ = Elague(reste); // stays as the rest for the next field too
        }
        if (!ContientChiffreDepuis(champ))
            return false;
        champs[f] = champ;
    }

    const auto voie = EntierPrefixe(champs[0]);
    if (!voie || *voie < 0 || *voie >= NbVoieMax)
        return false;
    const auto type = EntierPrefixe(champs[1]);
    if (!type || (*type != TirManuel && *type != TirAutomatique))
        return false;
    std::string temps(champs[2]);
    for (char& c : temps)
        if (c == ',')
            c = '.';
    tir.Voie = static_cast<std::int32_t>(*voie);
    tir.Manuel = *type == TirManuel;
    tir.Temps = ArrondiDixieme(ReelPrefixe(temps));
    tir.Description = description ? std::string(Elague(reste)) : std::string();
    return true;
}

bool LitSecours(std::string_view ligne, SecoursLu& secours)
{
    auto valeur = ValeurCle(ligne, "VoieSecour"); // also matches VoieSecours
    if (!valeur)
        return false;
    const std::size_t separateur = valeur->find(';');
    if (separateur == std::string_view::npos)
        return false;
    std::string_view touche = Elague(valeur->substr(0, separateur));
    std::string_view voie = Elague(valeur->substr(separateur + 1));
    if (!ContientChiffreDepuis(touche) || !ContientChiffreDepuis(voie))
        return false;
    const auto k = EntierPrefixe(touche);
    const auto v = EntierPrefixe(voie);
    if (!k || !v || *k < 0 || *k >= NbVoieSecours || *v < 0 || *v >= NbVoieMax)
        return false;
    secours.Touche = static_cast<int>(*k);
    secours.Voie = static_cast<std::int32_t>(*v);
    return true;
}

bool LitLigneSortie(std::string_view ligne, Sate::CQ31& satelite)
{
    const std::size_t premier = ligne.find(';');
    if (premier == std::string_view::npos)
        return false;
    const std::size_t second = ligne.find(';', premier + 1);
    if (second == std::string_view::npos)
        return false;
    const auto sortie = EntierPrefixe(Elague(ligne.substr(0, premier)));
    const auto voie = EntierPrefixe(Elague(ligne.substr(premier + 1, second - premier - 1)));
    if (!sortie || !voie || *sortie < 0 || *sortie >= Sate::NbLigneSatelite)
        return false;
    const std::int32_t v = *voie < 0 ? -1 : *voie > Sate::NumVoieMax ? Sate::NumVoieMax + 1 : static_cast<std::int32_t>(*voie);
    const auto s = static_cast<std::uint32_t>(*sortie);
    if (!satelite.SetVoieSortie(s, v))
        return false;
    satelite.SetDescriptionSortie(s, Elague(ligne.substr(second + 1)));
    return true;
}

std::unique_ptr<Sate::CQ31> LitBlocSatelite(Lignes& lignes)
{
    std::string l;
    if (!lignes.Suivante(l, LimiteCorps))
        return nullptr;
    const auto nom = TexteCle(l, "NomSatelite");
    if (!nom || nom->empty())
        return nullptr;
    auto satelite = std::make_unique<Sate::CQ31>(*nom, 0, Sate::SoixantaineAucune);

    if (!lignes.Suivante(l, LimiteCorps))
        return nullptr;
    const auto numSerie = EntierCle(l, "NumSerieSat");
    if (!numSerie || *numSerie < 0 || *numSerie > 0xFFFFFFFFLL)
        return nullptr;
    satelite->SetNumSerie(static_cast<std::uint32_t>(*numSerie));

    if (!lignes.Suivante(l, LimiteCorps))
        return nullptr;
    const auto type = ValeurCle(l, "TypeSAt");
    if (!type || *type != Sate::TypeAppareilSatelite)
        return nullptr;

    if (!lignes.Suivante(l, LimiteCorps))
        return nullptr;
    const auto nbLignes = EntierCle(l, "NombreLigneSat");
    if (!nbLignes || *nbLignes != Sate::NbLigneSatelite)
        return nullptr;

    if (!lignes.Suivante(l, LimiteCorps))
        return nullptr;
    for (const char* colonne : {"NumSortie", "NumVoie", "Description"})
        if (l.find(colonne) == std::string::npos)
            return nullptr;

    for (std::uint32_t k = 0; k < Sate::NbLigneSatelite; ++k)
        if (!lignes.Suivante(l, LimiteCorps) || !LitLigneSortie(l, *satelite))
            return nullptr;

    if (!lignes.Suivante(l, LimiteCorps) || l.find("FinSat") == std::string::npos)
        return nullptr;
    return satelite;
}

} // namespace

ErreurLecture LitProgramme(std::istream& flux, ProgrammeLu& p)
{
    Lignes lignes(flux);
    std::string l;

    if (lignes.Brute(l, LimiteEntete) != Lignes::Etat::Ligne)
        return ErreurLecture::NonAccessible;
    auto version = EntierCle(l, "VersionFichier");
    if (!version)
        version = EntierCle(l, "Version Fichier");
    // No key set exists below version 1.
    if (!version || *version < 1)
        return ErreurLecture::DonneesInvalides;
    p.Version = *version;
    const JeuCles& cles = p.Version == 1 ? ClesVersion1 : p.Version == 2 ? ClesVersion2 : ClesVersion3;
    const bool avecSatelites = p.Version >= 4;

    if (!lignes.Suivante(l, LimiteEntete))
        return ErreurLecture::Appareil;
    const auto appareil = ValeurCle(l, cles.appareil);
    if (!appareil || appareil->find(CQ52::GetNomAppareil()) == std::string_view::npos)
        return ErreurLecture::Appareil;

    std::string* champs[3] = {&p.Titre, &p.NumeroSerie, &p.VersionProgramme};
    const char* clesChamps[3] = {cles.titre, cles.numeroSerie, cles.version};
    for (int k = 0; k < 3; ++k) {
        if (!lignes.Suivante(l, LimiteEntete))
            return ErreurLecture::DonneesInvalides;
        const auto texte = TexteCle(l, clesChamps[k]);
        if (!texte)
            return ErreurLecture::DonneesInvalides;
        *champs[k] = *texte;
    }

    long long nbSatelites = 0;
    if (avecSatelites) {
        if (!lignes.Suivante(l, LimiteEntete))
            return ErreurLecture::DonneesInvalides;
        const auto n = EntierCle(l, "NbSatelite");
        if (!n || *n < 0)
            return ErreurLecture::DonneesInvalides;
        nbSatelites = *n;
    }

    if (!lignes.Suivante(l, LimiteCorps))
        return ErreurLecture::DonneesInvalides;
    const auto nbSecours = EntierCle(l, "NbVoieSecour"); // also matches NbVoieSecours
    if (!nbSecours)
        return ErreurLecture::DonneesInvalides;
    if (!lignes.Suivante(l, LimiteCorps))
        return ErreurLecture::DonneesInvalides;
    const auto nbTirs = EntierCle(l, "NbTir");
    if (!nbTirs)
        return ErreurLecture::DonneesInvalides;
    if (*nbTirs < 1 || *nbTirs > NbTirMax)
        return ErreurLecture::NombreTirs;

    const long long lignesSecours = *nbSecours < 1 ? 1 : *nbSecours;
    for (long long k = 0; k < lignesSecours; ++k) {
        SecoursLu secours;
        if (!lignes.Suivante(l, LimiteCorps) || !LitSecours(l, secours))
            return ErreurLecture::DonneesInvalides;
        p.Secours.push_back(secours);
    }

    if (!lignes.Suivante(l, LimiteCorps))
        return ErreurLecture::DonneesInvalides;
    for (const char* colonne : cles.colonnes)
        if (l.find(colonne) == std::string::npos)
            return ErreurLecture::DonneesInvalides;

    for (long long j = 0; j < *nbTirs; ++j) {
        TirLu tir;
        if (!lignes.Suivante(l, LimiteCorps) || !LitLigneTir(l, tir))
            return ErreurLecture::DonneesInvalides;
        p.Tirs.push_back(std::move(tir));
    }
    if (!avecSatelites)
        return ErreurLecture::Aucune;

    if (!lignes.Suivante(l, LimiteCorps) || l.find("FinTir") == std::string::npos)
        return ErreurLecture::DonneesInvalides;
    for (long long s = 0; s < nbSatelites; ++s) {
        auto satelite = LitBlocSatelite(lignes);
        if (!satelite)
            return ErreurLecture::DonneesInvalides;
        p.Satelites.push_back(std::move(satelite));
    }
    return ErreurLecture::Aucune;
}

ErreurLecture LitFichierProgramme(const std::string& chemin, ProgrammeLu& programme)
{
    std::ifstream flux(chemin, std::ios::binary);
    if (!flux)
        return ErreurLecture::NonAccessible;
    return LitProgramme(flux, programme);
}

} // namespace Zent::Fichier
