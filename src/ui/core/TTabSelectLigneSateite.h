#pragma once

#include "model/CQ31.h"
#include "model/Textes.h"
#include "ui/core/GrilleTexte.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Zent {

// The output picker: a 10 x 6 board of a satellite's outputs from which the
// assignment grid takes the output that will carry a channel.
class TTabSelectLigneSateite {
public:
    static constexpr int Largeur = 319;
    static constexpr int Hauteur = 265;
    static constexpr int ColonnesPlateau = 10;
    static constexpr int LignesPlateau = 6;

    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }
    void SetNomSatelite(const std::string& nom);
    void SetNumeroTir(int numero);
    void SetNumeroVoie(int numero);
    void SetLigneSelectionnee(int sortie);
    void SetListeLigneLibre(const Sate::TypeListeLignes& libres);
    int GetLigneSelectionnee() const { return Selection; }
    bool Selectionnable(int sortie) const;

    // Board cell (c, r) stands for output c + 10 r.
    static int SortieDeCase(int c, int r) { return c + ColonnesPlateau * r; }
    int CaseCouranteCol() const { return CaseCol; }
    int CaseCouranteLig() const { return CaseLig; }
    void PlaceCaseCourante(int c, int r);

    struct Couleurs {
        std::uint32_t Fond, Encre;
    };
    Couleurs CouleursCase(int c, int r) const;
    // The cursor over a cell: false for the "no" cursor.
    bool CurseurNormal(int c, int r) const { return Selectionnable(SortieDeCase(c, r)); }

    // Handlers
    void TableauClick();
    void PopUpAucuneLigneClick();
    void PopUpFermerClick();

    struct Menu {
        std::string Aucune, Selection, Fermer, Annuler;
        bool SelectionVisible;
    };
    Menu ItemsMenu() const;
    struct Libelles {
        std::string Titre, Nom, Tir, Voie;
    };
    Libelles Textes() const;

    bool Visible = false;
    int Gauche = 0;
    int Haut = 0;
    std::function<void()> OnSelectionLigne;

private:
    void Signale();

    Langue LangueCourante = Francais;
    std::string NomSatelite = "Neant";
    int NumeroTir = 0;
    int NumeroVoie = 0;
    int Selection = -1;
    std::vector<std::uint32_t> Libres;
    int CaseCol = 0;
    int CaseLig = 0;
};

// Where the picker (w x h) opens for a cell, inside a client area of
// largeur x hauteur: hanging from the cell's bottom-right corner, or moved
// to whichever side has the room.
struct Position {
    int Gauche, Haut;
};
Position PlacementSelecteur(const Rectangle& cellule, int largeurClient, int hauteurClient, int w, int h);

} // namespace Zent
