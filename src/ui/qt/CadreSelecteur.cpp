#include "ui/qt/CadreSelecteur.h"

#include "ui/qt/Qt1252.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace Zent {

namespace {

constexpr int HautImage = 56;

// A plain module face: a grey case with its screws, a status lamp and the
// output connector strip; the board of numbers is drawn over it.
QPixmap FaceModule()
{
    QPixmap image(319, 229);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(0x4a, 0x4f, 0x57));
    p.setPen(QPen(QColor(0x2b, 0x2e, 0x33), 3));
    p.setBrush(QColor(0x6b, 0x71, 0x7a));
    p.drawRoundedRect(QRectF(4, 4, 311, 221), 10, 10);
    p.setBrush(QColor(0xb8, 0xbc, 0xc2));
    for (QPointF vis : {QPointF(14, 14), QPointF(305, 14), QPointF(14, 215), QPointF(305, 215)})
        p.drawEllipse(vis, 4, 4);
    p.setBrush(QColor(0x2b, 0x2e, 0x33));
    p.drawRect(QRectF(12, 190, 295, 22));
    p.setBrush(QColor(0xd9, 0xa4, 0x41));
    for (int i = 0; i < 15; ++i)
        p.drawRect(QRectF(18 + i * 19.0, 195, 10, 12));
    p.setBrush(QColor(0x4c, 0xd1, 0x64));
    p.drawEllipse(QPointF(292, 180), 5, 5);
    return image;
}

} // namespace

CadreSelecteur::CadreSelecteur(TTabSelectLigneSateite& logique, QWidget* parent)
    : QFrame(parent), Logique(logique), MenuPopup(new QMenu(this))
{
    setFixedSize(TTabSelectLigneSateite::Largeur, TTabSelectLigneSateite::Hauteur);
    setObjectName(QStringLiteral("CadreSelecteur"));
    // Inside an item view's viewport the palette is not what paints: a style
    // sheet gives the yellow frame and the blue title for sure.
    setStyleSheet(QStringLiteral("#CadreSelecteur { background: yellow; border: 1px solid #404040; }"
                                 "QLabel#TitreSelecteur { background: blue; color: white; }"
                                 "QLabel { background: yellow; }"));
    setFocusPolicy(Qt::StrongFocus);

    Titre = new QLabel(this);
    Titre->setObjectName(QStringLiteral("TitreSelecteur"));
    Titre->setGeometry(0, 0, width(), 20);
    Titre->setAlignment(Qt::AlignCenter);
    QFont police = Titre->font();
    police.setPixelSize(13);
    Titre->setFont(police);
    Nom = new QLabel(this);
    Nom->setGeometry(0, 20, width(), 16);
    Nom->setAlignment(Qt::AlignCenter);
    Voie = new QLabel(this);
    Tir = new QLabel(this);
    Image = new QLabel(this);
    Image->setPixmap(FaceModule());
    Image->setGeometry(0, HautImage, 319, TTabSelectLigneSateite::Hauteur - HautImage);
    LePlateau = new PlateauSorties(logique, this);
    LePlateau->move(15, HautImage + 15);
    LePlateau->raise();
    hide();
}

QRect CadreSelecteur::RectCase(int c, int r) const
{
    return QRect(LePlateau->pos() + QPoint(c * PlateauSorties::LargeurCase, r * LePlateau->HauteurCase()),
                 QSize(PlateauSorties::LargeurCase, LePlateau->HauteurCase()));
}

void CadreSelecteur::Actualise()
{
    const auto t = Logique.Textes();
    Titre->setText(VersQt(t.Titre));
    Nom->setText(VersQt(t.Nom));
    Voie->setText(VersQt(t.Voie));
    Tir->setText(VersQt(t.Tir));
    Voie->adjustSize();
    Tir->adjustSize();
    const int g = (width() - Voie->width() - Tir->width()) / 3;
    Voie->move(g, 20 + 16 + 2);
    Tir->move(Voie->x() + Voie->width() + g, Voie->y());
    move(Logique.Gauche, Logique.Haut);
    LePlateau->update();
    if (Logique.Visible && !isVisible()) {
        show();
        raise();
        setFocus(Qt::OtherFocusReason);
    } else if (!Logique.Visible && isVisible()) {
        hide();
    }
}

