#include "ui/qt/FenetreDocument.h"

#include "ui/qt/Qt1252.h"
#include "ui/qt/VueTableTemps.h"
#include "ui/qt/VuesSatelites.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace Zent {

namespace {

// Label above its field, as the labelled edits of the window.
QWidget* Etiquete(QLabel* label, QWidget* champ, QWidget* parent)
{
    auto* bloc = new QWidget(parent);
    auto* colonne = new QVBoxLayout(bloc);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    colonne->addWidget(label);
    colonne->addWidget(champ);
    label->setBuddy(champ);
    return bloc;
}

// Sends a key through a logic filter; true when the filter discarded it.
bool FiltreTouche(QKeyEvent* touche, const std::function<void(char&)>& filtre)
{
    char c = 0;
    if (!CaractereDeTouche(touche, c))
        return false;
    filtre(c);
    return c == 0;
}

} // namespace

FenetreDocument::FenetreDocument(Messages& messages, Sons& sons, char separateur, HoteDocument* hote, QWidget* parent)
    : QWidget(parent), Logique(std::make_unique<TFenetreEnfant>(messages, sons, separateur, hote))
{
    setMouseTracking(true);
    auto* racine = new QVBoxLayout(this);

    auto* haut = new QHBoxLayout;
    auto* champs = new QVBoxLayout;
    auto* entete = new QHBoxLayout;
    LabelTitre = new QLabel(this);
    LabelVersion = new QLabel(this);
    LabelNumSerie = new QLabel(this);
    Titre = new QLineEdit(this);
    Titre->setMaxLength(static_cast<int>(LongueurTitreMax));
    Titre->setMinimumWidth(fontMetrics().horizontalAdvance(QString(26, QLatin1Char('A'))));
    Version = new QLineEdit(this);
    Version->setMinimumWidth(Titre->minimumWidth() / 2);
    NumSerie = new QLineEdit(this);
    NumSerie->setMaxLength(static_cast<int>(LongueurNumSerieMax));
    NumSerie->setMinimumWidth(fontMetrics().horizontalAdvance(QString(11, QLatin1Char('A'))));
    NumSerie->installEventFilter(this);
    entete->addWidget(Etiquete(LabelTitre, Titre, this));
    entete->addSpacing(30);
    entete->addWidget(Etiquete(LabelVersion, Version, this));
    entete->addSpacing(30);
    entete->addWidget(Etiquete(LabelNumSerie, NumSerie, this));
    entete->addStretch();
    champs->addLayout(entete);

    auto* ligneSecours = new QHBoxLayout;
    TitreSecours = new QLabel(this);
    QFont gras = TitreSecours->font();
    gras.setBold(true);
    gras.setPointSize(12);
    TitreSecours->setFont(gras);
    ligneSecours->addWidget(TitreSecours, 0, Qt::AlignBottom);
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        LabelsSecours[i] = new QLabel(this);
        Secours[i] = new QLineEdit(this);
        Secours[i]->setMaxLength(static_cast<int>(LongueurVoieSecoursMax));
        Secours[i]->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        Secours[i]->installEventFilter(this);
        Hauts[i] = new QToolButton(this);
        Hauts[i]->setArrowType(Qt::UpArrow);
        Bas[i] = new QToolButton(this);
        Bas[i]->setArrowType(Qt::DownArrow);
        for (QToolButton* b : {Hauts[i], Bas[i]}) {
            b->setFixedSize(16, Secours[i]->sizeHint().height() / 2);
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
        }
        auto* fleches = new QVBoxLayout;
        fleches->setSpacing(0);
        fleches->addWidget(Hauts[i]);
        fleches->addWidget(Bas[i]);
        auto* champ = new QWidget(this);
        auto* ligne = new QHBoxLayout(champ);
        ligne->setContentsMargins(0, 0, 0, 0);
        ligne->setSpacing(1);
        ligne->addWidget(Secours[i]);
        ligne->addLayout(fleches);
        ligneSecours->addSpacing(12);
        ligneSecours->addWidget(Etiquete(LabelsSecours[i], champ, this));
        connect(Secours[i], &QLineEdit::textEdited, this,
                [this, k](const QString& t) { Logique->SecoursChange(k, DepuisQt(t)); });
        connect(Secours[i], &QLineEdit::editingFinished, this, [this] {
            Logique->LabelEditVoieSecourChange();
            RafraichitSecours();
        });
        connect(Hauts[i], &QToolButton::clicked, this, [this, k] { Fleche(k, SensFleche::Haut); });
        connect(Bas[i], &QToolButton::clicked, this, [this, k] { Fleche(k, SensFleche::Bas); });
    }
    ligneSecours->addStretch();
    champs->addLayout(ligneSecours);
    haut->addLayout(champs, 1);

    GroupePriorite = new QGroupBox(this);
    GroupeCreation = new QGroupBox(this);
    auto* groupePriorite = new QButtonGroup(this);
    auto* groupeCreation = new QButtonGroup(this);
    for (int item = 0; item < 2; ++item) {
        const auto i = static_cast<std::size_t>(item);
        ItemsPriorite[i] = new QRadioButton(GroupePriorite);
        ItemsCreation[i] = new QRadioButton(GroupeCreation);
        groupePriorite->addButton(ItemsPriorite[i], item);
        groupeCreation->addButton(ItemsCreation[i], item);
    }
    for (auto [boite, items] : {std::pair{GroupePriorite, ItemsPriorite}, std::pair{GroupeCreation, ItemsCreation}}) {
        auto* colonne = new QVBoxLayout(boite);
        colonne->addWidget(items[0]);
        colonne->addWidget(items[1]);
        haut->addSpacing(10);
        haut->addWidget(boite, 0, Qt::AlignVCenter);
    }
    connect(groupeCreation, &QButtonGroup::idClicked, this, [this](int item) { Logique->RadioGroupModeCreationClick(item); });
    connect(groupePriorite, &QButtonGroup::idClicked, this, [this](int item) { Logique->RadioGroupPrioriteClick(item); });
    haut->addSpacing(10);
    racine->addLayout(haut);

    BarreOnglets = new QTabBar(this);
    BarreOnglets->setExpanding(false);
    Pages = new QStackedWidget(this);
    VueTable = new VueTableTemps(Logique->TableTemps(), Pages);
    Pages->addWidget(VueTable);
    Pages->addWidget(new QWidget(Pages)); // the outputs view takes this place with the first satellite
    VueSatelite = new VueTableSatelite(Logique->TableSortiesSatelite(), Pages);
    Pages->addWidget(VueSatelite);
    racine->addWidget(BarreOnglets);
    racine->addWidget(Pages, 1);
    connect(BarreOnglets, &QTabBar::currentChanged, this, [this](int index) {
        if (MiseAJour || index < 0)
            return;
        Logique->ValidationSaisies();
        Logique->TabControlTableauChange(index);
        Rafraichit();
    });

    connect(Titre, &QLineEdit::textEdited, this, [this](const QString& t) { Logique->StringTitreChange(DepuisQt(t)); });
    connect(Version, &QLineEdit::textEdited, this, [this](const QString& t) { Logique->VersionChange(DepuisQt(t)); });
    connect(NumSerie, &QLineEdit::textEdited, this, [this](const QString& t) { Logique->NumeroSerieChange(DepuisQt(t)); });

    AppliqueTextes();
    Rafraichit();
}

