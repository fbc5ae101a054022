#include "Application.h"

#include "files/Configuration.h"
#include "ui/qt/Qt1252.h"

#include "ui/qt/BoiteAPropos.h"
#include "ui/qt/DialogueListe.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>

using namespace Zent;
using namespace ZentTest;

namespace {

QString Racine() { return QStringLiteral(ZENTORA_SOURCE_DIR); }
QString Captures() { return QStringLiteral(ZENTORA_BINARY_DIR "/screenshots"); }

QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST_F(Application, StartsWithoutDocumentAndTheRightCommands)
{
    EXPECT_EQ(fenetre->windowTitle(), "Zentora Suite");
    EXPECT_FALSE(fenetre->Commande(Action::Enregistrer)->isEnabled());
    EXPECT_FALSE(fenetre->Commande(Action::Transfert)->isEnabled());
    EXPECT_TRUE(fenetre->Commande(Action::CodeSecret)->isEnabled());
    EXPECT_TRUE(fenetre->Commande(Action::ConfigurationPort)->isEnabled());
    EXPECT_EQ(fenetre->Commande(Action::Annuler)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(fenetre->Commande(Action::Refaire)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    EXPECT_EQ(fenetre->Commande(Action::Nouveau)->statusTip(), "Nouveau");
    EXPECT_EQ(fenetre->Commande(Action::Nouveau)->toolTip(), "Nouveau programme");
}

TEST_F(Application, TypingAShowIntoANewDocument)
{
    FenetreDocument* doc = fenetre->FileNew();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->windowTitle(), "NONAME1");
    EXPECT_TRUE(fenetre->Commande(Action::Enregistrer)->isEnabled());
    EXPECT_FALSE(fenetre->Commande(Action::ProgrammerSatelite)->isEnabled());

    ASSERT_TRUE(Va(1, 2)); // the entry row's channel cell appends shot 1
    EXPECT_EQ(doc->Document().Modele().GetNbTirs(), 2u);
    Tape(QStringLiteral("12"));
    EXPECT_EQ(doc->Document().Modele().Tir(1).Voie, 12);
    ASSERT_TRUE(Va(3, 2));
    Tape(QStringLiteral("2,5"), Qt::Key_Return);
    EXPECT_NEAR(doc->Document().Modele().Tir(1).Retard, 2.5, 1e-9);
    EXPECT_EQ(Cellule(5, 2), "2,5");
    EXPECT_TRUE(messages.affiches.empty()) << messages.Dernier();
    EXPECT_TRUE(doc->Document().FichierModifie());

    // The keypad's decimal key types the user's separator.
    ASSERT_TRUE(Va(4, 2));
    Table().setFocus();
    Touches(&Table(), QStringLiteral("3"));
    QTest::keyClick(Table().Editeur(), Qt::Key_Period, Qt::KeypadModifier);
    Touches(Table().Editeur(), QStringLiteral("5"));
    QTest::keyClick(Table().Editeur(), Qt::Key_Return);
    EXPECT_EQ(Cellule(4, 2), "3,5");

    // The type drop-down over column 2.
    ASSERT_TRUE(Va(2, 2));
    Table().edit(Table().currentIndex());
    auto* liste = qobject_cast<QComboBox*>(Table().Editeur());
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->currentIndex(), 0);
    liste->setCurrentIndex(1);
    emit liste->activated(1);
    Attend();
    EXPECT_FALSE(doc->Document().Modele().Tir(1).Manuel);
    EXPECT_EQ(Cellule(2, 2), "Automatique");
    EXPECT_EQ(Cellule(3, 2), "3,5");

    // A letter is refused with the warning sound and never reaches the cell.
    ASSERT_TRUE(Va(1, 2));
    Table().setFocus();
    QTest::keyClicks(&Table(), QStringLiteral("x"));
    EXPECT_FALSE(sons.joues.empty());

    // A refused channel restores its cell.
    ASSERT_TRUE(Va(1, 2));
    Tape(QStringLiteral("700"));
    EXPECT_EQ(Cellule(1, 2), "12");
    EXPECT_NE(messages.Dernier().find("700"), std::string::npos);
    EXPECT_EQ(doc->Document().Modele().Tir(1).Voie, 12);

    // Undo and redo through the commands.
    ASSERT_TRUE(fenetre->Commande(Action::Annuler)->isEnabled());
    fenetre->Commande(Action::Annuler)->trigger();
    EXPECT_EQ(doc->Document().Modele().Tir(1).Voie, 12); // the refused edit took the snapshot
    fenetre->Commande(Action::Refaire)->trigger();
    EXPECT_EQ(Cellule(1, 2), "12");
}

TEST_F(Application, UndoAndRedoOfATypedDelay)
{
    FenetreDocument* doc = fenetre->FileNew();
    ASSERT_TRUE(Va(1, 2));
    ASSERT_TRUE(Va(3, 2));
    Tape(QStringLiteral("4"));
    EXPECT_EQ(Cellule(4, 2), "4");
    fenetre->Commande(Action::Annuler)->trigger();
    EXPECT_EQ(Cellule(4, 2), "0");
    EXPECT_FALSE(fenetre->Commande(Action::Annuler)->isEnabled());
    EXPECT_TRUE(fenetre->Commande(Action::Refaire)->isEnabled());
    fenetre->Commande(Action::Refaire)->trigger();
    EXPECT_EQ(Cellule(4, 2), "4");
    EXPECT_NEAR(doc->Document().Modele().Tir(1).RetardAbsolu, 4.0, 1e-9);
}

TEST_F(Application, SaveAndReopen)
{
    FenetreDocument* doc = fenetre->FileNew();
    doc->ChampTitre()->setFocus();
    QTest::keyClicks(doc->ChampTitre(), QStringLiteral("Bal du 14"));
    ASSERT_TRUE(Va(1, 2));
    ASSERT_TRUE(Va(6, 2));
    Tape(QStringLiteral("Bombe \u00e9toil\u00e9e; 75"));

    // Save proposes the show name; the chosen name gets its file.
    dialogues.reponses.push_back(Chemin("bal.tir"));
    fenetre->Commande(Action::Enregistrer)->trigger();
    EXPECT_EQ(dialogues.propositions.value(0), "Bal du 14");
    EXPECT_FALSE(doc->Document().FichierModifie());
    EXPECT_EQ(doc->Document().Caption(), "bal");
    EXPECT_TRUE(Contenu(Chemin("bal.tir")).contains("Bombe \xE9toil\xE9" "e; 75"));

    FenetreDocument* relu = fenetre->OuvreFichier(Chemin("bal"));
    ASSERT_NE(relu, nullptr);
    EXPECT_EQ(relu->ChampTitre()->text(), "Bal du 14");
    EXPECT_EQ(Cellule(6, 2), QString::fromUtf8("Bombe \u00e9toil\u00e9e; 75"));
    EXPECT_EQ(fenetre->Documents().size(), 2u);

    // Save as over an existing file asks first; Cancel changes nothing.
    dialogues.reponses.push_back(Chemin("bal.tir"));
    messages.reponses.push_back(Reponse::Annuler);
    fenetre->Commande(Action::EnregistrerSous)->trigger();
    EXPECT_NE(messages.Dernier().find("existe déjà"), std::string::npos);
    EXPECT_FALSE(QFile::exists(Chemin("bal.Bak")));
    // A cancelled dialog leaves the document without a file name.
    fenetre->Commande(Action::EnregistrerSous)->trigger();
    EXPECT_TRUE(relu->Document().NomFichier().empty());
}

TEST_F(Application, OpeningMissingAndBrokenFiles)
{
    messages.reponses.push_back(Reponse::Non);
    EXPECT_EQ(fenetre->OuvreFichier(Chemin("absent")), nullptr);
    EXPECT_NE(messages.Dernier().find("absent.tir"), std::string::npos);
    EXPECT_TRUE(fenetre->Documents().empty());

    QFile casse(Chemin("casse.tir"));
    ASSERT_TRUE(casse.open(QIODevice::WriteOnly));
    casse.write("VersionFichier ; 3\nTypeAppareil ; Zentora\n");
    casse.close();
    EXPECT_EQ(fenetre->OuvreFichier(Chemin("casse.tir")), nullptr);
    EXPECT_TRUE(AttendQue([&] { return fenetre->Documents().empty(); }));
    EXPECT_TRUE(AttendQue([&] { return !fenetre->Commande(Action::Enregistrer)->isEnabled(); }));
}

TEST_F(Application, ClosingAsksAndCancelKeepsTheDocument)
{
    FenetreDocument* doc = fenetre->FileNew();
    doc->Document().TableauOnChange();
    messages.reponses.push_back(Reponse::Annuler);
    fenetre->Commande(Action::Fermer)->trigger();
    ASSERT_TRUE(AttendQue([&] { return !messages.affiches.empty(); }));
    ASSERT_EQ(fenetre->Documents().size(), 1u);
    EXPECT_EQ(messages.Dernier(), "Voulez-vous sauvegarder le fichier NONAME1 ?");

    messages.reponses.push_back(Reponse::Non);
    fenetre->Commande(Action::Fermer)->trigger();
    EXPECT_TRUE(AttendQue([&] { return fenetre->Documents().empty(); }));
    EXPECT_TRUE(AttendQue([&] { return !fenetre->Commande(Action::Transfert)->isEnabled(); }));

    // Yes saves, then closes.
    FenetreDocument* autre = fenetre->FileNew();
    autre->Document().TableauOnChange();
    messages.reponses.push_back(Reponse::Oui);
    dialogues.reponses.push_back(Chemin("garde.tir"));
    fenetre->Commande(Action::Fermer)->trigger();
    EXPECT_TRUE(AttendQue([&] { return fenetre->Documents().empty(); }));
    EXPECT_TRUE(QFile::exists(Chemin("garde.tir")));
}

TEST_F(Application, ExitWithTwoModifiedDocumentsAsksForEach)
{
    fenetre->FileNew()->Document().TableauOnChange();
    fenetre->FileNew()->Document().TableauOnChange();
    messages.reponses = {Reponse::Non, Reponse::Annuler};
    fenetre->close();
    EXPECT_TRUE(AttendQue([&] { return messages.affiches.size() == 2 && fenetre->Documents().size() == 1; }));
    Attend(); // the main window handles the cancel answer, queued, before the next exit
    EXPECT_EQ(fenetre->Documents().size(), 1u);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(messages.affiches.size(), 2u);

    messages.reponses = {Reponse::Non};
    fenetre->close();
    EXPECT_TRUE(AttendQue([&] { return fenetre->Documents().empty() && !fenetre->isVisible(); }));
    EXPECT_FALSE(fenetre->isVisible());
}

TEST_F(Application, NewDocumentNamesCountTheOpenOnes)
{
    fenetre->FileNew();
    fenetre->FileNew();
    fenetre->Zone()->subWindowList().first()->close();
    EXPECT_TRUE(AttendQue([&] { return fenetre->Zone()->subWindowList().size() == 1; }));
    EXPECT_EQ(fenetre->FileNew()->windowTitle(), "NONAME2");
}

TEST_F(Application, LanguageSwitchRewritesMenusDocumentsAndConfiguration)
{
    FenetreDocument* doc = fenetre->FileNew();
    fenetre->ItemLangue(Anglais)->trigger();
    EXPECT_EQ(fenetre->Commande(Action::Ouvrir)->text(), "&Open...");
    EXPECT_EQ(fenetre->menuBar()->actions().first()->text(), "&File");
    EXPECT_TRUE(fenetre->ItemLangue(Anglais)->isChecked());
    EXPECT_EQ(doc->Onglets()->tabText(0), "Time");
    EXPECT_EQ(Table().Modele()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8(" Way n\u00b0 "));
    EXPECT_EQ(Contenu(Chemin("ZentoraV1.CFG")), QByteArray("Langue=1;\n\r"));
    EXPECT_EQ(LitLangue(Chemin("ZentoraV1.CFG").toStdString()), 1);

    fenetre->ItemLangue(Francais)->trigger();
    EXPECT_EQ(Contenu(Chemin("ZentoraV1.CFG")), QByteArray("Langue=0;\n\r"));
    EXPECT_EQ(doc->Onglets()->tabText(0), "Temps ");
    const auto avant = messages.affiches.size();
    fenetre->ItemLangue(Francais)->trigger(); // the language already chosen: nothing
    EXPECT_EQ(messages.affiches.size(), avant);
}

TEST_F(Application, VerificationListAndTransferGate)
{
    QDir().mkpath(Captures());
    FenetreDocument* doc = fenetre->FileNew();
    ASSERT_TRUE(Va(1, 2));
    // The list dialog is modal: read it, then close it as the user would.
    QStringList lignes;
    QuandModal<DialogueListe>([&lignes](DialogueListe& dialogue) {
        for (int i = 0; i < dialogue.Liste()->count(); ++i)
            lignes << dialogue.Liste()->item(i)->text();
        dialogue.grab().save(Captures() + "/verification-fr.png");
        dialogue.reject();
    });
    fenetre->Commande(Action::Transfert)->trigger(); // no name: one error, blocked
    EXPECT_EQ(lignes, QStringList{QString::fromUtf8("Nom Programme ERREUR : Vous n'avez pas saisi de nom pour le "
                                                    "programme en mémoire, vous devez en saisir un.")});
    EXPECT_NE(messages.Dernier().find("Il y a 1 Erreur(s)"), std::string::npos);
    EXPECT_EQ(doc->Document().ListeErreurs().size(), 1u);
}

TEST_F(Application, ScreenshotsAndStartUpTimes)
{
    QDir().mkpath(Captures());
    QElapsedTimer chrono;
    chrono.start();
    MessagesScriptes m;
    SonsScriptes s;
    DialoguesScriptes d;
    {
        FenetrePrincipale autre(m, s, d, ',');
        autre.show();
        QApplication::processEvents();
        const auto demarrage = chrono.elapsed();
        chrono.restart();
        ASSERT_NE(autre.OuvreFichier(Racine() + "/examples/feu-du-port.tir"), nullptr) << m.Dernier();
        QApplication::processEvents();
        std::printf("timing: main window shown in %lld ms, sample show opened in %lld ms\n",
                    static_cast<long long>(demarrage), static_cast<long long>(chrono.elapsed()));
    }

    ASSERT_NE(fenetre->OuvreFichier(Racine() + "/examples/feu-du-port.tir"), nullptr) << messages.Dernier();
    fenetre->resize(1200, 760);
    Attend();
    ASSERT_TRUE(fenetre->grab().save(Captures() + "/main-fr.png"));
    fenetre->ItemLangue(Anglais)->trigger();
    Attend();
    ASSERT_TRUE(fenetre->grab().save(Captures() + "/main-en.png"));
    EXPECT_TRUE(messages.affiches.empty()) << messages.Dernier();
}

TEST_F(Application, AboutBoxShowsTheVersion)
{
    QDir().mkpath(Captures());
    QString version;
    QuandModal<BoiteAPropos>([&version](BoiteAPropos& boite) {
        if (auto* label = boite.findChild<QLabel*>(QStringLiteral("LabelVersion")))
            version = label->text();
        boite.grab().save(Captures() + "/a-propos-fr.png");
        boite.accept();
    });
    fenetre->Commande(Action::APropos)->trigger();
    EXPECT_EQ(version, "Version 3.6.7.68");
}
