#include "ui/qt/DialoguePort.h"

#include "ui/qt/Qt1252.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Zent {

DialoguePort::DialoguePort(TConfPort& selecteur, Messages& messages, QWidget* parent)
    : QDialog(parent), Selecteur(selecteur), Msg(messages), Groupe(new QGroupBox(this)), Boutons(new QButtonGroup(this))
{
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::WindowStaysOnTopHint);
    const auto t = selecteur.LesTextes();
    setWindowTitle(VersQt(t.Titre));
    Groupe->setTitle(VersQt(t.Groupe));
    new QGridLayout(Groupe);
    Valider = new QPushButton(VersQt(t.Valider), this);
    Recherche = new QPushButton(VersQt(t.Recherche), this);
    Valider->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(Valider);
    boutons->addWidget(Recherche);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(10, 10, 10, 10);
    colonne->addWidget(Groupe);
    colonne->addSpacing(10);
    colonne->addLayout(boutons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(Valider, &QPushButton::clicked, this, [this] {
        Selecteur.ValidationClick(Boutons->checkedId());
        accept();
    });
    connect(Recherche, &QPushButton::clicked, this, [this] {
        if (!Selecteur.RecherchePorts()) {
            Msg.Affiche(GenreMessage::Erreur, Selecteur.LesTextes().PasDePort, Zent::Boutons::Ok);
            reject();
            return;
        }
        Remplit();
    });
}

void DialoguePort::Remplit()
{
    for (QAbstractButton* b : Boutons->buttons()) {
        Boutons->removeButton(b);
        delete b;
    }
    auto* grille = static_cast<QGridLayout*>(Groupe->layout());
    const auto& labels = Selecteur.ListePorts();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        auto* bouton = new QRadioButton(VersQt(labels[i]), Groupe);
        bouton->setMinimumWidth(150);
        Boutons->addButton(bouton, static_cast<int>(i));
        // Columns of ten, as many as needed.
        grille->addWidget(bouton, static_cast<int>(i % 10), static_cast<int>(i / 10));
    }
    if (QAbstractButton* choisi = Boutons->button(Selecteur.IndexPortChoisi()))
        choisi->setChecked(true);
}

bool DialoguePort::Montre()
{
    if (!Selecteur.RecherchePorts()) {
        Msg.Affiche(GenreMessage::Erreur, Selecteur.LesTextes().PasDePort, Zent::Boutons::Ok);
        return false;
    }
    Remplit();
    exec();
    return true;
}

} // namespace Zent
