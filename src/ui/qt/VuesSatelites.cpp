#include "ui/qt/VuesSatelites.h"

#include "ui/qt/CadreSelecteur.h"
#include "ui/qt/Qt1252.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTimer>

namespace Zent {

namespace {

void RegleVue(QTableView* vue)
{
    vue->setSelectionMode(QAbstractItemView::SingleSelection);
    vue->setSelectionBehavior(QAbstractItemView::SelectItems);
    vue->setTabKeyNavigation(false);
    vue->setWordWrap(false);
    vue->horizontalHeader()->setSectionsMovable(false);
    vue->horizontalHeader()->setStretchLastSection(true);
    vue->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    vue->verticalHeader()->setDefaultSectionSize(vue->fontMetrics().height() + 8);
    vue->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

// The description editor of the output table.
class DelegueDescription : public QStyledItemDelegate {
public:
    DelegueDescription(VueTableSatelite* vue) : QStyledItemDelegate(vue), Vue(vue) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        TTableauLigneSatelite& t = Vue->Table();
        const int col = index.column() + 1;
        const int lig = index.row() + t.FixedRows;
        t.GetEditText(col, lig);
        auto* edition = new QLineEdit(parent);
        edition->setFrame(false);
        edition->installEventFilter(const_cast<DelegueDescription*>(this));
        connect(edition, &QLineEdit::textEdited, edition,
                [&t, col, lig](const QString& texte) { t.SetEditText(col, lig, DepuisQt(texte)); });
        return edition;
    }
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override
    {
        TTableauLigneSatelite& t = Vue->Table();
        static_cast<QLineEdit*>(editeur)->setText(VersQt(t.Cellule(index.column() + 1, index.row() + t.FixedRows)));
    }
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        auto* edition = qobject_cast<QLineEdit*>(objet);
        TTableauLigneSatelite& t = Vue->Table();
        if (!edition)
            return false;
        if (evenement->type() == QEvent::FocusOut) {
            const auto raison = static_cast<QFocusEvent*>(evenement)->reason();
            if (raison != Qt::PopupFocusReason && raison != Qt::ActiveWindowFocusReason)
                QTimer::singleShot(0, Vue, [vue = Vue] {
                    vue->Table().ValidationDonnee();
                    vue->Rafraichit();
                });
            return false;
        }
        if (evenement->type() != QEvent::KeyPress)
            return false;
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Escape) {
            t.AnnuleSaisie();
            emit closeEditor(edition, QAbstractItemDelegate::RevertModelCache);
            Vue->Rafraichit();
            return true;
        }
        const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter;
        if (!entree && touche != Qt::Key_Up && touche != Qt::Key_Down)
            return false;
        t.KeyDown(entree ? ToucheBas::Entree : touche == Qt::Key_Up ? ToucheBas::Haut : ToucheBas::Bas);
        const int ligne = t.Row() + (touche == Qt::Key_Up ? -1 : 1);
        t.EditorMode = false;
        emit closeEditor(edition, QAbstractItemDelegate::NoHint);
        if (ligne >= t.FixedRows && ligne < t.GetRowCount())
            t.DeplaceVers(t.Col(), ligne);
        Vue->Rafraichit();
        return true;
    }

private:
    VueTableSatelite* Vue;
};

} // namespace

VueAffectation::VueAffectation(TTabGestTirVoieSat& grille, QWidget* parent)
    : QTableView(parent), LaGrille(grille), LeModele(new ModeleGrille(grille, this)), Selection(new SelectionGrille(LeModele))
{
    setModel(LeModele);
    setSelectionModel(Selection);
    RegleVue(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setStretchLastSection(false);
    LeCadre = new CadreSelecteur(grille.Selecteur(), viewport());
    LeCadre->ApresChoix = [this] { Rafraichit(); };
    connect(LeCadre, &CadreSelecteur::FocusPerdu, this, [this] {
        LaGrille.TabVisuLigSatOnExit();
        Rafraichit();
    });
    grille.RectangleCellule = [this](int col, int lig) {
        const QRect r = visualRect(LeModele->index(lig - LaGrille.FixedRows, col - 1));
        return Rectangle{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    };
    Rafraichit();
}

void VueAffectation::Geometrie()
{
    LaGrille.LargeurClient = viewport()->width();
    LaGrille.HauteurClient = viewport()->height();
}

void VueAffectation::Rafraichit()
{
    LeModele->Rafraichit();
    Selection->Synchronise();
    for (int c = 1; c < LaGrille.GetColCount(); ++c)
        setColumnWidth(c - 1, std::max(90, fontMetrics().horizontalAdvance(VersQt(LaGrille.Cellule(c, 0))) + 24));
    PoseTitreCoin(this, VersQt(LaGrille.Cellule(0, 0)));
    LeCadre->Actualise();
}

void VueAffectation::OuvreSelecteur()
{
    Geometrie();
    LaGrille.EditorMode = true;
    LaGrille.GetEditText(LaGrille.Col(), LaGrille.Row());
    Rafraichit();
}

void VueAffectation::keyPressEvent(QKeyEvent* evenement)
{
    char c = 0;
    if (!CaractereDeTouche(evenement, c)) {
        QTableView::keyPressEvent(evenement); // arrows move through the selection hook
        return;
    }
    Geometrie();
    LaGrille.KeyPress(c);
    Rafraichit();
}

void VueAffectation::mousePressEvent(QMouseEvent* evenement)
{
    QTableView::mousePressEvent(evenement);
    LaGrille.Click();
    Rafraichit();
}

void VueAffectation::mouseDoubleClickEvent(QMouseEvent* evenement)
{
    QTableView::mouseDoubleClickEvent(evenement);
    if (currentIndex().isValid())
        OuvreSelecteur();
}

VueTableSatelite::VueTableSatelite(TTableauLigneSatelite& table, QWidget* parent)
    : QTableView(parent), LaTable(table), LeModele(new ModeleGrille(table, this)), Selection(new SelectionGrille(LeModele))
{
    setModel(LeModele);
    setSelectionModel(Selection);
    RegleVue(this);
    setItemDelegate(new DelegueDescription(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    Rafraichit();
}

void VueTableSatelite::Rafraichit()
{
    LeModele->Rafraichit();
    Selection->Synchronise();
    setColumnWidth(0, std::max(80, fontMetrics().horizontalAdvance(VersQt(LaTable.Cellule(1, 0))) + 24));
    PoseTitreCoin(this, VersQt(LaTable.Cellule(0, 0)));
}

} // namespace Zent
