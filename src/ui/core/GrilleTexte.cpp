#include "ui/core/GrilleTexte.h"

#include <algorithm>

namespace Zent {

namespace {
const std::string Vide;
}

GrilleTexte::GrilleTexte(int colonnes, int lignes) : NbColonnes(0), NbLignes(0)
{
    SetColCount(colonnes);
    SetRowCount(lignes);
}

void GrilleTexte::SetColCount(int n)
{
    NbColonnes = std::max(n, 0);
    Cellules.resize(static_cast<std::size_t>(NbColonnes));
    for (auto& colonne : Cellules)
        colonne.resize(static_cast<std::size_t>(NbLignes));
    Largeurs.resize(static_cast<std::size_t>(NbColonnes), 64);
    MarqueChangement();
}

void GrilleTexte::SetRowCount(int n)
{
    NbLignes = std::max(n, 0);
    for (auto& colonne : Cellules)
        colonne.resize(static_cast<std::size_t>(NbLignes));
    if (LigCourante >= NbLignes)
        LigCourante = std::max(NbLignes - 1, 0);
    MarqueChangement();
}

const std::string& GrilleTexte::Cellule(int col, int lig) const
{
    if (col < 0 || col >= NbColonnes || lig < 0 || lig >= NbLignes)
        return Vide;
    return Cellules[static_cast<std::size_t>(col)][static_cast<std::size_t>(lig)];
}

void GrilleTexte::SetCellule(int col, int lig, std::string texte)
{
    if (col < 0 || col >= NbColonnes || lig < 0 || lig >= NbLignes)
        return;
    std::string& cellule = Cellules[static_cast<std::size_t>(col)][static_cast<std::size_t>(lig)];
    if (cellule != texte) {
        cellule = std::move(texte);
        MarqueChangement();
    }
}

bool GrilleTexte::DeplaceVers(int col, int lig)
{
    if (col < FixedCols || col >= NbColonnes || lig < FixedRows || lig >= NbLignes)
        return false;
    if (!SelectCell(col, lig))
        return false;
    // The hook may have rebuilt the table: the target must still exist.
    if (lig >= NbLignes)
        return false;
    PlaceCourante(col, lig);
    return true;
}

void GrilleTexte::PlaceCourante(int col, int lig)
{
    ColCourante = std::clamp(col, 0, std::max(NbColonnes - 1, 0));
    LigCourante = std::clamp(lig, 0, std::max(NbLignes - 1, 0));
    MarqueChangement();
}

void GrilleTexte::SetLargeurColonne(int col, int largeur)
{
    if (col < 0 || col >= NbColonnes)
        return;
    Largeurs[static_cast<std::size_t>(col)] = largeur;
    MarqueChangement();
}

bool GrilleTexte::SelectCell(int, int) { return true; }
void GrilleTexte::KeyPress(char&) {}
void GrilleTexte::KeyDown(ToucheBas) {}
std::string GrilleTexte::GetEditText(int col, int lig) { return Cellule(col, lig); }
void GrilleTexte::SetEditText(int col, int lig, const std::string& texte) { SetCellule(col, lig, texte); }
void GrilleTexte::Exit() {}
void GrilleTexte::Click() {}
void GrilleTexte::Resize(int) {}
StyleCellule GrilleTexte::Style(int, int) const { return StyleCellule{}; }

bool GrilleTexte::PrendChangement()
{
    const bool c = Change;
    Change = false;
    return c;
}

} // namespace Zent
