#pragma once

#include "ui/core/TTabGestTempsTirZent.h"
#include "ui/qt/ModeleGrille.h"

#include <QStyledItemDelegate>
#include <QTableView>

namespace Zent {

class VueTableTemps;

// In-place editors of the time table: a line edit whose keys go through the
// logic's key rules, and the type drop-down over column 2.
class DelegueTableTemps : public QStyledItemDelegate {
    Q_OBJECT
public:
    DelegueTableTemps(TTabGestTempsTirZent& table, VueTableTemps* vue);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override;
    void setModelData(QWidget* editeur, QAbstractItemModel* modele, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    TTabGestTempsTirZent& Table;
    VueTableTemps* Vue;
};

// The time table as a QTableView over its logic.
class VueTableTemps : public QTableView {
    Q_OBJECT
public:
    VueTableTemps(TTabGestTempsTirZent& table, QWidget* parent = nullptr);
    TTabGestTempsTirZent& Table() { return LaTable; }
    ModeleGrille* Modele() { return LeModele; }
    // Shows what the logic changed: cells, rows, widths and the current cell.
    void Rafraichit();
    // The current editor, when a cell is being edited (tests type into it).
    QWidget* Editeur() const;

private:
    TTabGestTempsTirZent& LaTable;
    ModeleGrille* LeModele;
    SelectionGrille* Selection;
};

} // namespace Zent