FenetreDocument::~FenetreDocument() = default;

void FenetreDocument::Fleche(int k, SensFleche sens)
{
    const int position = Logique->PositionFleches(k) + (sens == SensFleche::Haut ? 1 : -1);
    Logique->UpDownVoieSecourChangingEx(k, position, sens);
    RafraichitSecours();
}

bool FenetreDocument::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objet, evenement);
    auto* touche = static_cast<QKeyEvent*>(evenement);
    if (objet == NumSerie)
        return FiltreTouche(touche, [this](char& c) { Logique->NumeroSerieKeyPress(c); });
    for (int k = 0; k < 4; ++k) {
        if (objet != Secours[static_cast<std::size_t>(k)])
            continue;
        if (touche->key() == Qt::Key_Up || touche->key() == Qt::Key_Down) {
            Fleche(k, touche->key() == Qt::Key_Up ? SensFleche::Haut : SensFleche::Bas);
            return true;
        }
        return FiltreTouche(touche, [this](char& c) { Logique->LabelEditVoieSecourKeyPress(c); });
    }
    return QWidget::eventFilter(objet, evenement);
}

void FenetreDocument::mouseMoveEvent(QMouseEvent* evenement)
{
    Logique->FormMouseMove();
    RafraichitSecours();
    VueTable->Rafraichit();
    QWidget::mouseMoveEvent(evenement);
}

