#include "Scripts.h"

#include "ui/core/TTabGestTempsTirZent.h"

#include <gtest/gtest.h>

using namespace Zent;
using namespace ZentTest;

namespace {

class TableTemps : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.OnTableauChange = [this] { ++changements; };
        table.OnAnnulation = [this] { ++annulations; };
        table.SetZentora(&modele);
    }
    // Shots 1..n automatic, 1 s apart, channels 10, 11, ...
    void Sequence(int n)
    {
        for (int i = 1; i <= n; ++i) {
            modele.CreerTirComplet(i, 9 + i, false, false);
            modele.SetRetard(i, 1.0, false);
        }
        table.ActulaiserAffichage();
    }
    const std::string& Cellule(int col, int lig) { return table.Cellule(col, lig); }
    void Valide()
    {
        char tab = ToucheTab;
        table.KeyPress(tab);
    }

    MessagesScriptes messages;
    SonsScriptes sons;
    CQ52 modele;
    TTabGestTempsTirZent table{messages, sons, ','};
    int changements = 0;
    int annulations = 0;
};

} // namespace

TEST_F(TableTemps, RebuildShowsEveryShotAndTheEntryRow)
{
    Sequence(2);
    modele.SetDescription(2, "Bouquet");
    table.ActulaiserAffichage();
    EXPECT_EQ(table.GetRowCount(), 5);
    const std::vector<std::string> ligne2 = {"1", "10", "Automatique", "1", "1", "1", ""};
    std::vector<std::string> textes;
    ASSERT_TRUE(table.TextLigneDeTir(1, textes));
    EXPECT_EQ(textes, ligne2);
    ASSERT_TRUE(table.TextLigneDeTir(2, textes));
    EXPECT_EQ(textes[6], "Bouquet");
    ASSERT_TRUE(table.TextLigneDeTir(3, textes));
    EXPECT_EQ(textes, (std::vector<std::string>{"3", "??", "Manuel", "0", "0", "0", ""}));
    EXPECT_FALSE(table.TextLigneDeTir(4, textes));
    EXPECT_EQ(Cellule(0, 0), " Tir n\xB0 ");
}

TEST_F(TableTemps, SomeCellsCannotBeSelected)
{
    Sequence(2);
    EXPECT_FALSE(table.DeplaceVers(1, 1));
    EXPECT_FALSE(table.DeplaceVers(2, 1));
    for (int lig = 1; lig <= 3; ++lig)
        EXPECT_FALSE(table.DeplaceVers(5, lig)) << lig;
    EXPECT_TRUE(table.DeplaceVers(3, 1));
    EXPECT_TRUE(table.DeplaceVers(1, 2));
    // Entry row: only its channel cell, which appends a shot.
    EXPECT_FALSE(table.DeplaceVers(3, 4));
    EXPECT_EQ(modele.GetNbTirs(), 3u);
}

TEST_F(TableTemps, MovingIntoTheEntryChannelAppendsAShot)
{
    Sequence(2);
    ASSERT_TRUE(table.DeplaceVers(1, 4));
    EXPECT_EQ(modele.GetNbTirs(), 4u);
    EXPECT_TRUE(modele.Tir(3).Manuel);
    EXPECT_EQ(Cellule(1, 4), "3"); // the default channel
    EXPECT_EQ(Cellule(1, 5), "??");
    EXPECT_EQ(table.Row(), 4);
    EXPECT_EQ(annulations, 1);
    EXPECT_EQ(changements, 1);

    table.SetModeCreationVoie(TirAutomatique);
    ASSERT_TRUE(table.DeplaceVers(1, 5));
    EXPECT_FALSE(modele.Tir(4).Manuel);
    EXPECT_NEAR(modele.Tir(4).Retard, 0.1, 1e-9);
    EXPECT_NEAR(modele.Tir(4).RetardAbsolu, modele.Tir(3).RetardAbsolu + 0.1, 1e-9);
    EXPECT_EQ(Cellule(3, 5), "0,1");
}

TEST_F(TableTemps, AFullProgramHasNoEntryRow)
{
    for (int i = 1; i < NbTirMax; ++i)
        modele.CreerTir(i);
    table.ActulaiserAffichage();
    EXPECT_EQ(table.GetRowCount(), 601);
    EXPECT_EQ(Cellule(1, 600), "0");
    EXPECT_FALSE(table.DeplaceVers(1, 601));
    EXPECT_EQ(modele.GetNbTirs(), 600u);
}

