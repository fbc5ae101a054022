#include "ui/core/TTableauLigneSatelite.h"

namespace Zent {

namespace {
constexpr TexteBilingue Titres[3] = {
    {"Sortie n°", "Output n°"}, {"Voie n°", "Way n°"}, {"Description", "Description"}};
constexpr int Lignes = static_cast<int>(Sate::NbLigneSatelite) + 1;
} // namespace

TTableauLigneSatelite::TTableauLigneSatelite() : GrilleTexte(3, 2)
{
    FixedRows = 1;
    FixedCols = 2;
    InitTitreLangueTableau();
}

void TTableauLigneSatelite::SetLangue(Langue langue)
{
    if (!LangueValide(langue) || langue == LangueCourante)
        return;
    LangueCourante = langue;
    InitTitreLangueTableau();
}

void TTableauLigneSatelite::InitTitreLangueTableau()
{
    for (int c = 0; c < 3; ++c)
        SetCellule(c, 0, Titres[c].Selon(LangueCourante));
}

void TTableauLigneSatelite::SetSatelite(Sate::CQ31* satelite)
{
    if (satelite != Satelite) {
        Satelite = satelite;
        Edition = false;
        VideTableau();
        InitTitreLangueTableau();
        InitialisationLigneSatelite();
    }
    ActualiseAffichageDonnee();
}

void TTableauLigneSatelite::VideTableau()
{
    SetRowCount(1);
    SetColCount(3);
}

void TTableauLigneSatelite::InitialisationLigneSatelite()
{
    if (!Satelite) {
        VideTableau();
        return;
    }
    SetRowCount(Lignes);
    for (int r = 1; r < Lignes; ++r)
        SetCellule(0, r, std::to_string(r - 1));
    PlaceCourante(2, std::max(Row(), 1));
}

void TTableauLigneSatelite::ActualiseAffichageDonnee()
{
    if (!Satelite) {
        VideTableau();
        return;
    }
    if (GetRowCount() != Lignes)
        InitialisationLigneSatelite();
    for (std::uint32_t n = 0; n < Sate::NbLigneSatelite; ++n) {
        const int r = static_cast<int>(n) + 1;
        const std::int32_t voie = Satelite->GetVoieSortie(n);
        SetCellule(1, r, voie < 0 ? std::string() : std::to_string(voie));
        SetCellule(2, r, Satelite->GetDescriptionSortie(n));
    }
    PlaceCourante(2, std::max(Row(), 1));
}

void TTableauLigneSatelite::CalculLargeurMaxDescription(int largeurClient)
{
    const int total = LargeurColonne(0) + LargeurColonne(1) + LargeurColonne(2);
    if (total < largeurClient)
        SetLargeurColonne(2, LargeurColonne(2) + largeurClient - total - 1);
}

void TTableauLigneSatelite::ValideValeurSaisie(int col, int lig)
{
    if (!Edition)
        return;
    Edition = false;
    if (lig < 0 || lig >= GetRowCount() || col < 0 || col >= GetColCount())
        return;
    if (col == 2 && lig >= 1 && Satelite)
        Satelite->SetDescriptionSortie(static_cast<std::uint32_t>(lig - 1), Cellule(2, lig));
    if (OnChange)
        OnChange();
}

void TTableauLigneSatelite::AnnuleSaisie()
{
    Edition = false;
    ActualiseAffichageDonnee();
}

void TTableauLigneSatelite::TextPourLeTireDesColones(std::vector<std::string>& textes, bool avecVoies) const
{
    textes.clear();
    for (int c = 0; c < GetColCount(); ++c)
        if (c != 1 || avecVoies)
            textes.push_back(Cellule(c, 0));
}

bool TTableauLigneSatelite::SelectCell(int col, int lig)
{
    ValideValeurSaisie(Col(), Row());
    return col == 2 && lig >= 1;
}

void TTableauLigneSatelite::KeyPress(char& touche)
{
    if (touche == ToucheEntree && EditorMode && Row() < GetRowCount() - 1) {
        ValideValeurSaisie(Col(), Row());
        DeplaceVers(Col(), Row() + 1);
    }
}

void TTableauLigneSatelite::KeyDown(ToucheBas touche)
{
    if (touche == ToucheBas::Entree || touche == ToucheBas::Haut || touche == ToucheBas::Bas)
        ValideValeurSaisie(Col(), Row());
}

std::string TTableauLigneSatelite::GetEditText(int col, int lig)
{
    Edition = true;
    return Cellule(col, lig);
}

void TTableauLigneSatelite::Resize(int largeurClient) { CalculLargeurMaxDescription(largeurClient); }

StyleCellule TTableauLigneSatelite::Style(int col, int) const
{
    StyleCellule style;
    if (col == 2) {
        style.Aligne = Alignement::Gauche;
        style.RetraitGauche = 10;
    }
    return style;
}

} // namespace Zent
