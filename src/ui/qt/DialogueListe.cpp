#include "ui/qt/DialogueListe.h"

#include "ui/qt/Qt1252.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Zent {

DialogueListe::DialogueListe(TDilogueAfficheListe& logique, QWidget* parent) : QDialog(parent), Logique(logique)
{
    CheckErreur = new QCheckBox(this);
    CheckWarning = new QCheckBox(this);
    ButtonFermer = new QPushButton(this);
    ListeBox = new QListWidget(this);
    ListeBox->setSelectionMode(QAbstractItemView::SingleSelection);
    ListeBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* ligne = new QHBoxLayout;
    ligne->addStretch();
    ligne->addWidget(CheckErreur);
    ligne->addStretch();
    ligne->addWidget(CheckWarning);
    ligne->addStretch();
    ligne->addWidget(ButtonFermer);
    ligne->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(ligne);
    colonne->addWidget(ListeBox, 1);
    connect(ButtonFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(CheckErreur, &QCheckBox::clicked, this, [this](bool coche) {
        Logique.CheckErreurClick(coche);
        Actualise();
    });
    connect(CheckWarning, &QCheckBox::clicked, this, [this](bool coche) {
        Logique.CheckWarningClick(coche);
        Actualise();
    });
    resize(720, 360);
    setMinimumSize(480, 240);
}

void DialogueListe::Actualise()
{
    const auto textes = TDilogueAfficheListe::Textes(Logique.GetLangue());
    setWindowTitle(VersQt(textes.Titre));
    CheckErreur->setText(VersQt(textes.CheckErreur));
    CheckWarning->setText(VersQt(textes.CheckWarning));
    ButtonFermer->setText(VersQt(textes.Fermer));
    CheckErreur->setEnabled(Logique.ErreursActives());
    CheckErreur->setChecked(Logique.ErreursCochees());
    CheckWarning->setEnabled(Logique.AvertissementsActifs());
    CheckWarning->setChecked(Logique.AvertissementsCoches());
    ListeBox->clear();
    for (const std::string& texte : Logique.Contenu())
        ListeBox->addItem(VersQt(texte));
}

} // namespace Zent
