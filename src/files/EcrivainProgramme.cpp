#include "files/EcrivainProgramme.h"

#include "model/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace Zent::Fichier {

namespace {

constexpr std::size_t LimiteEntete = 99;
constexpr std::size_t LimiteCorps = 1999;

// A text value never breaks a line, and never makes its line longer than
// the reader takes: it would make the whole file unreadable.
std::string Valeur(std::string texte, std::size_t place)
{
    for (char& c : texte)
        if (c == '\n' || c == '\r' || c == '\0')
            c = ' ';
    if (texte.size() > place)
        texte.resize(place);
    return texte;
}

void Ligne(std::string& sortie, std::string_view texte)
{
    sortie.append(texte);
    sortie += '\n';
}

std::string Cle(std::string_view cle, std::string_view separateur, const std::string& valeur, std::size_t limite)
{
    std::string ligne(cle);
    ligne.append(separateur);
    ligne += Valeur(valeur, limite - ligne.size());
    return ligne;
}

} // namespace

std::string ContenuProgramme(const DocumentAEcrire& d)
{
    const CQ52& m = *d.Modele;
    const bool avecSatelites = d.Satelites && !d.Satelites->EstVide();
    std::string s;
    Ligne(s, avecSatelites ? "VersionFichier ; 4" : "VersionFichier ; 3");
    Ligne(s, "TypeAppareil ; " + CQ52::GetNomAppareil());
    Ligne(s, Cle("TitreListeTir", " ; ", d.Titre, LimiteEntete));
    Ligne(s, Cle("NumeroSerie", " ; ", d.NumeroSerie, LimiteEntete));
    Ligne(s, Cle("Version", " ; ", d.Version, LimiteEntete));
    if (avecSatelites)
        Ligne(s, "NbSatelite ; " + std::to_string(d.Satelites->Nombre()));
    Ligne(s, "#Debut du tableau des tirs");
    Ligne(s, "NbVoieSecours ; 4");
    Ligne(s, "NbTir ; " + std::to_string(m.GetNbTirs()));
    Ligne(s, Utf8VersCp1252("# Commande; Numéro du tir de secours; Numéro de voie de secours"));
    for (int k = 0; k < NbVoieSecours; ++k)
        Ligne(s, "VoieSecour ; " + std::to_string(k) + " ; " + std::to_string(m.VoiesDeSecours()[k]));
    Ligne(s, Utf8VersCp1252("#N° de la ligne; Type de la voie; Retard de la voie; Description"));
    Ligne(s, "NumVoie ; TypeVoie ; Retard ; Description");
    for (std::int32_t i = 0; i < NbTirMax && !m.Tir(i).Inactif; ++i) {
        const UnTir& tir = m.Tir(i);
        std::string ligne = std::to_string(tir.Voie) + (tir.Manuel ? " ; 0 ; " : " ; 1 ; ") +
                            TexteDecimal(ArrondiDixieme(tir.RetardAbsolu), d.SeparateurDecimal) + " ; ";
        ligne += Valeur(d.Description ? d.Description(i) : tir.Description, LimiteCorps - ligne.size());
        Ligne(s, ligne);
    }
    if (!avecSatelites)
        return s;

    Ligne(s, "FinTir");
    const std::string debutBloc = Utf8VersCp1252("# Debut du tableau du satélite ");
    for (std::size_t n = 0; n < d.Satelites->Nombre(); ++n) {
        const Sate::CQ31& sat = (*d.Satelites)[n];
        const std::string nom = Valeur(sat.GetNomSatelite(), LimiteCorps - debutBloc.size());
        Ligne(s, debutBloc + nom);
        Ligne(s, "NomSatelite ;" + nom);
        Ligne(s, "NumSerieSat ;" + std::to_string(sat.GetNumSerie()));
        Ligne(s, std::string("TypeSAt ;") + Sate::TypeAppareilSatelite);
        Ligne(s, "NombreLigneSat ;" + std::to_string(Sate::NbLigneSatelite));
        Ligne(s, "NumSortie ; NumVoie ; Description ; ");
        for (std::uint32_t k = 0; k < Sate::NbLigneSatelite; ++k) {
            std::string ligne = std::to_string(k) + " ; " + std::to_string(sat.GetVoieSortie(k)) + " ; ";
            ligne += Valeur(sat.GetDescriptionSortie(k), LimiteCorps - ligne.size());
            Ligne(s, ligne);
        }
        Ligne(s, "FinSat");
    }
    return s;
}

std::string NomSauvegarde(const std::string& chemin)
{
    const std::size_t barre = chemin.find_last_of('/');
    const std::size_t point = chemin.find_last_of('.');
    if (point == std::string::npos || (barre != std::string::npos && point < barre))
        return chemin + ".Bak";
    return chemin.substr(0, point + 1) + "Bak";
}

bool EcritFichierProgramme(const std::string& chemin, const DocumentAEcrire& document)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(chemin, ec)) {
        const std::string sauvegarde = NomSauvegarde(chemin);
        fs::remove(sauvegarde, ec);
        fs::rename(chemin, sauvegarde, ec);
        // Writing over the only copy without a backup would risk the show.
        if (ec)
            return false;
    }
    const std::string contenu = ContenuProgramme(document);
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(contenu.data(), 1, contenu.size(), f) == contenu.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok)
        fs::remove(chemin, ec);
    return ok;
}

} // namespace Zent::Fichier
