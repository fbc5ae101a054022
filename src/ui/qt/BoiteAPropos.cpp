#include "ui/qt/BoiteAPropos.h"

#include "ui/qt/Qt1252.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace Zent {

namespace {

constexpr const char* Site = "https://www.zentora-pyro.example";
constexpr const char* Mail = "contact@zentora-pyro.example";

// A drawn picture: a burst over a night sky.
QPixmap Image()
{
    QPixmap image(170, 170);
    image.fill(QColor(0x12, 0x1a, 0x3a));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(85, 75);
    const QColor couleurs[] = {QColor(0xff, 0xc8, 0x3d), QColor(0xff, 0x5e, 0x5e), QColor(0x7e, 0xe0, 0xff)};
    for (int i = 0; i < 24; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 15.0);
        p.setPen(QPen(couleurs[i % 3], 2));
        p.drawLine(QPointF(12, 0), QPointF(i % 2 ? 55 : 45, 0));
        p.setBrush(couleurs[i % 3]);
        p.drawEllipse(QPointF(i % 2 ? 58 : 48, 0), 2.5, 2.5);
        p.restore();
    }
    p.setPen(QPen(QColor(0xff, 0xe0, 0x90), 2));
    p.drawLine(QPointF(85, 165), QPointF(85, 95));
    return image;
}

QLabel* Lien(const QString& texte, const QUrl& cible, QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(cible.toString(), texte.toHtmlEscaped()), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, parent, [](const QString& lien) { QDesktopServices::openUrl(QUrl(lien)); });
    return label;
}

} // namespace

BoiteAPropos::BoiteAPropos(Langue l, const QString& version, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(VersQt(TexteBilingue{"A propos", "About"}.Selon(l)));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* colonne = new QVBoxLayout(this);
    auto* image = new QLabel(this);
    image->setPixmap(Image());
    image->setAlignment(Qt::AlignCenter);
    colonne->addWidget(image);

    const auto centre = [this, colonne](const QString& texte, int taille = 0, bool gras = false, bool italique = false) {
        auto* label = new QLabel(texte, this);
        label->setAlignment(Qt::AlignCenter);
        QFont police = label->font();
        if (taille > 0)
            police.setPointSize(taille);
        police.setBold(gras);
        police.setItalic(italique);
        label->setFont(police);
        colonne->addWidget(label);
        return label;
    };
    centre(QStringLiteral("Zentora Suite"), 16, true)->setObjectName(QStringLiteral("LabelProductName"));
    centre(QStringLiteral("Version ") + (version.isEmpty() ? QStringLiteral("1.0") : version))
        ->setObjectName(QStringLiteral("LabelVersion"));
    centre(VersQt(TexteBilingue{"Programme de gestion de l'Zentora", "Zentora Control Program"}.Selon(l)));
    colonne->addSpacing(8);
    centre(QStringLiteral("Zentora Pyrotechnie"), 16, true, true);
    centre(QStringLiteral("12 rue des Artificiers"));
    centre(QStringLiteral("69000 Lyon"));
    centre(VersQt(TexteBilingue{"France", "France"}.Selon(l)));
    centre(QStringLiteral("T\u00e9l. +33 4 00 00 00 00"));
    centre(QStringLiteral("Fax +33 4 00 00 00 01"));
    colonne->addWidget(Lien(QString::fromLatin1(Site), QUrl(QString::fromLatin1(Site)), this));
    colonne->addWidget(Lien(QString::fromLatin1(Mail), QUrl(QStringLiteral("mailto:") + QString::fromLatin1(Mail)), this));

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    colonne->addWidget(boutons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace Zent