void FenetreDocument::hideEvent(QHideEvent* evenement)
{
    Logique->FormHide();
    QWidget::hideEvent(evenement);
}

void FenetreDocument::AppliqueLangue(Langue langue)
{
    Logique->AppliqueLangue(langue);
    AppliqueTextes();
    Rafraichit();
}

void FenetreDocument::AppliqueTextes()
{
    const TextesFenetreEnfant t = TFenetreEnfant::Textes(Logique->GetLangue());
    LabelTitre->setText(VersQt(t.LabelTitre));
    Titre->setToolTip(VersQt(t.HintTitre));
    LabelVersion->setText(VersQt(t.LabelVersion));
    Version->setToolTip(VersQt(t.HintVersion));
    LabelNumSerie->setText(VersQt(t.LabelNumSerie));
    NumSerie->setToolTip(VersQt(t.HintNumSerie));
    TitreSecours->setText(VersQt(t.TitreSecours));
    for (std::size_t k = 0; k < 4; ++k) {
        LabelsSecours[k]->setText(VersQt(t.LabelsSecours[k]));
        Secours[k]->setToolTip(VersQt(t.HintsSecours[k]));
    }
    GroupeCreation->setTitle(VersQt(t.CaptionModeCreation));
    GroupePriorite->setTitle(VersQt(t.CaptionPriorite));
    GroupePriorite->setToolTip(VersQt(t.HintPriorite));
    for (std::size_t i = 0; i < 2; ++i) {
        ItemsCreation[i]->setText(VersQt(t.ItemsModeCreation[i]));
        ItemsPriorite[i]->setText(VersQt(t.ItemsPriorite[i]));
    }
}

void FenetreDocument::RafraichitSecours()
{
    for (int k = 0; k < 4; ++k) {
        QLineEdit* champ = Secours[static_cast<std::size_t>(k)];
        const QString texte = VersQt(Logique->TexteSecours(k));
        if (champ->text() != texte)
            champ->setText(texte);
    }
}

void FenetreDocument::RafraichitOnglets()
{
    MiseAJour = true;
    const auto& onglets = Logique->Onglets();
    while (BarreOnglets->count() > static_cast<int>(onglets.size()))
        BarreOnglets->removeTab(BarreOnglets->count() - 1);
    for (std::size_t i = 0; i < onglets.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index >= BarreOnglets->count())
            BarreOnglets->addTab(VersQt(onglets[i]));
        else
            BarreOnglets->setTabText(index, VersQt(onglets[i]));
    }
    if (!VueSorties && Logique->GrilleAffectation()) {
        VueSorties = new VueAffectation(*Logique->GrilleAffectation(), Pages);
        QWidget* attente = Pages->widget(1);
        Pages->insertWidget(1, VueSorties);
        Pages->removeWidget(attente);
        delete attente;
    }
    BarreOnglets->setCurrentIndex(Logique->OngletCourant());
    Pages->setCurrentIndex(std::min(Logique->OngletCourant(), 2));
    MiseAJour = false;
}

void FenetreDocument::Rafraichit()
{
    const auto metsTexte = [](QLineEdit* champ, const std::string& texte) {
        if (champ->text() != VersQt(texte))
            champ->setText(VersQt(texte));
    };
    metsTexte(Titre, Logique->Titre());
    metsTexte(Version, Logique->Version());
    metsTexte(NumSerie, Logique->NumeroSerie());
    RafraichitSecours();
    ItemsCreation[static_cast<std::size_t>(Logique->ModeCreation())]->setChecked(true);
    ItemsPriorite[static_cast<std::size_t>(Logique->Priorite())]->setChecked(true);
    RafraichitOnglets();
    VueTable->Rafraichit();
    if (VueSorties)
        VueSorties->Rafraichit();
    VueSatelite->Rafraichit();
    setWindowTitle(VersQt(Logique->Caption()));
}

SousFenetreDocument::SousFenetreDocument(FenetreDocument* document) : Contenu(document)
{
    setWidget(document);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document->windowTitle());
}

void SousFenetreDocument::closeEvent(QCloseEvent* evenement)
{
    Contenu->Document().ValidationSaisies();
    if (EstFermee || Contenu->Document().FormClose() == ReponseFermeture::Fermer) {
        EstFermee = true;
        evenement->accept();
    } else {
        evenement->ignore();
    }
}

} // namespace Zent