void CadreSelecteur::contextMenuEvent(QContextMenuEvent* evenement)
{
    const auto items = Logique.ItemsMenu();
    MenuPopup->clear();
    const auto puis = [this](void (TTabSelectLigneSateite::*action)()) {
        return [this, action] {
            (Logique.*action)();
            if (ApresChoix)
                ApresChoix();
        };
    };
    MenuPopup->addAction(VersQt(items.Aucune), this, puis(&TTabSelectLigneSateite::PopUpAucuneLigneClick));
    if (items.SelectionVisible)
        MenuPopup->addAction(VersQt(items.Selection), this, puis(&TTabSelectLigneSateite::PopUpFermerClick));
    MenuPopup->addAction(VersQt(items.Fermer), this, puis(&TTabSelectLigneSateite::PopUpFermerClick));
    MenuPopup->addAction(VersQt(items.Annuler), this, puis(&TTabSelectLigneSateite::PopUpFermerClick));
    MenuPopup->exec(evenement->globalPos());
}

void CadreSelecteur::focusOutEvent(QFocusEvent* evenement)
{
    QFrame::focusOutEvent(evenement);
    // The popup menu and the board keep the picker open.
    if (evenement->reason() != Qt::PopupFocusReason && !isAncestorOf(QApplication::focusWidget()))
        emit FocusPerdu();
}

PlateauSorties::PlateauSorties(TTabSelectLigneSateite& logique, CadreSelecteur* cadre)
    : QWidget(cadre), Logique(logique), Cadre(cadre)
{
    QFont police = font();
    police.setPointSize(8);
    setFont(police);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(LargeurCase * TTabSelectLigneSateite::ColonnesPlateau, HauteurCase() * TTabSelectLigneSateite::LignesPlateau);
}

int PlateauSorties::HauteurCase() const { return static_cast<int>(1.5 * fontMetrics().height()); }

QPoint PlateauSorties::CentreCase(int c, int r) const
{
    return QPoint(c * LargeurCase + LargeurCase / 2, r * HauteurCase() + HauteurCase() / 2);
}

void PlateauSorties::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int h = HauteurCase();
    for (int r = 0; r < TTabSelectLigneSateite::LignesPlateau; ++r) {
        for (int c = 0; c < TTabSelectLigneSateite::ColonnesPlateau; ++c) {
            const QRect cellule(c * LargeurCase, r * h, LargeurCase, h);
            const auto couleurs = Logique.CouleursCase(c, r);
            p.fillRect(cellule, QColor::fromRgb(couleurs.Fond));
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.drawRect(cellule.adjusted(0, 0, -1, -1));
            p.setPen(QColor::fromRgb(couleurs.Encre));
            p.drawText(cellule, Qt::AlignCenter, QString::number(TTabSelectLigneSateite::SortieDeCase(c, r)));
        }
    }
}

bool PlateauSorties::CaseSous(const QPoint& point, int& c, int& r) const
{
    c = point.x() / LargeurCase;
    r = point.y() / HauteurCase();
    return point.x() >= 0 && point.y() >= 0 && c < TTabSelectLigneSateite::ColonnesPlateau &&
           r < TTabSelectLigneSateite::LignesPlateau;
}

void PlateauSorties::mousePressEvent(QMouseEvent* evenement)
{
    int c = 0, r = 0;
    if (evenement->button() != Qt::LeftButton || !CaseSous(evenement->position().toPoint(), c, r))
        return;
    Logique.PlaceCaseCourante(c, r);
    update();
    Logique.TableauClick();
    if (Cadre->ApresChoix)
        Cadre->ApresChoix();
}

void PlateauSorties::mouseMoveEvent(QMouseEvent* evenement)
{
    int c = 0, r = 0;
    if (CaseSous(evenement->position().toPoint(), c, r))
        setCursor(Logique.CurseurNormal(c, r) ? Qt::ArrowCursor : Qt::ForbiddenCursor);
}

} // namespace Zent
