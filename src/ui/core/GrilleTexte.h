#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Zent {

enum class Alignement { Centre, Gauche };

// How one cell is drawn. Colours are 0xRRGGBB; `ParDefaut` leaves both
// colours to the toolkit.
struct StyleCellule {
    bool ParDefaut = true;
    std::uint32_t Fond = 0xFFFFFF;
    std::uint32_t Encre = 0x000000;
    Zent::Alignement Aligne = Zent::Alignement::Centre;
    int RetraitGauche = 0;
};

// Keys as the grids see them: characters in Windows-1252, with these codes
// for the editing keys.
inline constexpr char ToucheRetour = 8;
inline constexpr char ToucheTab = 9;
inline constexpr char ToucheEntree = 13;
// Keys pressed down, before they become characters.
enum class ToucheBas { PaveDecimal, Entree, Haut, Bas, Autre };

struct Rectangle {
    int Gauche = 0, Haut = 0, Droite = 0, Bas = 0;
};

// A grid of text cells addressed (column, row), with fixed title rows and
// columns, a current cell and the hooks a toolkit grid offers. The logic
// classes derive from it; a toolkit view shows it and forwards events.
class GrilleTexte {
public:
    GrilleTexte(int colonnes, int lignes);
    virtual ~GrilleTexte() = default;

    int GetColCount() const { return NbColonnes; }
    int GetRowCount() const { return NbLignes; }
    void SetColCount(int n);
    void SetRowCount(int n);
    int FixedCols = 1;
    int FixedRows = 1;

    const std::string& Cellule(int col, int lig) const;
    void SetCellule(int col, int lig, std::string texte);

    int Col() const { return ColCourante; }
    int Row() const { return LigCourante; }
    // Asks SelectCell first; true when the current cell moved (or stayed).
    bool DeplaceVers(int col, int lig);
    // Sets the current cell without asking (construction, repairs).
    void PlaceCourante(int col, int lig);

    bool EditorMode = false;

    int LargeurColonne(int col) const { return Largeurs[static_cast<std::size_t>(col)]; }
    void SetLargeurColonne(int col, int largeur);
    int HauteurLigne = 24;

    // Pixel width of a text in the grid's font; the toolkit sets it.
    std::function<int(const std::string&)> LargeurTexte = [](const std::string& t) {
        return static_cast<int>(t.size()) * 7;
    };

    // Hooks
    virtual bool SelectCell(int col, int lig);
    virtual void KeyPress(char& touche);
    virtual void KeyDown(ToucheBas touche);
    virtual std::string GetEditText(int col, int lig);
    // The in-place editor's text changed.
    virtual void SetEditText(int col, int lig, const std::string& texte);
    virtual void Exit();
    virtual void Click();
    virtual void Resize(int largeurClient);
    virtual StyleCellule Style(int col, int lig) const;

    // True once after any change of cells, sizes or the current cell, so
    // the view knows when to refresh.
    bool PrendChangement();

protected:
    void MarqueChangement() { Change = true; }

private:
    int NbColonnes;
    int NbLignes;
    std::vector<std::vector<std::string>> Cellules; // [col][lig]
    std::vector<int> Largeurs;
    int ColCourante = 0;
    int LigCourante = 0;
    bool Change = true;
};

} // namespace Zent
