#include "ui/core/TTabGestTirVoieSat.h"

#include "model/Saisie.h"

namespace Zent {

namespace {
constexpr TexteBilingue TitreTir{"N° Tir", "Shot N°"};
constexpr TexteBilingue TitreVoie{"N° Voie", "Way N°"};
} // namespace

TTabGestTirVoieSat::TTabGestTirVoieSat(Sons& sons) : GrilleTexte(3, 2), Sonore(sons)
{
    FixedRows = 1;
    FixedCols = 2;
    GestTitreTablTirVoieSatLang();
    NumerotationLigTirEtVoie();
    Picker.SetLangue(LangueCourante);
    Picker.OnSelectionLigne = [this] { VoieSateliteSelectionnee(); };
    PlaceCourante(2, 1);
}

void TTabGestTirVoieSat::SetLangue(Langue langue)
{
    if (!LangueValide(langue) || langue == LangueCourante)
        return;
    LangueCourante = langue;
    Picker.SetLangue(langue);
    GestTitreTablTirVoieSatLang();
}

void TTabGestTirVoieSat::GestTitreTablTirVoieSatLang()
{
    SetCellule(0, 0, TitreTir.Selon(LangueCourante));
    SetCellule(1, 0, TitreVoie.Selon(LangueCourante));
    SetLargeurColonne(0, LargeurTexte(Cellule(0, 0)) + 5);
    SetLargeurColonne(1, LargeurTexte(Cellule(1, 0)) + 5);
}

void TTabGestTirVoieSat::SetZentora(CQ52* programme)
{
    if (programme == Programme)
        return;
    Programme = programme;
    NumerotationLigTirEtVoie();
}

void TTabGestTirVoieSat::NumerotationLigTirEtVoie()
{
    const int n = Programme ? static_cast<int>(Programme->GetNbTirs()) : 1;
    SetRowCount(n + 1);
    for (int r = 1; r <= n; ++r) {
        SetCellule(0, r, std::to_string(r - 1));
        SetCellule(1, r, std::to_string(Programme ? Programme->Tir(r - 1).Voie : r - 1));
    }
}

void TTabGestTirVoieSat::SetListeSatelites(Sate::TypeListeSatelites* liste)
{
    if (liste == Liste)
        return;
    Liste = liste;
    GestionAffichageSatelite();
}

int TTabGestTirVoieSat::VoieDeLigne(int lig) const
{
    return static_cast<int>(LitEntierSaisi(Cellule(1, lig)).value_or(-1));
}

void TTabGestTirVoieSat::GestionAffichageSatelite()
{
    NumerotationLigTirEtVoie();
    if (Liste && !Liste->EstVide()) {
        const int colonnes = static_cast<int>(Liste->Nombre()) + 2;
        if (colonnes != GetColCount())
            SetColCount(colonnes);
        for (std::size_t s = 0; s < Liste->Nombre(); ++s) {
            const int c = static_cast<int>(s) + 2;
            const Sate::CQ31& sat = (*Liste)[s];
            SetCellule(c, 0, sat.GetNomSatelite());
            for (int r = 1; r < GetRowCount(); ++r)
                SetCellule(c, r, "");
            for (std::uint32_t n = 0; n < Sate::NbLigneSatelite; ++n)
                for (int r = 1; r < GetRowCount(); ++r)
                    if (VoieDeLigne(r) == sat.GetVoieSortie(n))
                        SetCellule(c, r, std::to_string(n));
        }
        if (Col() < 2)
            PlaceCourante(2, 1);
    } else if (GetColCount() > 3) {
        SetColCount(3);
    }
}

bool TTabGestTirVoieSat::RechNomSatDansListe(const std::string& nom, Sate::CQ31*& satelite) const
{
    satelite = Liste ? Liste->RechSatelite(nom) : nullptr;
    // The list lookup refuses an empty name; a header never is one here.
    return satelite != nullptr;
}

bool TTabGestTirVoieSat::IsCelulleSelectionnable(int col, int lig) const
{
    return lig >= 1 && lig < GetRowCount() && col >= 2 && col < GetColCount();
}

int TTabGestTirVoieSat::EextraitLigneCellule(int col, int lig) const
{
    if (!IsCelulleSelectionnable(col, lig))
        return -2;
    const auto n = LitEntierSaisi(Cellule(col, lig));
    return n && *n >= 0 && *n < static_cast<long long>(Sate::NbLigneSatelite) ? static_cast<int>(*n) : -1;
}

void TTabGestTirVoieSat::GestionVisuTabSelSat(int col, int lig)
{
    Picker.Visible = false;
    Sate::CQ31* sat = nullptr;
    if (!IsCelulleSelectionnable(col, lig) || !RechNomSatDansListe(Cellule(col, 0), sat))
        return;
    Picker.SetNomSatelite(sat->GetNomSatelite());
    Picker.SetNumeroTir(static_cast<int>(LitEntierSaisi(Cellule(0, lig)).value_or(0)));
    Picker.SetNumeroVoie(VoieDeLigne(lig));
    const Rectangle cellule = RectangleCellule ? RectangleCellule(col, lig) : Rectangle{};
    const Position p = PlacementSelecteur(cellule, LargeurClient, HauteurClient, TTabSelectLigneSateite::Largeur,
                                          TTabSelectLigneSateite::Hauteur);
    Picker.Gauche = p.Gauche;
    Picker.Haut = p.Haut;
    Picker.SetLigneSelectionnee(EextraitLigneCellule(col, lig));
    Sate::TypeListeLignes libres;
    sat->ListeSortiesLibres(libres);
    Picker.SetListeLigneLibre(libres);
    Picker.Visible = true;
    MarqueChangement();
}

void TTabGestTirVoieSat::ValidationValeurCellule(int col, int lig)
{
    Sate::CQ31* sat = nullptr;
    if (!IsCelulleSelectionnable(col, lig) || !RechNomSatDansListe(Cellule(col, 0), sat))
        return;
    const int voie = VoieDeLigne(lig);
    const int ancienne = sat->RechSortieDeLaVoie(voie);
    if (ancienne >= 0)
        sat->SetVoieSortie(static_cast<std::uint32_t>(ancienne), -1);
    const int sortie = Picker.GetLigneSelectionnee();
    if (sortie >= 0)
        sat->SetVoieSortie(static_cast<std::uint32_t>(sortie), voie);
    ActualisleAffichageTabLigneDeLaVoie(voie, sortie, col);
}

void TTabGestTirVoieSat::ActualisleAffichageTabLigneDeLaVoie(int voie, int sortie, int col)
{
    for (int r = 1; r < GetRowCount(); ++r)
        if (VoieDeLigne(r) == voie)
            SetCellule(col, r, sortie < 0 ? std::string() : std::to_string(sortie));
}

void TTabGestTirVoieSat::FinDeChoix()
{
    Picker.Visible = false;
    EditorMode = false;
    MarqueChangement();
    if (OnChange)
        OnChange();
}

void TTabGestTirVoieSat::VoieSateliteSelectionnee()
{
    ValidationValeurCellule(Col(), Row());
    FinDeChoix();
}

void TTabGestTirVoieSat::TabVisuLigSatOnExit()
{
    if (Picker.Visible)
        VoieSateliteSelectionnee();
}

void TTabGestTirVoieSat::ValidationDonnee() { TabVisuLigSatOnExit(); }

int TTabGestTirVoieSat::TextPourLeTireDesColones(std::vector<std::string>& textes) const
{
    textes.clear();
    for (int c = 0; c < GetColCount(); ++c)
        textes.push_back(Cellule(c, 0));
    return GetColCount();
}

int TTabGestTirVoieSat::ListTexteUnTir(std::int32_t tir, std::vector<std::string>& textes) const
{
    textes.clear();
    for (int c = 0; c < GetColCount(); ++c)
        textes.push_back(Cellule(c, tir + 1));
    return GetColCount();
}

bool TTabGestTirVoieSat::SelectCell(int col, int lig)
{
    return IsCelulleSelectionnable(col, lig) && Programme && Liste && !Liste->EstVide();
}

void TTabGestTirVoieSat::KeyPress(char& touche)
{
    if (!IsCelulleSelectionnable(Col(), Row()))
        touche = 0;
    if (touche == ToucheTab) {
        if (Col() < GetColCount() - 1)
            DeplaceVers(Col() + 1, Row());
    } else if (touche == ToucheEntree) {
        if (EditorMode) {
            if (Row() < GetRowCount() - 1)
                DeplaceVers(Col(), Row() + 1);
            EditorMode = false;
        } else {
            EditorMode = true;
            GetEditText(Col(), Row());
        }
    } else {
        Sonore.Joue(Son::Avertissement);
    }
    touche = 0; // every key is consumed here
}

std::string TTabGestTirVoieSat::GetEditText(int col, int lig)
{
    GestionVisuTabSelSat(col, lig);
    return Cellule(col, lig);
}

void TTabGestTirVoieSat::Click()
{
    if (Picker.Visible && !EditorMode) {
        ValidationValeurCellule(Col(), Row());
        FinDeChoix();
    }
}

} // namespace Zent
