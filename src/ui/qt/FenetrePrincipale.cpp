#include "ui/qt/FenetrePrincipale.h"

#include "files/Configuration.h"
#include "ui/core/PorteTransfert.h"
#include "ui/qt/BoiteAPropos.h"
#include "ui/qt/DialogueListe.h"
#include "ui/qt/DialoguesFichier.h"
#include "ui/qt/DialoguesSatelite.h"
#include "ui/qt/DialoguePort.h"
#include "ui/qt/FenetreDocument.h"
#include "ui/qt/Qt1252.h"
#include "ui/qt/VueTableTemps.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace Zent {

namespace {

struct TexteAction {
    TexteBilingue caption;
    TexteBilingue hint; // "short|long", or one text for both; empty: the caption
};

constexpr TexteBilingue Vide{"", ""};

// Indexed by Action.
const TexteAction TextesActions[] = {
    {{"&Nouveau", "&New"}, {"Nouveau programme|Nouveau", "New File|New "}},
    {{"&Ouvrir...", "&Open..."}, {"Ouvrir programme|Ouvrir", "Open file|File "}},
    {{"&Enregistrer", "&Save"}, {"Enregistrer programme|Enregistrer", "Save file|Save"}},
    {{"Enregistrer &sous...", "Save as..."}, Vide},
    {{"&Fermer", "Close"}, Vide},
    {{"&Configuration imprimante...", "Printer &settings "}, Vide},
    {{"&Imprimer", "&Print"}, Vide},
    {{"&Quitter", "&Exit"}, Vide},
    {{"&Défaire", "&Undo"}, {"&Défaire", "&Undo"}},
    {{"&Refaire", "&Redo"}, {"&Refaire", "&Redo"}},
    {{"&Couper", "&Cut"}, {"Supprime la sélection", "Remove the selection"}},
    {{"Co&pier", "Co&py"}, {"Copier", "Copy"}},
    {{"C&oller", "P&aste"}, {"Coller", "Paste"}},
    {{"&Supprimer le Tir", "Re&move the shot"},
     {"Supprime le tir (la ligne) dont une des cellules est selectionnée", "Delete the shot where one cell is selected"}},
    {{"&Insérer un Tir", "&Insert a shot"},
     {"Insertion d'un tir en dessous du tir selectionné.", "Inserting of a shot below the selected shot"}},
    {{"Créer une &Rafale", "Create a new &Burst"}, {"Lance le gestionnaire de rafale.", "Start the gust mode"}},
    {{"Ajout Satellite", "Add satellite"},
     {"Ajoute un satellite pour la gestion des voies et des tirs.",
      "Add a satellite for the management of the ways and shots"}},
    {{"Suppression Satellite", "Delete satellite"},
     {"Supprime un satellite pour la gestion des voies et des tirs.",
      "Delete a satellite for the management of the ways and shots"}},
    {{"&Configuration", "&Configuration"}, Vide},
    {{"Code &Secret du Tir", "&Firing password"}, Vide},
    {{"&Transfert du programme", "Program &Transfer"}, Vide},
    {{"&Verification du Programme", "&Check the program "}, Vide},
    {{"&Gestion des Listes de Satellites", "&List of serial numbers of satellites"},
     {"Gestion des numéros de série des satellites", "Management of the serial numbers of satellites"}},
    {{"Programmer Satellite", "Program satellite"},
     {"Permet de programmer le tableau des voies dans le satellite", "Allows to program the ways board in the satellite"}},
    {{"&Mosaïque", "&Mozaic"}, Vide},
    {{"&Cascade", "&Cascading"}, Vide},
    {{"&Tout réorganiser", "Reorganize All"}, Vide},
    {{"&A propos...", "&About..."}, Vide},
};
static_assert(std::size(TextesActions) == static_cast<std::size_t>(Action::NbActions));

const struct {
    const char* nom;
    TexteBilingue caption;
} TextesMenus[] = {
    {"FileMenu", {"&Fichier", "&File"}},         {"EditMenu", {"&Edition", "&Edit"}},
    {"ConnectionMenu", {"&Connexion", "&Connection"}}, {"OptionMenu", {"&Langage", "&Language"}},
    {"WindowItemMenu", {"Fe&nêtre", "&Window"}},  {"HelpMenu", {"&Aide", "&Help"}},
};

constexpr TexteBilingue FiltreOuvrir{"Fichier programme (*.tir *.TIR);;Fichier backup (*.bak *.BAK *.Bak)",
                                     "Program File (*.tir *.TIR);;Backup File(*.bak *.BAK *.Bak)"};
constexpr TexteBilingue FiltreEnregistrer{"Fichier programme (*.tir *.TIR)", "Program File (*.tir *.TIR)"};
constexpr TexteBilingue MsgInexistant{"Le fichier \"%s\" n'existe pas! \n\n\r Voulez vous le créer?",
                                      "The file \"%s\" does'nt exist! \n\n\r Would you create it?"};
constexpr TexteBilingue MsgExisteDeja{"Le fichier \"%s\" existe déjà! \n\n\r Voulez vous le remplacer?",
                                      "The File \"%s\" already exists! \n\n\r Do you want to replace it?"};
constexpr TexteBilingue MsgPasDisponible{"Cette commande n'est pas encore disponible.",
                                         "This command is not available yet."};
constexpr TexteBilingue MsgConfiguration{
    "Le fichier de configuration %s n'a pas pu être écrit.\n\rLa langue ne sera pas mémorisée.",
    "The configuration file %s could not be written.\n\rThe language will not be remembered."};

// Commands enabled by New and Open, and disabled again with the last document.
constexpr Action AvecDocument[] = {
    Action::Rafale, Action::InsererTir, Action::AjoutSatelite, Action::Imprimer, Action::ConfigImprimante,
    Action::EnregistrerSous, Action::Enregistrer, Action::Fermer, Action::Mosaique, Action::Cascade,
    Action::Reorganiser, Action::Transfert, Action::Verification,
};

} // namespace

