#include "Application.h"

#include "ui/qt/CadreSelecteur.h"
#include "ui/qt/DialoguePort.h"
#include "ui/qt/DialoguesSatelite.h"
#include "ui/qt/VuesSatelites.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include <functional>

using namespace Zent;
using namespace ZentTest;

namespace {

QString Captures() { return QStringLiteral(ZENTORA_BINARY_DIR "/screenshots"); }

void AjouteParLeDialogue(FenetrePrincipale& fenetre, const QString& nom, const QString& serie)
{
    QuandModal<DialogueAjoutSatelite>([nom, serie](DialogueAjoutSatelite& d) {
        QTest::keyClicks(d.ChampNom(), nom);
        QTest::keyClicks(d.ChampNumSerie(), serie + QStringLiteral("x")); // the letter is refused
        d.BoutonOk()->click();
    });
    fenetre.Commande(Action::AjoutSatelite)->trigger();
}

QString LitFichier(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll());
}

} // namespace

TEST_F(Application, SatellitesThroughTheWidgets)
{
    QDir().mkpath(Captures());
    FenetreDocument* doc = fenetre->FileNew();
    QTest::keyClicks(doc->ChampTitre(), QStringLiteral("Quai"));
    const int voies[] = {4, 7, 4};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Va(1, i + 2));
        Tape(QString::number(voies[i]));
    }
    ASSERT_EQ(doc->Document().Modele().Tir(3).Voie, 4);
    EXPECT_FALSE(fenetre->Commande(Action::ProgrammerSatelite)->isEnabled());

    AjouteParLeDialogue(*fenetre, QStringLiteral("Nord"), QStringLiteral("400000001"));
    AjouteParLeDialogue(*fenetre, QStringLiteral("Sud"), QStringLiteral("400000002"));
    ASSERT_EQ(doc->Document().Satelites().Nombre(), 2u);
    EXPECT_EQ(doc->Document().RechSatelite("Nord")->GetNumSerie(), 400000001u);
    EXPECT_EQ(doc->Onglets()->count(), 4);
    EXPECT_EQ(doc->Onglets()->tabText(1), "Sorties");
    EXPECT_TRUE(fenetre->Commande(Action::ProgrammerSatelite)->isEnabled());
    EXPECT_TRUE(fenetre->Commande(Action::SuppressionSatelite)->isEnabled());

    // Outputs tab: bind channel 4 to output 20 of Nord through the picker.
    doc->Onglets()->setCurrentIndex(1);
    VueAffectation* sorties = doc->Affectation();
    ASSERT_NE(sorties, nullptr);
    ASSERT_TRUE(sorties->isVisible());
    EXPECT_EQ(sorties->Modele()->columnCount(), 3);
    sorties->setCurrentIndex(sorties->Modele()->index(1, 1)); // shot 1, Nord
    sorties->setFocus();
    QTest::keyClick(sorties, Qt::Key_Return);
    CadreSelecteur* cadre = sorties->Cadre();
    ASSERT_TRUE(cadre->isVisible());
    Attend();
    ASSERT_TRUE(doc->grab().save(Captures() + "/sorties-selecteur.png"));
    QTest::mouseClick(cadre->Plateau(), Qt::LeftButton, {}, cadre->Plateau()->CentreCase(0, 2));
    Attend();
    EXPECT_FALSE(cadre->isVisible());
    auto& grille = sorties->Grille();
    EXPECT_EQ(grille.Cellule(2, 2), "20");
    EXPECT_EQ(grille.Cellule(2, 4), "20"); // every row of channel 4
    EXPECT_EQ(grille.Cellule(2, 3), "");
    EXPECT_EQ(doc->Document().RechSatelite("Nord")->GetVoieSortie(20), 4);

    // Nord's own tab: describe output 20.
    doc->Onglets()->setCurrentIndex(2);
    VueTableSatelite& table = doc->TableSatelite();
    ASSERT_TRUE(table.isVisible());
    table.setCurrentIndex(table.Modele()->index(20, 1));
    table.setFocus();
    Touches(&table, QStringLiteral("B"));
    ASSERT_NE(table.Editeur(), nullptr);
    Touches(table.Editeur(), QStringLiteral("ombe 75"));
    QTest::keyClick(table.Editeur(), Qt::Key_Return);
    EXPECT_EQ(doc->Document().RechSatelite("Nord")->GetDescriptionSortie(20), "Bombe 75");
    EXPECT_EQ(table.Table().Cellule(1, 21), "4");
    Attend();
    ASSERT_TRUE(doc->grab().save(Captures() + "/satellite-fr.png"));

    // Saved as version 4 and read back.
    dialogues.reponses.push_back(Chemin("quai.tir"));
    fenetre->Commande(Action::Enregistrer)->trigger();
    const QString v4 = LitFichier(Chemin("quai.tir"));
    EXPECT_TRUE(v4.startsWith("VersionFichier ; 4\n"));
    EXPECT_TRUE(v4.contains("NbSatelite ; 2\n"));
    EXPECT_TRUE(v4.contains("\n20 ; 4 ; Bombe 75\n"));
    FenetreDocument* relu = fenetre->OuvreFichier(Chemin("quai.tir"));
    ASSERT_NE(relu, nullptr);
    EXPECT_EQ(relu->Onglets()->count(), 4);
    EXPECT_EQ(relu->Document().RechSatelite("Nord")->GetDescriptionSortie(20), "Bombe 75");
    relu->Onglets()->setCurrentIndex(1);
    EXPECT_EQ(relu->Affectation()->Grille().Cellule(2, 4), "20");

    // Delete both satellites: from Sud's tab it is preselected; from the
    // time tab the user picks Nord in the list.
    relu->Onglets()->setCurrentIndex(3);
    QuandModal<DialogueSuppressionSat>([](DialogueSuppressionSat& d) {
        EXPECT_EQ(d.ListeNoms()->currentText(), "Sud");
        EXPECT_EQ(d.ListeNumSerie()->currentText(), "400000002");
        d.BoutonSupprimer()->click();
    });
    fenetre->Commande(Action::SuppressionSatelite)->trigger();
    EXPECT_EQ(relu->Onglets()->count(), 3);
    relu->Onglets()->setCurrentIndex(0);
    QuandModal<DialogueSuppressionSat>([](DialogueSuppressionSat& d) {
        EXPECT_FALSE(d.BoutonSupprimer()->isEnabled());
        d.ListeNumSerie()->setCurrentIndex(1);
        emit d.ListeNumSerie()->activated(1);
        EXPECT_EQ(d.ListeNoms()->currentText(), "Nord");
        d.BoutonSupprimer()->click();
    });
    fenetre->Commande(Action::SuppressionSatelite)->trigger();
    EXPECT_EQ(relu->Onglets()->count(), 1);
    EXPECT_FALSE(fenetre->Commande(Action::SuppressionSatelite)->isEnabled());
    EXPECT_FALSE(fenetre->Commande(Action::ProgrammerSatelite)->isEnabled());
    fenetre->Commande(Action::Enregistrer)->trigger();
    EXPECT_TRUE(LitFichier(Chemin("quai.tir")).startsWith("VersionFichier ; 3\n"));
    EXPECT_TRUE(LitFichier(Chemin("quai.Bak")).startsWith("VersionFichier ; 4\n"));
}

TEST_F(Application, PortConfigurationDialog)
{
    setenv("ZENTORA_PORTS", "/dev/pts/97:/dev/pts/98=bridge", 1);
    QString coche, choisi;
    QuandModal<DialoguePort>([&coche, &choisi](DialoguePort& d) {
        if (QAbstractButton* b = d.Choix()->checkedButton())
            coche = b->text();
        for (QAbstractButton* b : d.Choix()->buttons()) {
            if (b->text().contains(QStringLiteral("/dev/pts/97"))) {
                b->setChecked(true);
                choisi = b->text();
            }
        }
        d.BoutonValider()->click();
    });
    fenetre->Commande(Action::ConfigurationPort)->trigger();
    unsetenv("ZENTORA_PORTS");
    EXPECT_TRUE(coche.endsWith(QStringLiteral("(/dev/pts/98) : TOVAREX"))) << coche.toStdString();
    ASSERT_FALSE(choisi.isEmpty());
    EXPECT_EQ(fenetre->SelecteurPort().GetNumeroPortChoisi(), TConfPort::NumeroPortDeTexte(choisi.toStdString()));
    EXPECT_FALSE(fenetre->SelecteurPort().PortFabricant());
}
