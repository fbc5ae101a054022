#include "ui/qt/VueTableTemps.h"

#include "ui/qt/Qt1252.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace Zent {

namespace {
constexpr int ColonneType = 2;
}

DelegueTableTemps::DelegueTableTemps(TTabGestTempsTirZent& table, VueTableTemps* vue)
    : QStyledItemDelegate(vue), Table(table), Vue(vue)
{
}

QWidget* DelegueTableTemps::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int col = index.column() + Table.FixedCols;
    const int lig = index.row() + Table.FixedRows;
    Table.GetEditText(col, lig);
    Table.EditorMode = true;
    if (col == ColonneType) {
        auto* liste = new QComboBox(parent);
        for (const std::string& item : Table.ListeDeroulante().Items)
            liste->addItem(VersQt(item));
        liste->setCurrentIndex(Table.ListeDeroulante().Index);
        connect(liste, qOverload<int>(&QComboBox::activated), this, [this, liste](int item) {
            Table.ChoixListeDeroulante(item);
            emit const_cast<DelegueTableTemps*>(this)->closeEditor(liste, QAbstractItemDelegate::NoHint);
            Vue->Rafraichit();
        });
        QTimer::singleShot(0, liste, [liste] { liste->showPopup(); });
        return liste;
    }
    auto* edition = new QLineEdit(parent);
    edition->setFrame(false);
    edition->installEventFilter(const_cast<DelegueTableTemps*>(this));
    connect(edition, &QLineEdit::textEdited, this, [this, col, lig](const QString& texte) {
        Table.SetEditText(col, lig, DepuisQt(texte));
    });
    return edition;
}

void DelegueTableTemps::setEditorData(QWidget* editeur, const QModelIndex& index) const
{
    if (auto* edition = qobject_cast<QLineEdit*>(editeur))
        edition->setText(VersQt(Table.Cellule(index.column() + Table.FixedCols, index.row() + Table.FixedRows)));
}

// The logic holds the text already (textEdited) and applies it itself.
void DelegueTableTemps::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

bool DelegueTableTemps::eventFilter(QObject* objet, QEvent* evenement)
{
    auto* edition = qobject_cast<QLineEdit*>(objet);
    if (!edition)
        return QStyledItemDelegate::eventFilter(objet, evenement);

    if (evenement->type() == QEvent::FocusOut) {
        const auto raison = static_cast<QFocusEvent*>(evenement)->reason();
        // A message box or a menu taking the focus is not the user leaving.
        if (raison != Qt::PopupFocusReason && raison != Qt::ActiveWindowFocusReason) {
            QTimer::singleShot(0, Vue, [vue = Vue] {
                vue->Table().Exit();
                vue->Rafraichit();
            });
        }
        return false;
    }
    if (evenement->type() != QEvent::KeyPress)
        return false;

    auto* touche = static_cast<QKeyEvent*>(evenement);
    const bool pave = (touche->modifiers() & Qt::KeypadModifier) &&
                      (touche->key() == Qt::Key_Period || touche->key() == Qt::Key_Comma);
    Table.KeyDown(pave ? ToucheBas::PaveDecimal : ToucheBas::Autre);

    if (touche->key() == Qt::Key_Escape) {
        Table.AnnuleSaisie();
        emit closeEditor(edition, QAbstractItemDelegate::RevertModelCache);
        Vue->Rafraichit();
        return true;
    }
    char c = 0;
    if (!CaractereDeTouche(touche, c))
        return false; // arrows, Home, Delete: the editor's own business
    const char avant = c;
    Table.KeyPress(c);
    if (c == 0)
        return true;
    if (avant == ToucheTab || avant == ToucheEntree) {
        const auto suite = touche->key() == Qt::Key_Backtab ? QAbstractItemDelegate::EditPreviousItem
                           : avant == ToucheTab               ? QAbstractItemDelegate::EditNextItem
                                                              : QAbstractItemDelegate::NoHint;
        Table.EditorMode = false;
        emit closeEditor(edition, suite);
        Vue->Rafraichit();
        return true;
    }
    if (c != avant) { // the keypad's decimal key became the user's separator
        edition->insert(VersQt(std::string(1, c)));
        Table.SetEditText(Table.Col(), Table.Row(), DepuisQt(edition->text()));
        return true;
    }
    return false;
}

VueTableTemps::VueTableTemps(TTabGestTempsTirZent& table, QWidget* parent)
    : QTableView(parent), LaTable(table), LeModele(new ModeleGrille(table, this)), Selection(new SelectionGrille(LeModele))
{
    setModel(LeModele);
    setSelectionModel(Selection);
    setItemDelegate(new DelegueTableTemps(table, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsMovable(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    const QFontMetrics mesure = fontMetrics();
    LaTable.LargeurTexte = [mesure](const std::string& t) { return mesure.horizontalAdvance(VersQt(t)) + 12; };
    LaTable.ActulaiserAffichage();
    LeModele->Rafraichit();
    Rafraichit();
}

QWidget* VueTableTemps::Editeur() const { return indexWidget(currentIndex()); }

void VueTableTemps::Rafraichit()
{
    LeModele->Rafraichit();
    for (int c = LaTable.FixedCols; c < LaTable.GetColCount() - 1; ++c)
        setColumnWidth(c - LaTable.FixedCols, LaTable.LargeurColonne(c));
    Selection->Synchronise();
    PoseTitreCoin(this, VersQt(LaTable.Cellule(0, 0)));
}

} // namespace Zent