FenetrePrincipale::FenetrePrincipale(Messages& messages, Sons& sons, DialoguesFichier& dialogues, char separateur)
    : Msg(messages), Sonore(sons), Dialogues(dialogues), Separateur(separateur), Mdi(new QMdiArea(this)),
      Selecteur(std::make_unique<TConfPort>(Source))
{
    setObjectName(QStringLiteral("MainForm"));
    Mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(Mdi);
    CreeActions();
    statusBar()->show();
    connect(Mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* fenetre) {
        // The document left behind takes over what was typed in it.
        if (Precedente && Precedente != fenetre) {
            Precedente->Document()->Document().FormDeactivate();
            Precedente->Document()->Rafraichit();
        }
        Precedente = dynamic_cast<SousFenetreDocument*>(fenetre);
        if (Precedente)
            Precedente->Document()->Document().FormActivate();
    });
    AppliqueTextes();
    EtatSansDocument();
    resize(1100, 720);
}

FenetrePrincipale::~FenetrePrincipale()
{
    // The documents go with the frame: nothing may react to their activation
    // or destruction while the children are half destroyed.
    disconnect(Mdi, nullptr, this, nullptr);
    for (QMdiSubWindow* f : Mdi->subWindowList())
        disconnect(f, nullptr, this, nullptr);
}

