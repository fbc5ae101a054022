#include "ui/core/TDilogueAfficheListe.h"

namespace Zent {

void TDilogueAfficheListe::SetListeErreurs(const std::vector<std::string>* liste)
{
    Erreurs = liste;
    CocheErreurs = liste != nullptr;
}

void TDilogueAfficheListe::SetListeAvertissements(const std::vector<std::string>* liste)
{
    Avertissements = liste;
    CocheAvertissements = liste != nullptr;
}

void TDilogueAfficheListe::SetLangue(Langue langue)
{
    if (LangueValide(langue))
        LangueCourante = langue;
}

void TDilogueAfficheListe::CheckErreurClick(bool coche) { CocheErreurs = coche && Erreurs; }
void TDilogueAfficheListe::CheckWarningClick(bool coche) { CocheAvertissements = coche && Avertissements; }

std::vector<std::string> TDilogueAfficheListe::Contenu() const
{
    static const std::vector<std::string> aucune;
    const std::vector<std::string>& e = CocheErreurs && Erreurs ? *Erreurs : aucune;
    const std::vector<std::string>& a = CocheAvertissements && Avertissements ? *Avertissements : aucune;
    std::vector<std::string> contenu;
    contenu.reserve(e.size() + a.size());
    std::size_t ie = 0, ia = 0;
    while (ie < e.size() || ia < a.size()) {
        // std::string compares bytes as unsigned: plain byte order.
        const bool prendErreur = ia == a.size() || (ie < e.size() && a[ia] > e[ie]);
        contenu.push_back(prendErreur ? e[ie++] : a[ia++]);
    }
    return contenu;
}

TDilogueAfficheListe::Legendes TDilogueAfficheListe::Textes(Langue l)
{
    return {TexteBilingue{"Liste des erreurs et avertissements", "Listing of errors and warnings "}.Selon(l),
            TexteBilingue{"Afficher les erreurs", "Display the errors"}.Selon(l),
            TexteBilingue{"Afficher les avertissements", "Display the warnings"}.Selon(l),
            TexteBilingue{"Fermer", "Close"}.Selon(l)};
}

} // namespace Zent
