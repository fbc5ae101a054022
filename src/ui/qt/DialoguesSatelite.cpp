#include "ui/qt/DialoguesSatelite.h"

#include "ui/qt/Qt1252.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Zent {

DialogueAjoutSatelite::DialogueAjoutSatelite(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    LabelNom = new QLabel(this);
    LabelNumSerie = new QLabel(this);
    Nom = new QLineEdit(this);
    Nom->setMinimumWidth(220);
    NumSerie = new QLineEdit(this);
    NumSerie->setMaxLength(10);
    NumSerie->installEventFilter(this);
    // Every new satellite starts without pre-bound outputs: the choice stays hidden.
    Soixantaine = new QComboBox(this);
    Soixantaine->setEnabled(false);
    Soixantaine->hide();
    Ok = new QPushButton(this);
    Ok->setDefault(true);
    Annuler = new QPushButton(this);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(LabelNom, Nom);
    formulaire->addRow(LabelNumSerie, NumSerie);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Annuler);
    boutons->addStretch();
    boutons->addWidget(Ok);
    boutons->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addLayout(boutons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(Annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(Ok, &QPushButton::clicked, this, [this] {
        if (!Logique)
            return;
        Logique->Nom = DepuisQt(Nom->text());
        Logique->NumSerie = DepuisQt(NumSerie->text());
        bool confirme = false;
        if (Logique->BitBtnOkClick(confirme))
            confirme ? accept() : reject();
    });
}

bool DialogueAjoutSatelite::Montre(TDialogAjoutSatelite& logique)
{
    Logique = &logique;
    const auto t = logique.LesTextes();
    setWindowTitle(VersQt(t.Titre));
    LabelNom->setText(VersQt(t.LabelNom));
    LabelNumSerie->setText(VersQt(t.LabelNumSerie));
    Ok->setText(VersQt(t.Ok));
    Annuler->setText(VersQt(t.Annuler));
    Soixantaine->clear();
    for (const auto& item : t.Items)
        Soixantaine->addItem(VersQt(item));
    Soixantaine->setCurrentIndex(logique.ItemSoixantaine);
    Soixantaine->setToolTip(VersQt(t.HintSoixantaine));
    // The values typed before stay when the dialog is shown again.
    Nom->setText(VersQt(logique.Nom));
    NumSerie->setText(VersQt(logique.NumSerie));
    return exec() == QDialog::Accepted;
}

bool DialogueAjoutSatelite::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != NumSerie || evenement->type() != QEvent::KeyPress || !Logique)
        return QDialog::eventFilter(objet, evenement);
    auto* touche = static_cast<QKeyEvent*>(evenement);
    char c = 0;
    if (!CaractereDeTouche(touche, c))
        return false;
    Logique->LabelEditNumSerieKeyPress(c);
    return c == 0;
}

DialogueSuppressionSat::DialogueSuppressionSat(TDialogSupressionSat& logique, QWidget* parent)
    : QDialog(parent), Logique(logique)
{
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::WindowStaysOnTopHint);
    const auto t = logique.LesTextes();
    setWindowTitle(VersQt(t.Titre));
    Noms = new QComboBox(this);
    Series = new QComboBox(this);
    for (const auto& n : logique.ItemsNoms())
        Noms->addItem(VersQt(n));
    for (const auto& n : logique.ItemsNumSerie())
        Series->addItem(VersQt(n));
    Supprimer = new QPushButton(VersQt(t.Supprimer), this);
    auto* annuler = new QPushButton(VersQt(t.Annuler), this);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(VersQt(t.LabelNom), Noms);
    formulaire->addRow(VersQt(t.LabelNumSerie), Series);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(annuler);
    boutons->addStretch();
    boutons->addWidget(Supprimer);
    boutons->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addLayout(boutons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(Supprimer, &QPushButton::clicked, this, &QDialog::accept);
    connect(Noms, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        Logique.ComboBoxNomSateliteSelect(i);
        Actualise();
    });
    connect(Series, qOverload<int>(&QComboBox::activated), this, [this](int i) {
        Logique.ComboBoxNumSerieSelect(i);
        Actualise();
    });
    Actualise();
}

void DialogueSuppressionSat::Actualise()
{
    Noms->setCurrentIndex(Logique.Index());
    Series->setCurrentIndex(Logique.Index());
    Supprimer->setEnabled(Logique.SupprimerActif());
}

} // namespace Zent