void FenetrePrincipale::CreeActions()
{
    for (std::size_t i = 0; i < Actions.size(); ++i) {
        Actions[i] = new QAction(this);
        Actions[i]->setObjectName(QStringLiteral("Action%1").arg(i));
    }
    const auto a = [this](Action action) { return Commande(action); };
    QStyle* s = style();
    const struct {
        Action action;
        QKeySequence touches;
        QIcon icone;
    } reglages[] = {
        {Action::Nouveau, QKeySequence::New, QIcon::fromTheme(QStringLiteral("document-new"), s->standardIcon(QStyle::SP_FileIcon))},
        {Action::Ouvrir, QKeySequence::Open, QIcon::fromTheme(QStringLiteral("document-open"), s->standardIcon(QStyle::SP_DialogOpenButton))},
        {Action::Enregistrer, QKeySequence::Save, QIcon::fromTheme(QStringLiteral("document-save"), s->standardIcon(QStyle::SP_DialogSaveButton))},
        {Action::EnregistrerSous, QKeySequence::SaveAs, {}},
        {Action::Fermer, QKeySequence::Close, {}},
        {Action::Imprimer, QKeySequence::Print, {}},
        {Action::Quitter, QKeySequence::Quit, {}},
        {Action::Annuler, QKeySequence(QStringLiteral("Ctrl+Z")), QIcon::fromTheme(QStringLiteral("edit-undo"), s->standardIcon(QStyle::SP_ArrowBack))},
        {Action::Refaire, QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QIcon::fromTheme(QStringLiteral("edit-redo"), s->standardIcon(QStyle::SP_ArrowForward))},
        {Action::SupprimerTir, {}, QIcon::fromTheme(QStringLiteral("list-remove"), s->standardIcon(QStyle::SP_DialogDiscardButton))},
        {Action::InsererTir, {}, QIcon::fromTheme(QStringLiteral("list-add"), s->standardIcon(QStyle::SP_FileDialogNewFolder))},
        {Action::Rafale, {}, QIcon::fromTheme(QStringLiteral("media-seek-forward"), s->standardIcon(QStyle::SP_MediaSeekForward))},
        {Action::AjoutSatelite, {}, QIcon::fromTheme(QStringLiteral("network-wireless"), s->standardIcon(QStyle::SP_DriveNetIcon))},
        {Action::SuppressionSatelite, {}, QIcon::fromTheme(QStringLiteral("edit-delete"), s->standardIcon(QStyle::SP_TrashIcon))},
        {Action::Verification, QKeySequence(QStringLiteral("F7")), {}},
    };
    for (const auto& r : reglages) {
        a(r.action)->setShortcut(r.touches);
        a(r.action)->setIcon(r.icone);
    }

    connect(a(Action::Nouveau), &QAction::triggered, this, [this] { FileNew(); });
    connect(a(Action::Ouvrir), &QAction::triggered, this, &FenetrePrincipale::FileOpen);
    connect(a(Action::Enregistrer), &QAction::triggered, this, &FenetrePrincipale::FileSave);
    connect(a(Action::EnregistrerSous), &QAction::triggered, this, &FenetrePrincipale::FileSaveAs);
    connect(a(Action::Fermer), &QAction::triggered, this, &FenetrePrincipale::FermeDocumentActif);
    connect(a(Action::Quitter), &QAction::triggered, this, &QWidget::close);
    connect(a(Action::Annuler), &QAction::triggered, this, [this] { SurDocument([](FenetreDocument& d) { d.Document().Annuler(); }); });
    connect(a(Action::Refaire), &QAction::triggered, this, [this] { SurDocument([](FenetreDocument& d) { d.Document().Refaire(); }); });
    connect(a(Action::SupprimerTir), &QAction::triggered, this,
            [this] { SurDocument([](FenetreDocument& d) { d.Document().TableTemps().SupprLigneSelect(); }); });
    connect(a(Action::InsererTir), &QAction::triggered, this,
            [this] { SurDocument([](FenetreDocument& d) { d.Document().TableTemps().InsertLigneApresSelect(); }); });
    connect(a(Action::Verification), &QAction::triggered, this,
            [this] { SurDocument([](FenetreDocument& d) { d.Document().AfficheVerification(); }); });
    connect(a(Action::Transfert), &QAction::triggered, this, [this] {
        FenetreDocument* d = DocumentActif();
        if (PorteTransfert(d ? &d->Document() : nullptr, Msg, Sonore, LangueCourante))
            PasEncoreDisponible();
    });
    connect(a(Action::AjoutSatelite), &QAction::triggered, this, &FenetrePrincipale::AjoutSatelite);
    connect(a(Action::SuppressionSatelite), &QAction::triggered, this, &FenetrePrincipale::SuppressionSatelite);
    connect(a(Action::ConfigurationPort), &QAction::triggered, this, [this] {
        Selecteur->SetLangue(LangueCourante);
        DialoguePort dialogue(*Selecteur, Msg, this);
        dialogue.Montre();
    });
    for (Action plusTard : {Action::ConfigImprimante, Action::Imprimer, Action::Rafale, Action::CodeSecret,
                            Action::ListesSatelites, Action::ProgrammerSatelite})
        connect(a(plusTard), &QAction::triggered, this, &FenetrePrincipale::PasEncoreDisponible);
    connect(a(Action::Mosaique), &QAction::triggered, Mdi, &QMdiArea::tileSubWindows);
    connect(a(Action::Cascade), &QAction::triggered, Mdi, &QMdiArea::cascadeSubWindows);
    connect(a(Action::Reorganiser), &QAction::triggered, this, &FenetrePrincipale::Reorganise);
    connect(a(Action::APropos), &QAction::triggered, this, &FenetrePrincipale::APropos);

    for (const auto& m : TextesMenus) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(m.nom));
        menu->setToolTipsVisible(true);
        Menus[QString::fromLatin1(m.nom)] = menu;
    }
    QMenu* fichier = Menus[QStringLiteral("FileMenu")];
    for (Action x : {Action::Nouveau, Action::Ouvrir, Action::Enregistrer, Action::EnregistrerSous, Action::Fermer})
        fichier->addAction(a(x));
    fichier->addSeparator();
    fichier->addAction(a(Action::ConfigImprimante));
    fichier->addAction(a(Action::Imprimer));
    fichier->addSeparator();
    fichier->addAction(a(Action::Quitter));
    QMenu* edition = Menus[QStringLiteral("EditMenu")];
    edition->addAction(a(Action::Annuler));
    edition->addAction(a(Action::Refaire));
    edition->addSeparator();
    for (Action x : {Action::Couper, Action::Copier, Action::Coller})
        edition->addAction(a(x));
    edition->addSeparator();
    for (Action x : {Action::SupprimerTir, Action::InsererTir, Action::Rafale, Action::AjoutSatelite, Action::SuppressionSatelite})
        edition->addAction(a(x));
    QMenu* connexion = Menus[QStringLiteral("ConnectionMenu")];
    for (Action x : {Action::ConfigurationPort, Action::CodeSecret, Action::Transfert, Action::Verification,
                     Action::ListesSatelites, Action::ProgrammerSatelite})
        connexion->addAction(a(x));
    QMenu* langage = Menus[QStringLiteral("OptionMenu")];
    auto* groupe = new QActionGroup(this);
    const char* noms[2] = {"Fr", "Uk"};
    const char* captions[2] = {"Français", "English"};
    for (int l = 0; l < 2; ++l) {
        QAction* item = langage->addAction(QString::fromUtf8(captions[l]));
        item->setObjectName(QString::fromLatin1(noms[l]));
        item->setCheckable(true);
        groupe->addAction(item);
        connect(item, &QAction::triggered, this, [this, l] { SetLangue(l); });
        ItemsLangue[static_cast<std::size_t>(l)] = item;
    }
    ItemsLangue[0]->setChecked(true);
    QMenu* fenetres = Menus[QStringLiteral("WindowItemMenu")];
    for (Action x : {Action::Mosaique, Action::Cascade, Action::Reorganiser})
        fenetres->addAction(a(x));
    Menus[QStringLiteral("HelpMenu")]->addAction(a(Action::APropos));

    Barre = addToolBar(QStringLiteral("Outils"));
    Barre->setObjectName(QStringLiteral("ToolBar"));
    Barre->setMovable(false);
    Barre->setIconSize(QSize(28, 28));
    for (Action x : {Action::Nouveau, Action::Ouvrir, Action::Enregistrer, Action::Annuler, Action::Refaire,
                     Action::SupprimerTir, Action::InsererTir, Action::Rafale, Action::AjoutSatelite,
                     Action::SuppressionSatelite})
        Barre->addAction(a(x));
}

