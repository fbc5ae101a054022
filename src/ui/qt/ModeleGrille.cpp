#include "ui/qt/ModeleGrille.h"

#include "ui/qt/Qt1252.h"

#include <QBrush>
#include <QAbstractButton>
#include <QColor>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace Zent {

ModeleGrille::ModeleGrille(GrilleTexte& grille, QObject* parent) : QAbstractTableModel(parent), LaGrille(grille)
{
    Lignes = LaGrille.GetRowCount() - LaGrille.FixedRows;
    Colonnes = LaGrille.GetColCount() - 1;
}

int ModeleGrille::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Lignes; }
int ModeleGrille::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Colonnes; }

QVariant ModeleGrille::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column() + 1;
    const int lig = index.row() + LaGrille.FixedRows;
    // Fixed columns after the first are shown as data, in the header colours.
    const bool fixe = col < LaGrille.FixedCols;
    if (fixe && role == Qt::BackgroundRole)
        return QBrush(QColor(0xe8, 0xe8, 0xe8));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return VersQt(LaGrille.Cellule(col, lig));
    case Qt::BackgroundRole: {
        const StyleCellule style = LaGrille.Style(col, lig);
        if (style.ParDefaut)
            return {};
        return QBrush(QColor::fromRgb(style.Fond));
    }
    case Qt::ForegroundRole: {
        const StyleCellule style = LaGrille.Style(col, lig);
        if (style.ParDefaut)
            return {};
        return QBrush(QColor::fromRgb(style.Encre));
    }
    case Qt::TextAlignmentRole: {
        const StyleCellule style = LaGrille.Style(col, lig);
        return static_cast<int>(Qt::AlignVCenter |
                                (style.Aligne == Alignement::Gauche ? Qt::AlignLeft : Qt::AlignHCenter));
    }
    default:
        return {};
    }
}

QVariant ModeleGrille::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return VersQt(LaGrille.Cellule(section + 1, 0));
    return VersQt(LaGrille.Cellule(0, section + LaGrille.FixedRows));
}

Qt::ItemFlags ModeleGrille::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void ModeleGrille::Rafraichit()
{
    if (!LaGrille.PrendChangement())
        return;
    const int lignes = LaGrille.GetRowCount() - LaGrille.FixedRows;
    const int colonnes = LaGrille.GetColCount() - 1;
    if (lignes > Lignes) {
        beginInsertRows(QModelIndex(), Lignes, lignes - 1);
        Lignes = lignes;
        endInsertRows();
    } else if (lignes < Lignes) {
        beginRemoveRows(QModelIndex(), lignes, Lignes - 1);
        Lignes = lignes;
        endRemoveRows();
    }
    if (colonnes > Colonnes) {
        beginInsertColumns(QModelIndex(), Colonnes, colonnes - 1);
        Colonnes = colonnes;
        endInsertColumns();
    } else if (colonnes < Colonnes) {
        beginRemoveColumns(QModelIndex(), colonnes, Colonnes - 1);
        Colonnes = colonnes;
        endRemoveColumns();
    }
    if (Lignes > 0 && Colonnes > 0)
        emit dataChanged(index(0, 0), index(Lignes - 1, Colonnes - 1));
    emit headerDataChanged(Qt::Horizontal, 0, Colonnes - 1);
    emit headerDataChanged(Qt::Vertical, 0, std::max(Lignes - 1, 0));
}

SelectionGrille::SelectionGrille(ModeleGrille* modele) : QItemSelectionModel(modele), Modele(modele) {}

void SelectionGrille::setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command)
{
    if (EnCours || !index.isValid()) {
        QItemSelectionModel::setCurrentIndex(index, command);
        return;
    }
    GrilleTexte& g = Modele->Grille();
    const int col = index.column() + 1;
    const int lig = index.row() + g.FixedRows;
    if (col == g.Col() && lig == g.Row()) {
        QItemSelectionModel::setCurrentIndex(index, command);
        return;
    }
    EnCours = true;
    const bool accepte = g.DeplaceVers(col, lig);
    Modele->Rafraichit();
    EnCours = false;
    if (accepte)
        Synchronise();
}

void SelectionGrille::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    // One cell at a time, and only the one the logic made current.
    GrilleTexte& g = Modele->Grille();
    const QModelIndex courante = Modele->index(g.Row() - g.FixedRows, g.Col() - 1);
    for (const QModelIndex& index : selection.indexes())
        if (index != courante)
            return;
    QItemSelectionModel::select(selection, command);
}

void SelectionGrille::Synchronise()
{
    GrilleTexte& g = Modele->Grille();
    const QModelIndex courante = Modele->index(g.Row() - g.FixedRows, g.Col() - 1);
    EnCours = true;
    QItemSelectionModel::setCurrentIndex(courante, QItemSelectionModel::ClearAndSelect);
    EnCours = false;
}

namespace {

// Keeps the corner label as large as the corner button.
class SuiviCoin : public QObject {
public:
    SuiviCoin(QLabel* label, QObject* parent) : QObject(parent), Label(label) {}
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Resize)
            Label->resize(static_cast<QWidget*>(objet)->size());
        return false;
    }

private:
    QLabel* Label;
};

} // namespace

void PoseTitreCoin(QTableView* vue, const QString& texte)
{
    auto* coin = vue->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (!coin)
        return;
    auto* label = coin->findChild<QLabel*>(QStringLiteral("TitreCoin"));
    if (!label) {
        label = new QLabel(coin);
        label->setObjectName(QStringLiteral("TitreCoin"));
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        coin->installEventFilter(new SuiviCoin(label, coin));
    }
    label->setText(texte.trimmed());
    vue->verticalHeader()->setMinimumWidth(vue->fontMetrics().horizontalAdvance(texte.trimmed()) + 16);
    label->resize(coin->size());
    label->show();
}

} // namespace Zent