TEST_F(TableTemps, KeysAreFilteredByColumn)
{
    Sequence(2);
    ASSERT_TRUE(table.DeplaceVers(1, 2));
    for (char c : {'a', ',', '-', ' '}) {
        char touche = c;
        table.KeyDown(ToucheBas::Autre);
        table.KeyPress(touche);
        EXPECT_EQ(touche, 0) << c;
    }
    EXPECT_EQ(sons.joues.size(), 4u);
    EXPECT_FALSE(table.SaisieEnCours());

    ASSERT_TRUE(table.DeplaceVers(3, 2));
    char virgule = ',';
    table.KeyDown(ToucheBas::Autre);
    table.KeyPress(virgule);
    EXPECT_EQ(virgule, ',');
    // The keypad's decimal key types the user's separator.
    char point = '.';
    table.KeyDown(ToucheBas::PaveDecimal);
    table.KeyPress(point);
    EXPECT_EQ(point, ',');
    EXPECT_TRUE(table.SaisieEnCours());

    ASSERT_TRUE(table.DeplaceVers(6, 2));
    char lettre = 'x';
    table.KeyDown(ToucheBas::Autre);
    table.KeyPress(lettre);
    EXPECT_EQ(lettre, 'x');
}

TEST_F(TableTemps, ChannelEditsAndTheirMessages)
{
    Sequence(3); // channels 10, 11, 12
    ASSERT_TRUE(table.DeplaceVers(1, 2));
    Tape(table, "40");
    Valide();
    EXPECT_EQ(modele.Tir(1).Voie, 40);
    EXPECT_TRUE(messages.affiches.empty());
    EXPECT_EQ(changements, 1);

    Tape(table, "40"); // its own channel counts as used
    Valide();
    EXPECT_EQ(messages.Dernier(), "ATTENTION!!!\n\rLa voie n°40 du tir n°1 est déjà utilisée en tant que voie de tir.\n\r");
    EXPECT_EQ(messages.affiches.back().genre, GenreMessage::Avertissement);

    Tape(table, "597");
    Valide();
    EXPECT_EQ(modele.Tir(1).Voie, 40);
    EXPECT_EQ(Cellule(1, 2), "40");
    EXPECT_EQ(messages.Dernier(), "Le numéro de voie 597 est utilisé comme voie de secours et ne peut donc pas être "
                                  "utilisé comme une voie de tir.\n\rLe Tir n°1 va reprendre le numéro de voie 40.");

    Tape(table, "700");
    EXPECT_TRUE(table.DeplaceVers(3, 2)); // a move applies the edit too
    EXPECT_EQ(Cellule(1, 2), "40");
    EXPECT_EQ(messages.affiches.back().genre, GenreMessage::Erreur);
    EXPECT_NE(messages.Dernier().find("700"), std::string::npos);

    table.SetLangue(Anglais);
    ASSERT_TRUE(table.DeplaceVers(1, 3));
    table.SetEditText(1, 3, "1x"); // pasted
    Valide();
    EXPECT_EQ(messages.Dernier(), "Th evalue entered is a not a positive integer");
    EXPECT_EQ(Cellule(1, 3), "11");
}

TEST_F(TableTemps, DelayAndTimeEditsReportTheLimits)
{
    Sequence(3);
    ASSERT_TRUE(table.DeplaceVers(3, 2));
    Tape(table, "2,5");
    Valide();
    EXPECT_NEAR(modele.Tir(1).Retard, 2.5, 1e-9);
    EXPECT_EQ(Cellule(4, 3), "3,5"); // the following shots moved
    EXPECT_EQ(Cellule(5, 4), "4,5");

    Tape(table, "0");
    Valide();
    EXPECT_EQ(Cellule(3, 2), "2,5");
    EXPECT_EQ(messages.Dernier(),
              "Le temps de 0 Sec du tir n°1 que vous avez programmé dépasse les limites.\n\r -Au maximum vous pouvez "
              "avoir un temps entre 2 tirs de 6553,5 secondes, \n\r -Au minimum vous pouvez avoir un temps entre 2 "
              "tirs de 0,1 seconde");

    // Absolute time 3 for shot 3 whose predecessor is at 3,5.
    ASSERT_TRUE(table.DeplaceVers(4, 4));
    Tape(table, "3");
    Valide();
    EXPECT_EQ(Cellule(4, 4), "4,5");
    EXPECT_NE(messages.Dernier().find("Le temps de 3 Sec du tir n°3"), std::string::npos);

    Tape(table, "7");
    Valide();
    EXPECT_NEAR(modele.Tir(3).Retard, 3.5, 1e-9);
    EXPECT_EQ(Cellule(3, 4), "3,5");

    table.SetEditText(4, 4, "abc");
    Valide();
    EXPECT_EQ(messages.Dernier(), "La Valeur saisie n'est pas un nombre");
    EXPECT_EQ(Cellule(4, 4), "7");

    ASSERT_TRUE(table.DeplaceVers(3, 1)); // start shot: manual limits
    Tape(table, "7000");
    Valide();
    EXPECT_EQ(messages.Dernier(), "Le temps de 7000 secondes que vous avez programmé pour le tir 0 dépasse les "
                                  "limites.\n\r -Au maximum vous pouvez avoir un retard de 6553,5 secondes \n\r");
}