void FenetrePrincipale::AppliqueTextes()
{
    setWindowTitle(VersQt(TexteBilingue{"Zentora Suite", "Zentora Suite"}.Selon(LangueCourante)));
    for (std::size_t i = 0; i < Actions.size(); ++i) {
        const TexteAction& t = TextesActions[i];
        const QString caption = VersQt(t.caption.Selon(LangueCourante));
        Actions[i]->setText(caption);
        QString hint = VersQt(t.hint.Selon(LangueCourante));
        if (hint.isEmpty())
            hint = QString(caption).remove(QLatin1Char('&')).trimmed();
        const qsizetype barre = hint.indexOf(QLatin1Char('|'));
        Actions[i]->setToolTip(QString(barre < 0 ? hint : hint.left(barre)).remove(QLatin1Char('&')));
        Actions[i]->setStatusTip(QString(barre < 0 ? hint : hint.mid(barre + 1)).remove(QLatin1Char('&')));
    }
    for (const auto& m : TextesMenus)
        Menus[QString::fromLatin1(m.nom)]->setTitle(VersQt(m.caption.Selon(LangueCourante)));
}

void FenetrePrincipale::SetLangue(Langue langue)
{
    if (!LangueValide(langue) || langue == LangueCourante) {
        ItemsLangue[static_cast<std::size_t>(LangueCourante)]->setChecked(true);
        return;
    }
    LangueCourante = langue;
    // A file that cannot be written is said, and the switch still completes.
    if (!FichierConfiguration.empty() && !EcritLangue(FichierConfiguration, langue))
        Msg.Affiche(GenreMessage::Erreur, Formate(MsgConfiguration.Selon(langue), {FichierConfiguration}), Boutons::Ok);
    AppliqueTextes();
    ItemsLangue[static_cast<std::size_t>(langue)]->setChecked(true);
    for (FenetreDocument* d : Documents())
        d->AppliqueLangue(langue);
}

