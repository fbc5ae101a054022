#include "ui/core/TTabSelectLigneSateite.h"

#include <algorithm>

namespace Zent {

namespace {
constexpr TexteBilingue TexteTitre{"Sélection de la sortie du satellite", "Output selection of satellite"};
constexpr TexteBilingue TexteNom{"Satellite : %s", "Satellite : %s"};
constexpr TexteBilingue TexteTir{"Tir n°%03i", "Shot n°%03i"};
constexpr TexteBilingue TexteVoie{"Voie n°%03i", "Way n°%03i"};
constexpr TexteBilingue MenuAucune{"&Aucune sortie", "&No output"};
constexpr TexteBilingue MenuSelection{"&Sélection sortie n°%i", "&Output selection n°%i"};
constexpr TexteBilingue MenuFermer{"&Fermer", "&Close"};
constexpr TexteBilingue MenuAnnuler{"&Annuler", "&Undo"};

constexpr std::uint32_t Marine = 0x000080, Blanc = 0xFFFFFF, VertClair = 0x40FF40, Noir = 0x000000, Rouge = 0xFF0000;
} // namespace

void TTabSelectLigneSateite::SetLangue(Langue langue)
{
    if (LangueValide(langue))
        LangueCourante = langue;
}

void TTabSelectLigneSateite::SetNomSatelite(const std::string& nom) { NomSatelite = nom; }
void TTabSelectLigneSateite::SetNumeroTir(int numero) { NumeroTir = numero; }
void TTabSelectLigneSateite::SetNumeroVoie(int numero) { NumeroVoie = numero; }

bool TTabSelectLigneSateite::Selectionnable(int sortie) const
{
    return sortie >= 0 && std::find(Libres.begin(), Libres.end(), static_cast<std::uint32_t>(sortie)) != Libres.end();
}

void TTabSelectLigneSateite::SetLigneSelectionnee(int sortie)
{
    if (sortie == Selection)
        return;
    Selection = sortie;
    if (sortie < 0) {
        PlaceCaseCourante(0, 0);
        return;
    }
    PlaceCaseCourante(sortie % ColonnesPlateau, sortie / ColonnesPlateau);
    if (!Selectionnable(sortie))
        Libres.push_back(static_cast<std::uint32_t>(sortie));
}

void TTabSelectLigneSateite::SetListeLigneLibre(const Sate::TypeListeLignes& libres)
{
    Libres = libres;
    if (Selection >= 0 && !Selectionnable(Selection))
        Libres.push_back(static_cast<std::uint32_t>(Selection));
}

void TTabSelectLigneSateite::PlaceCaseCourante(int c, int r)
{
    CaseCol = std::clamp(c, 0, ColonnesPlateau - 1);
    CaseLig = std::clamp(r, 0, LignesPlateau - 1);
}

TTabSelectLigneSateite::Couleurs TTabSelectLigneSateite::CouleursCase(int c, int r) const
{
    const int sortie = SortieDeCase(c, r);
    if (sortie == Selection && c == CaseCol && r == CaseLig)
        return {Marine, Blanc};
    if (Selectionnable(sortie))
        return {VertClair, Noir};
    return {Rouge, Blanc};
}

void TTabSelectLigneSateite::Signale()
{
    if (OnSelectionLigne)
        OnSelectionLigne();
}

void TTabSelectLigneSateite::TableauClick()
{
    if (!Visible)
        return;
    const int sortie = SortieDeCase(CaseCol, CaseLig);
    if (!Selectionnable(sortie))
        return;
    Selection = sortie;
    Signale();
}

void TTabSelectLigneSateite::PopUpAucuneLigneClick()
{
    Selection = -1;
    Signale();
}

void TTabSelectLigneSateite::PopUpFermerClick() { Signale(); }

TTabSelectLigneSateite::Menu TTabSelectLigneSateite::ItemsMenu() const
{
    const Langue l = LangueCourante;
    return {MenuAucune.Selon(l), Selection >= 0 ? Formate(MenuSelection.Selon(l), {Selection}) : std::string(),
            MenuFermer.Selon(l), MenuAnnuler.Selon(l), Selection >= 0};
}

TTabSelectLigneSateite::Libelles TTabSelectLigneSateite::Textes() const
{
    const Langue l = LangueCourante;
    return {TexteTitre.Selon(l), Formate(TexteNom.Selon(l), {NomSatelite}), Formate(TexteTir.Selon(l), {NumeroTir}),
            Formate(TexteVoie.Selon(l), {NumeroVoie})};
}

namespace {

// One axis: the picker (taille) beside the cell [debut, fin) in a client of
// size `client`; the two axes are placed independently.
int PlaceSurAxe(int debut, int fin, int client, int taille)
{
    const int apres = client - fin, avant = debut;
    int p = fin;
    if (taille > apres && taille < avant)
        p = debut - taille;
    if (taille > avant && taille > apres && taille < client) {
        const int d = (taille - (fin - debut)) / 2;
        if (d < avant && d < apres)
            p = debut - d;
        else if (d > avant)
            p = 0;
        else
            p = client - taille;
    }
    return p;
}

} // namespace

Position PlacementSelecteur(const Rectangle& cellule, int cw, int ch, int w, int h)
{
    return {PlaceSurAxe(cellule.Gauche, cellule.Droite, cw, w), PlaceSurAxe(cellule.Haut, cellule.Bas, ch, h)};
}

} // namespace Zent
