#include "ui/core/TDialogSupressionSat.h"

#include "ui/core/TFenetreEnfant.h"

namespace Zent {

namespace {
constexpr TexteBilingue PasDeSelection{"Pas De Sélection", "No selection"};
}

void TDialogSupressionSat::SetLangue(Langue langue)
{
    if (LangueValide(langue))
        LangueCourante = langue;
}

void TDialogSupressionSat::SetListeSatelites(const Sate::TypeListeSatelites* liste)
{
    if (liste == Liste)
        return;
    Liste = liste;
    SelectionneNom();
}

void TDialogSupressionSat::SetNomSateliteSelectionne(const std::string& nom)
{
    if (nom == NomChoisi)
        return;
    NomChoisi = nom;
    if (nom.empty())
        IndexCourant = 0;
    else if (Liste)
        SelectionneNom();
    MiseAJourBouton();
}

void TDialogSupressionSat::SelectionneNom()
{
    IndexCourant = 0;
    if (Liste)
        for (std::size_t i = 0; i < Liste->Nombre(); ++i)
            if ((*Liste)[i].GetNomSatelite() == NomChoisi) {
                IndexCourant = static_cast<int>(i) + 1;
                break;
            }
    MiseAJourBouton();
}

void TDialogSupressionSat::ComboBoxNomSateliteSelect(int index)
{
    const int n = Liste ? static_cast<int>(Liste->Nombre()) : 0;
    IndexCourant = index >= 0 && index <= n ? index : 0;
    MiseAJourBouton();
}

void TDialogSupressionSat::MiseAJourBouton()
{
    if (IndexCourant > 0 && Liste)
        NomChoisi = (*Liste)[static_cast<std::size_t>(IndexCourant - 1)].GetNomSatelite();
    else
        NomChoisi.clear();
}

std::vector<std::string> TDialogSupressionSat::ItemsNoms() const
{
    std::vector<std::string> items{PasDeSelection.Selon(LangueCourante)};
    if (Liste)
        for (std::size_t i = 0; i < Liste->Nombre(); ++i)
            items.push_back((*Liste)[i].GetNomSatelite());
    return items;
}

std::vector<std::string> TDialogSupressionSat::ItemsNumSerie() const
{
    std::vector<std::string> items{PasDeSelection.Selon(LangueCourante)};
    if (Liste)
        for (std::size_t i = 0; i < Liste->Nombre(); ++i)
            items.push_back(std::to_string((*Liste)[i].GetNumSerie()));
    return items;
}

TDialogSupressionSat::Textes TDialogSupressionSat::LesTextes() const
{
    const Langue l = LangueCourante;
    return {TexteBilingue{"Suppression d'un satellite", "Delete a satellite"}.Selon(l),
            TexteBilingue{"Nom du Satellite", "Name of satellite"}.Selon(l),
            TexteBilingue{"Numéro de Série", "Serial number"}.Selon(l), TexteBilingue{"Supprimer", "Delete"}.Selon(l),
            TexteBilingue{"Annuler", "Cancel"}.Selon(l)};
}

bool FluxSuppressionSatelite(TFenetreEnfant& document, TDialogSupressionSat& dialogue,
                             const std::function<bool(TDialogSupressionSat&)>& montre)
{
    dialogue.SetListeSatelites(&document.Satelites());
    dialogue.SetNomSateliteSelectionne(document.NomSateliteOngletCourant());
    if (!montre(dialogue))
        return false;
    const bool supprime = document.SuppressionSatelite(dialogue.GetNomSateliteSelectionne());
    document.FormActivate();
    return supprime;
}

} // namespace Zent