void FenetrePrincipale::Active(Action action, bool active) { Commande(action)->setEnabled(active); }

void FenetrePrincipale::EtatSansDocument()
{
    for (Action x : AvecDocument)
        Active(x, false);
    for (Action x : {Action::Annuler, Action::Refaire, Action::Couper, Action::Copier, Action::Coller,
                     Action::SupprimerTir, Action::SuppressionSatelite, Action::ProgrammerSatelite})
        Active(x, false);
    Menus[QStringLiteral("EditMenu")]->setEnabled(false);
    for (Action x : {Action::ConfigurationPort, Action::CodeSecret, Action::ListesSatelites, Action::Nouveau,
                     Action::Ouvrir, Action::Quitter, Action::APropos})
        Active(x, true);
}

void FenetrePrincipale::EtatAvecDocument()
{
    for (Action x : AvecDocument)
        Active(x, true);
    Menus[QStringLiteral("EditMenu")]->setEnabled(true);
    Active(Action::ConfigurationPort, true);
}

std::vector<SousFenetreDocument*> FenetrePrincipale::SousFenetres() const
{
    // A closed window stays listed until its deferred destruction.
    std::vector<SousFenetreDocument*> fenetres;
    for (QMdiSubWindow* f : Mdi->subWindowList())
        if (auto* sous = dynamic_cast<SousFenetreDocument*>(f); sous && !sous->Fermee())
            fenetres.push_back(sous);
    return fenetres;
}

std::vector<FenetreDocument*> FenetrePrincipale::Documents() const
{
    std::vector<FenetreDocument*> documents;
    for (SousFenetreDocument* sous : SousFenetres())
        documents.push_back(sous->Document());
    return documents;
}

SousFenetreDocument* FenetrePrincipale::SousFenetreActive() const
{
    auto* active = dynamic_cast<SousFenetreDocument*>(Mdi->activeSubWindow());
    if (active && !active->Fermee())
        return active;
    const auto fenetres = SousFenetres();
    return fenetres.empty() ? nullptr : fenetres.front();
}

FenetreDocument* FenetrePrincipale::DocumentActif() const
{
    SousFenetreDocument* s = SousFenetreActive();
    return s ? s->Document() : nullptr;
}

FenetreDocument* FenetrePrincipale::DocumentDe(const TFenetreEnfant& document) const
{
    for (FenetreDocument* d : Documents())
        if (&d->Document() == &document)
            return d;
    return nullptr;
}

void FenetrePrincipale::SurDocument(const std::function<void(FenetreDocument&)>& commande)
{
    if (FenetreDocument* d = DocumentActif()) {
        commande(*d);
        d->Rafraichit();
    }
}

