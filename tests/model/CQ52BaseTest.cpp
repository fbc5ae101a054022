#include "Programmes.h"

using namespace Zent;
using namespace ZentTest;

TEST(CQ52Base, NewModelHoldsOnlyTheStartShot)
{
    CQ52 p;
    EXPECT_EQ(p.GetNbTirs(), 1u);
    EXPECT_TRUE(p.TirActif(0));
    EXPECT_FALSE(p.TirActif(1));
    EXPECT_EQ(p.GetDerniereErreur(), ErrTirInactif);
    EXPECT_FALSE(p.Tir(0).DernierTir);
    EXPECT_TRUE(p.Tir(599).DernierTir);
    EXPECT_EQ(p.Tir(123).Voie, 123);
    for (std::int32_t n = 0; n < 4; ++n)
        EXPECT_EQ(p.GetVoieSecours(n), 596 + n);
    EXPECT_EQ(CQ52::GetNomAppareil(), "Zentora");
}

TEST(CQ52Base, IndexAndChannelChecksStoreTheirCode)
{
    CQ52 p;
    for (std::int32_t index : {600, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_FALSE(p.IndexTirValide(index));
        EXPECT_EQ(p.GetDerniereErreur(), ErrIndexHorsTable);
        EXPECT_FALSE(p.TirActif(index));
        EXPECT_EQ(p.GetDerniereErreur(), ErrTirInactif);
        EXPECT_EQ(p.GetNumeroVoie(index), -100012);
    }
    EXPECT_TRUE(p.IndexTirValide(599));
    EXPECT_EQ(p.GetDerniereErreur(), 0u);
    EXPECT_EQ(p.GetNumeroVoie(1), -100013);
    EXPECT_EQ(p.GetDerniereErreur(), ErrTirInactif);
    EXPECT_FALSE(p.NumeroVoieValide(600));
    EXPECT_FALSE(p.NumeroVoieValide(-1));
    EXPECT_EQ(p.GetDerniereErreur(), ErrVoieInvalide);
    EXPECT_FALSE(p.VoieUtilisee(600));
    EXPECT_EQ(p.GetDerniereErreur(), ErrVoieInvalide);
}

TEST(CQ52Base, SetNumeroVoieChecksInOrder)
{
    CQ52 p;
    Construit(p, {{0, true, 0}, {1, true, 0}, {2, true, 0}, {3, true, 0}, {4, true, 0}, {7, true, 0}});
    const struct {
        std::int32_t index, voie;
        CodeRetour code;
        std::int32_t voieApres;
    } cas[] = {
        {600, 5, ErrIndexHorsTable, -1}, {0, 5, 0, 0},           {6, 5, ErrTirInactif, -1},
        {3, 600, ErrVoieInvalide, 3},    {3, 597, ErrVoieDeSecours, 3},
        {3, 7, ErrVoieDejaUtilisee, 7},  {3, 7, ErrVoieDejaUtilisee, 7}, // its own channel counts
        {3, 8, 0, 8},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(p.SetNumeroVoie(c.index, c.voie), c.code) << c.index << "," << c.voie;
        EXPECT_EQ(p.GetDerniereErreur(), c.code);
        if (c.voieApres >= 0) {
            EXPECT_EQ(p.Tir(c.index).Voie, c.voieApres);
        }
    }
}

TEST(CQ52Base, CreerTirAppendsOnlyRightAfterTheLastShot)
{
    CQ52 p;
    EXPECT_TRUE(p.CreerTir(1));
    EXPECT_FALSE(p.CreerTir(3));
    EXPECT_EQ(p.GetDerniereErreur(), ErrIndexHorsTable);
    EXPECT_FALSE(p.CreerTir(600));
    p.SetNumeroVoie(1, 42);
    EXPECT_TRUE(p.CreerTir(1)); // already active: untouched
    EXPECT_EQ(p.Tir(1).Voie, 42);
    EXPECT_EQ(p.GetNbTirs(), 2u);

    EXPECT_TRUE(p.CreerTir(2));
    EXPECT_FALSE(p.Tir(0).DernierTir);
    EXPECT_FALSE(p.Tir(1).DernierTir);
    EXPECT_TRUE(p.Tir(2).DernierTir);
    EXPECT_TRUE(p.EstDernierTir(2));
    EXPECT_FALSE(p.EstDernierTir(1));
    EXPECT_FALSE(p.EstDernierTir(3));
    for (std::int32_t i = 3; i < NbTirMax; ++i)
        ASSERT_TRUE(p.Tir(i).DernierTir);
}

TEST(CQ52Base, NewRecordsSkipBackupChannelsWrappingToZero)
{
    CQ52 p;
    for (std::int32_t i = 1; i < NbTirMax; ++i)
        ASSERT_TRUE(p.CreerTir(i));
    EXPECT_EQ(p.Tir(595).Voie, 595);
    for (std::int32_t i = 596; i < NbTirMax; ++i)
        EXPECT_EQ(p.Tir(i).Voie, 0) << i;
    EXPECT_EQ(p.GetNbTirs(), 600u);
    EXPECT_TRUE(p.EstDernierTir(599));

    CQ52 q;
    q.SetVoieSecours(0, 2);
    q.SetVoieSecours(1, 3);
    ASSERT_TRUE(q.CreerTir(1));
    ASSERT_TRUE(q.CreerTir(2));
    EXPECT_EQ(q.Tir(2).Voie, 4);
}

TEST(CQ52Base, CreerTirVoieHidesRepeatsButReportsBackupChannels)
{
    CQ52 p;
    EXPECT_EQ(p.CreerTirVoie(1, 0), 0u); // shot 0 holds channel 0 already
    EXPECT_EQ(p.GetDerniereErreur(), 0u);
    EXPECT_EQ(p.Tir(1).Voie, 0);
    EXPECT_EQ(p.CreerTirVoie(2, 598), ErrVoieDeSecours);
    EXPECT_TRUE(p.TirActif(2));
    EXPECT_EQ(p.Tir(2).Voie, 2);
    EXPECT_EQ(p.CreerTirVoie(5, 9), ErrIndexHorsTable);
}

TEST(CQ52Base, BackupChannels)
{
    CQ52 p;
    EXPECT_EQ(p.SetVoieSecours(2, 0), ErrVoieInvalide);
    EXPECT_EQ(p.SetVoieSecours(2, 600), ErrVoieInvalide);
    EXPECT_EQ(p.SetVoieSecours(4, 10), ErrIndexSecours);
    EXPECT_EQ(p.SetVoieSecours(-1, 10), ErrIndexSecours);
    EXPECT_EQ(p.GetVoieSecours(4), -100022);
    EXPECT_EQ(p.GetDerniereErreur(), ErrIndexSecours);
    EXPECT_EQ(p.GetVoieSecours(2), 598);
    EXPECT_EQ(p.SetVoieSecours(2, 10), 0u);
    EXPECT_TRUE(p.EstVoieSecours(10));
    EXPECT_FALSE(p.EstVoieSecours(598));
    EXPECT_FALSE(p.EstVoieSecours(-10));
}

TEST(CQ52Base, DescriptionsAreOwnedCopiesAndSurviveCopie)
{
    CQ52 p;
    ASSERT_TRUE(p.CreerTir(1));
    const std::string texte = "Bombe \xE9toil\xE9" "e; 75\xB0";
    EXPECT_EQ(p.SetDescription(1, texte), 0u);
    EXPECT_FALSE(p.SansDescription(1));

    CQ52 copie;
    copie.Copie(p);
    EXPECT_EQ(copie.GetDescription(1), texte);
    EXPECT_EQ(ImageDe(copie), ImageDe(p));
    copie.SetDescription(1, "autre");
    EXPECT_EQ(p.GetDescription(1), texte);

    EXPECT_EQ(p.SetDescription(1, ""), 0u);
    EXPECT_TRUE(p.SansDescription(1));
    EXPECT_EQ(p.GetDescription(1), "");

    EXPECT_EQ(p.SetDescription(2, "x"), ErrTirInactif);
    EXPECT_EQ(p.SetDescription(700, "x"), ErrIndexHorsTable);
    EXPECT_TRUE(p.SansDescription(700));
    EXPECT_EQ(p.SetDescription(1, std::string("avant\0apres", 11)), 0u);
    EXPECT_EQ(p.GetDescription(1), "avant");
    EXPECT_EQ(p.EffaceDescription(1), 0u);
    EXPECT_TRUE(p.SansDescription(1));
    EXPECT_EQ(p.EffaceDescription(600), ErrIndexHorsTable);
}
