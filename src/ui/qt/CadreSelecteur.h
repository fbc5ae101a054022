#pragma once

#include "ui/core/TTabSelectLigneSateite.h"

#include <QFrame>

#include <functional>

class QLabel;
class QMenu;

namespace Zent {

class PlateauSorties;

// The output picker as a frame over the assignment grid: the module face,
// the 10 x 6 board of outputs, its labels and its popup menu.
class CadreSelecteur : public QFrame {
    Q_OBJECT
public:
    CadreSelecteur(TTabSelectLigneSateite& logique, QWidget* parent);
    // Follows the logic: texts, position, visibility.
    void Actualise();
    PlateauSorties* Plateau() const { return LePlateau; }
    QMenu* Menu() const { return MenuPopup; }
    // The rectangle of board cell (c, r) in frame coordinates.
    QRect RectCase(int c, int r) const;
    // Called after every choice made in the frame (the view refreshes).
    std::function<void()> ApresChoix;

signals:
    void FocusPerdu();

protected:
    void contextMenuEvent(QContextMenuEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    TTabSelectLigneSateite& Logique;
    QLabel* Titre;
    QLabel* Nom;
    QLabel* Voie;
    QLabel* Tir;
    QLabel* Image;
    PlateauSorties* LePlateau;
    QMenu* MenuPopup;
};

// The board itself: paints the cells by the colour rule and turns clicks
// and mouse moves into the picker's handlers.
class PlateauSorties : public QWidget {
    Q_OBJECT
public:
    PlateauSorties(TTabSelectLigneSateite& logique, CadreSelecteur* cadre);
    static constexpr int LargeurCase = 28;
    int HauteurCase() const;
    QPoint CentreCase(int c, int r) const;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;

private:
    bool CaseSous(const QPoint& point, int& c, int& r) const;
    TTabSelectLigneSateite& Logique;
    CadreSelecteur* Cadre;
};

} // namespace Zent