FenetreDocument* FenetrePrincipale::NouvelleFenetre(const QString& titre)
{
    auto* document = new FenetreDocument(Msg, Sonore, Separateur, this);
    document->Document().SetCaption(DepuisQt(titre));
    document->Document().AppliqueLangue(LangueCourante);
    document->AppliqueLangue(LangueCourante);
    document->setWindowTitle(titre);
    auto* sous = new SousFenetreDocument(document);
    Mdi->addSubWindow(sous);
    connect(sous, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (SousFenetres().empty())
                EtatSansDocument();
        });
    });
    Active(Action::SupprimerTir, false);
    Active(Action::ProgrammerSatelite, false);
    Active(Action::SuppressionSatelite, false);
    sous->showMaximized();
    document->Rafraichit();
    return document;
}

FenetreDocument* FenetrePrincipale::FileNew()
{
    EtatAvecDocument();
    FenetreDocument* d = NouvelleFenetre(QStringLiteral("NONAME%1").arg(SousFenetres().size() + 1));
    Active(Action::ProgrammerSatelite, false);
    return d;
}

void FenetrePrincipale::FileOpen()
{
    const QString nom = Dialogues.Ouvrir(this, VersQt(FiltreOuvrir.Selon(LangueCourante)));
    if (!nom.isEmpty())
        OuvreFichier(nom);
}

FenetreDocument* FenetrePrincipale::OuvreFichier(const QString& choisi)
{
    QString nom = choisi.trimmed();
    QFileInfo info(nom);
    if (info.suffix().isEmpty())
        nom += QStringLiteral(".tir");
    info = QFileInfo(nom);
    FenetreDocument* document = nullptr;
    if (info.exists()) {
        document = NouvelleFenetre(info.completeBaseName());
        document->Document().SetNomFichier(DepuisQt(info.absoluteFilePath()));
        if (!document->Document().LectureFichier(DepuisQt(info.absoluteFilePath()))) {
            // A refused file leaves no window behind (its modified flag is clear).
            for (SousFenetreDocument* s : SousFenetres())
                if (s->Document() == document)
                    s->close();
            return nullptr;
        }
        document->Rafraichit();
    } else {
        const std::string question = Formate(MsgInexistant.Selon(LangueCourante), {DepuisQt(info.fileName())});
        if (Msg.Affiche(GenreMessage::Confirmation, question, Boutons::OuiNon) != Reponse::Oui)
            return nullptr;
        document = NouvelleFenetre(info.completeBaseName());
        document->Document().SetNomFichier(DepuisQt(info.absoluteFilePath()));
    }
    EtatAvecDocument();
    TFenetreEnfant& d = document->Document();
    Active(Action::ProgrammerSatelite, !d.Satelites().EstVide());
    Active(Action::SuppressionSatelite, d.SuppressionSatPossible());
    return document;
}

void FenetrePrincipale::FileSave() { Enregistre(DocumentActif(), false); }
void FenetrePrincipale::FileSaveAs() { Enregistre(DocumentActif(), true); }

void FenetrePrincipale::Enregistre(FenetreDocument* fenetre, bool sous)
{
    if (!fenetre)
        return;
    TFenetreEnfant& d = fenetre->Document();
    d.ValidationSaisies();
    if (!d.NomFichier().empty() && !sous) {
        d.EcritureFichier();
        fenetre->Rafraichit();
        return;
    }
    QString proposition = VersQt(d.NomFichier());
    if (proposition.isEmpty())
        proposition = VersQt(d.Titre().empty() ? d.Caption() : d.Titre());
    const QString choisi = Dialogues.Enregistrer(this, proposition, VersQt(FiltreEnregistrer.Selon(LangueCourante)));
    if (choisi.isEmpty()) {
        d.SetNomFichier(std::string());
        return;
    }
    const QFileInfo info(choisi);
    if (info.exists()) {
        const std::string question = Formate(MsgExisteDeja.Selon(LangueCourante), {DepuisQt(info.fileName())});
        if (Msg.Affiche(GenreMessage::Confirmation, question, Boutons::OkAnnuler) != Reponse::Ok)
            return;
    }
    // The writer keeps the replaced file as the backup.
    d.SetNomFichier(DepuisQt(info.absoluteFilePath()));
    d.EcritureFichier();
    fenetre->Rafraichit();
    if (SousFenetreDocument* s = SousFenetreActive(); s && s->Document() == fenetre)
        s->setWindowTitle(VersQt(d.Caption()));
}

void FenetrePrincipale::FermeDocumentActif()
{
    if (SousFenetreDocument* s = SousFenetreActive())
        s->close();
    if (SousFenetres().empty())
        Active(Action::SuppressionSatelite, false);
}

