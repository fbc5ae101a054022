#pragma once

#include "ui/core/GrilleTexte.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>

class QTableView;

namespace Zent {

// A Qt table model over a string-grid logic class. The grid's title row and
// column become the headers, so they stay visible while scrolling.
class ModeleGrille : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ModeleGrille(GrilleTexte& grille, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    GrilleTexte& Grille() { return LaGrille; }
    // Brings the view up to date after the logic changed.
    void Rafraichit();

private:
    GrilleTexte& LaGrille;
    int Lignes = 0;
    int Colonnes = 0;
};

// Asks the grid logic before the current cell moves, as a toolkit grid's
// cell-selection hook does; a refused move leaves the current cell.
class SelectionGrille : public QItemSelectionModel {
    Q_OBJECT
public:
    explicit SelectionGrille(ModeleGrille* modele);
    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;
    // Puts Qt's current cell where the logic's is.
    void Synchronise();

private:
    ModeleGrille* Modele;
    bool EnCours = false;
};

// Shows the title of the grid's first column in the view's corner button,
// which Qt leaves blank.
void PoseTitreCoin(QTableView* vue, const QString& texte);

} // namespace Zent