TEST_F(TableTemps, TypeChoiceThroughTheDropDown)
{
    Sequence(2);
    ASSERT_TRUE(table.DeplaceVers(2, 2));
    table.GetEditText(2, 2);
    ASSERT_TRUE(table.ListeDeroulante().Visible);
    EXPECT_EQ(table.ListeDeroulante().Index, 1);
    table.ChoixListeDeroulante(0);
    EXPECT_FALSE(table.ListeDeroulante().Visible);
    EXPECT_TRUE(modele.Tir(1).Manuel);
    EXPECT_EQ(Cellule(2, 2), "Manuel");
    EXPECT_EQ(Cellule(4, 2), "0");
    EXPECT_EQ(Cellule(4, 3), "1"); // the follower restarts from the new manual shot
    EXPECT_EQ(changements, 1);
}

TEST_F(TableTemps, UndoAndRedoOfAnEdit)
{
    Sequence(2);
    ASSERT_TRUE(table.DeplaceVers(3, 2));
    Tape(table, "4");
    Valide();
    ASSERT_TRUE(table.AnnulationPossible());
    table.AnnuleDerniereAction();
    EXPECT_NEAR(modele.Tir(1).Retard, 1.0, 1e-9);
    EXPECT_EQ(Cellule(3, 2), "1");
    table.RefaireDerniereAction();
    EXPECT_NEAR(modele.Tir(1).Retard, 4.0, 1e-9);
    EXPECT_EQ(Cellule(4, 3), "5");
}

TEST_F(TableTemps, InsertAndDeleteAtTheSelectedRow)
{
    Sequence(3);
    ASSERT_TRUE(table.DeplaceVers(3, 2));
    table.InsertLigneApresSelect();
    EXPECT_EQ(modele.GetNbTirs(), 5u);
    EXPECT_EQ(Cellule(1, 3), "2");
    EXPECT_EQ(Cellule(1, 4), "11");
    table.SupprLigneSelect();
    EXPECT_EQ(modele.GetNbTirs(), 4u);
    EXPECT_EQ(Cellule(1, 2), "2");

    ASSERT_TRUE(table.DeplaceVers(3, 4));
    table.SupprLigneSelect(); // the last shot: the selection stays on a shot
    EXPECT_EQ(modele.GetNbTirs(), 3u);
    EXPECT_EQ(table.Row(), 3);
}

TEST_F(TableTemps, PendingEditsAreAppliedByValidationAndFocusExit)
{
    Sequence(2);
    ASSERT_TRUE(table.DeplaceVers(6, 2));
    Tape(table, "Comete");
    EXPECT_FALSE(table.ValidationDonnee());
    EXPECT_EQ(modele.Tir(1).Description, "Comete");
    EXPECT_TRUE(table.ValidationDonnee());
    EXPECT_EQ(changements, 1);

    ASSERT_TRUE(table.DeplaceVers(3, 3));
    Tape(table, "9");
    table.Exit();
    EXPECT_NEAR(modele.Tir(2).Retard, 9.0, 1e-9);
}

TEST_F(TableTemps, LanguageSwitchKeepsTheData)
{
    Sequence(1);
    table.SetLangue(Anglais);
    EXPECT_EQ(Cellule(0, 0), " Shot n\xB0 ");
    EXPECT_EQ(Cellule(4, 0), "Total Time (s)");
    EXPECT_EQ(Cellule(2, 2), "Automatic");
    EXPECT_EQ(Cellule(1, 2), "10");
    EXPECT_EQ(table.ListeDeroulante().Items[1], "Automatic");
    std::vector<std::string> tailles;
    table.TextPourDefTailleColone(tailles);
    EXPECT_EQ(tailles[2], "  Way mode  ");
}

TEST_F(TableTemps, DrawingStyles)
{
    Sequence(2);
    modele.SetTypeTir(2, true, false);
    table.ActulaiserAffichage();
    EXPECT_EQ(table.Style(3, 1).Fond, 0xC2B869u);
    EXPECT_EQ(table.Style(2, 1).Fond, 0xCCCCCCu);
    EXPECT_TRUE(table.Style(2, 2).ParDefaut);
    EXPECT_EQ(table.Style(2, 3).Fond, 0xCCCCCCu);
    EXPECT_TRUE(table.Style(0, 1).ParDefaut);
    EXPECT_EQ(table.Style(6, 2).Aligne, Alignement::Gauche);
    EXPECT_EQ(table.Style(6, 2).RetraitGauche, 5);
}