void FenetrePrincipale::NotifieFermeture(TFenetreEnfant&, ReponseFermeture reponse)
{
    // Message 1026: handled after the document's close event has returned.
    QTimer::singleShot(0, this, [this, reponse] { TraiteFermeture(reponse); });
}

void FenetrePrincipale::TraiteFermeture(ReponseFermeture reponse)
{
    if (reponse == ReponseFermeture::Enregistrer) {
        Enregistre(DocumentActif(), false);
        FermeDocumentActif();
    }
    if (reponse == ReponseFermeture::Annuler)
        FermetureEnCours = false;
    if (reponse != ReponseFermeture::Annuler && FermetureEnCours)
        QTimer::singleShot(0, this, &QWidget::close);
    // The commands go back to their no-document state when the last window
    // is destroyed (see NouvelleFenetre).
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement)
{
    const auto fenetres = SousFenetres();
    if (fenetres.empty()) {
        evenement->accept();
        return;
    }
    FermetureEnCours = true;
    evenement->ignore();
    fenetres.front()->close();
}

void FenetrePrincipale::ActiveCommande(CommandeDocument commande, bool active)
{
    switch (commande) {
    case CommandeDocument::Annuler: Active(Action::Annuler, active); break;
    case CommandeDocument::Refaire: Active(Action::Refaire, active); break;
    case CommandeDocument::SupprimerTir: Active(Action::SupprimerTir, active); break;
    case CommandeDocument::InsererTir: Active(Action::InsererTir, active); break;
    case CommandeDocument::SupprimerSatelite: Active(Action::SuppressionSatelite, active); break;
    case CommandeDocument::ProgrammerSatelite: Active(Action::ProgrammerSatelite, active); break;
    case CommandeDocument::Enregistrer: Active(Action::Enregistrer, active); break;
    }
}

void FenetrePrincipale::AfficheListeVerification(TFenetreEnfant& document)
{
    FenetreDocument* fenetre = DocumentDe(document);
    if (!fenetre)
        return;
    TDilogueAfficheListe& liste = fenetre->ListeVerification();
    liste.SetLangue(LangueCourante);
    liste.SetListeErreurs(&document.ListeErreurs());
    liste.SetListeAvertissements(&document.ListeAvertissements());
    auto* dialogue = fenetre->findChild<DialogueListe*>();
    if (!dialogue)
        dialogue = new DialogueListe(liste, fenetre);
    dialogue->Actualise();
    dialogue->exec();
}

void FenetrePrincipale::AjoutSatelite()
{
    SurDocument([this](FenetreDocument& fenetre) {
        fenetre.Document().ValidationSaisies();
        TDialogAjoutSatelite logique(Msg, Sonore);
        logique.SetLangue(LangueCourante);
        DialogueAjoutSatelite dialogue(this);
        FluxAjoutSatelite(fenetre.Document(), logique, dialogue, Msg, Sonore);
    });
}

void FenetrePrincipale::SuppressionSatelite()
{
    SurDocument([this](FenetreDocument& fenetre) {
        fenetre.Document().ValidationSaisies();
        TDialogSupressionSat logique;
        logique.SetLangue(LangueCourante);
        FluxSuppressionSatelite(fenetre.Document(), logique, [this](TDialogSupressionSat& l) {
            DialogueSuppressionSat dialogue(l, this);
            return dialogue.exec() == QDialog::Accepted;
        });
    });
}

void FenetrePrincipale::PasEncoreDisponible()
{
    Msg.Affiche(GenreMessage::Information, MsgPasDisponible.Selon(LangueCourante), Boutons::Ok);
}

void FenetrePrincipale::Reorganise()
{
    // Minimised documents in a row along the bottom of the frame.
    int x = 0;
    for (QMdiSubWindow* f : Mdi->subWindowList()) {
        if (!f->isMinimized())
            continue;
        f->move(x, Mdi->viewport()->height() - f->height());
        x += f->width();
    }
}

void FenetrePrincipale::APropos()
{
    BoiteAPropos boite(LangueCourante, TexteVersion, this);
    boite.exec();
}

} // namespace Zent
