#pragma once

#include "ui/core/TTabGestTirVoieSat.h"
#include "ui/core/TTableauLigneSatelite.h"
#include "ui/qt/ModeleGrille.h"

#include <QTableView>

namespace Zent {

class CadreSelecteur;

// The outputs tab: a view over TTabGestTirVoieSat with the picker frame
// over its cells. Nothing is typed here; Enter or a double click opens the
// picker.
class VueAffectation : public QTableView {
    Q_OBJECT
public:
    VueAffectation(TTabGestTirVoieSat& grille, QWidget* parent = nullptr);
    TTabGestTirVoieSat& Grille() { return LaGrille; }
    CadreSelecteur* Cadre() const { return LeCadre; }
    ModeleGrille* Modele() const { return LeModele; }
    void Rafraichit();
    // Opens the picker on the current cell, as entering edit mode does.
    void OuvreSelecteur();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;

private:
    void Geometrie();
    TTabGestTirVoieSat& LaGrille;
    ModeleGrille* LeModele;
    SelectionGrille* Selection;
    CadreSelecteur* LeCadre;
};

// A satellite's tab: its outputs, channels and editable descriptions.
class VueTableSatelite : public QTableView {
    Q_OBJECT
public:
    VueTableSatelite(TTableauLigneSatelite& table, QWidget* parent = nullptr);
    TTableauLigneSatelite& Table() { return LaTable; }
    ModeleGrille* Modele() const { return LeModele; }
    void Rafraichit();
    QWidget* Editeur() const { return indexWidget(currentIndex()); }

private:
    TTableauLigneSatelite& LaTable;
    ModeleGrille* LeModele;
    SelectionGrille* Selection;
};

} // namespace Zent
