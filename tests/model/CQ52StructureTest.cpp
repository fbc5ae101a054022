#include "Programmes.h"

using namespace Zent;
using namespace ZentTest;

namespace {

// Shot 0 plus n automatic shots of 1 s, channels 10, 11, ...
void Sequence(CQ52& p, std::int32_t n)
{
    std::vector<TirVoulu> tirs{{0, true, 0}};
    for (std::int32_t i = 1; i <= n; ++i)
        tirs.push_back({9 + i, false, 1.0});
    Construit(p, tirs);
}

// Shots 0..n-1 as created by appending (all manual, channel = number).
void Manuels(CQ52& p, std::int32_t n)
{
    for (std::int32_t i = 1; i < n; ++i)
        ASSERT_TRUE(p.CreerTir(i));
}

} // namespace

TEST(CQ52Structure, CreerTirCompletGivesAutomaticShotsTheMinimumDelay)
{
    CQ52 p;
    EXPECT_EQ(p.CreerTirComplet(1, 30, false, false), 0u);
    AttendTemps(p, 1, 0.1, 0.1);
    EXPECT_FALSE(p.Tir(1).Manuel);
    EXPECT_EQ(p.CreerTirComplet(2, 31, true, false), 0u);
    EXPECT_TRUE(p.Tir(2).Manuel);
    EXPECT_EQ(p.CreerTirComplet(3, 597, false, false), ErrVoieDeSecours);
    EXPECT_TRUE(p.Tir(3).Manuel); // the type request is not applied
}

TEST(CQ52Structure, InsertAutomaticShotInSequenceShiftsFollowers)
{
    CQ52 p;
    Sequence(p, 4); // shots 0..4
    p.SetDescription(3, "trois");
    EXPECT_EQ(p.InsertTirs(2, 1, false, false, false), 0u);
    EXPECT_EQ(p.GetNbTirs(), 6u);
    EXPECT_EQ(p.Tir(3).Voie, 3); // a new shot takes its own number as channel
    AttendTemps(p, 3, 0.1, 2.1);
    AttendTemps(p, 4, 1.0, 3.1);
    AttendTemps(p, 5, 1.0, 4.1);
    EXPECT_EQ(p.Tir(4).Voie, 12);
    EXPECT_EQ(p.Tir(4).Description, "trois");
    EXPECT_TRUE(p.Tir(5).DernierTir);
    EXPECT_FALSE(p.Tir(4).DernierTir);
}

TEST(CQ52Structure, InsertManualShotRestartsTheFollowingTimes)
{
    CQ52 p;
    Sequence(p, 4);
    EXPECT_EQ(p.InsertTirs(2, 1, false, true, false), 0u);
    AttendTemps(p, 3, 0, 0);
    AttendTemps(p, 4, 1.0, 1.0);
    AttendTemps(p, 5, 1.0, 2.0);
}

TEST(CQ52Structure, InsertInKeepTimesModeKeepsAbsoluteTimes)
{
    CQ52 p;
    Sequence(p, 4);
    EXPECT_EQ(p.InsertTirs(1, 2, true, false, false), 0u);
    AttendTemps(p, 2, 0.1, 1.1);
    AttendTemps(p, 3, 0.1, 1.2);
    AttendTemps(p, 4, 0.8, 2.0);
    AttendTemps(p, 6, 1.0, 4.0);
}

TEST(CQ52Structure, RefusedInsertionsChangeNothingAndSayWhy)
{
    {
        CQ52 p;
        Manuels(p, 600);
        const Image avant = ImageDe(p);
        EXPECT_EQ(p.InsertTirs(10, 1, false, true, false), ErrProgrammePlein);
        EXPECT_EQ(ImageDe(p), avant);
    }
    {
        CQ52 p;
        Manuels(p, 598);
        const Image avant = ImageDe(p);
        // The replay would reach index 602.
        EXPECT_EQ(p.InsertTirs(590, 5, false, true, false), ErrIndexHorsTable);
        EXPECT_EQ(p.GetDerniereErreur(), ErrIndexHorsTable);
        EXPECT_EQ(ImageDe(p), avant);
    }
    {
        CQ52 p;
        Sequence(p, 4);
        p.SetVoieSecours(1, 12); // shot 3 now uses a backup channel
        const Image avant = ImageDe(p);
        EXPECT_EQ(p.InsertTirs(1, 1, false, true, false), ErrVoieDeSecours);
        EXPECT_EQ(ImageDe(p), avant);
        EXPECT_EQ(p.InsertTirs(5, 1, false, true, false), ErrTirInactif);
        EXPECT_EQ(p.InsertTirs(-1, 1, false, true, false), ErrIndexHorsTable);
        EXPECT_EQ(p.InsertTirs(1, 0, false, true, false), 0u);
        EXPECT_EQ(p.InsertTirs(1, -3, false, true, false), 0u);
        EXPECT_EQ(ImageDe(p), avant);
    }
}

TEST(CQ52Structure, AppendingAroundBackupChannels)
{
    CQ52 p;
    Manuels(p, 595);
    EXPECT_EQ(p.InsertTirs(594, 3, true, false, true), 0u);
    EXPECT_EQ(p.GetNbTirs(), 598u);
    EXPECT_EQ(p.Tir(595).Voie, 595);
    EXPECT_FALSE(p.Tir(595).Manuel);
    for (std::int32_t i : {596, 597}) {
        EXPECT_EQ(p.Tir(i).Voie, 0) << i;
        EXPECT_TRUE(p.Tir(i).Manuel) << i;
    }

    CQ52 q;
    Manuels(q, 595);
    // Without avoidance the append stops at the first backup channel and keeps what it made.
    EXPECT_EQ(q.InsertTirs(594, 3, true, false, false), ErrVoieDeSecours);
    EXPECT_EQ(q.GetNbTirs(), 597u);
    EXPECT_FALSE(q.Tir(595).Manuel);
    EXPECT_TRUE(q.Tir(596).Manuel);

    CQ52 r;
    Manuels(r, 598);
    r.SetVoieSecours(0, 10);
    r.SetVoieSecours(1, 11);
    r.SetVoieSecours(2, 12);
    r.SetVoieSecours(3, 13);
    // Past the table: stops with the index code after creating what fits.
    EXPECT_EQ(r.InsertTirs(597, 4, false, true, true), ErrIndexHorsTable);
    EXPECT_EQ(r.GetNbTirs(), 600u);
}

TEST(CQ52Structure, DeleteLastAndStartShots)
{
    CQ52 p;
    ASSERT_TRUE(p.CreerTir(1));
    p.SetDescription(1, "x");
    EXPECT_EQ(p.SupprTir(0), ErrIndexHorsTable);
    EXPECT_EQ(p.SupprTir(2), ErrTirInactif);
    EXPECT_EQ(p.SupprTir(600), ErrIndexHorsTable);
    EXPECT_EQ(p.SupprTir(1), 0u);
    EXPECT_EQ(p.GetNbTirs(), 1u);
    EXPECT_TRUE(p.Tir(0).DernierTir);
    EXPECT_TRUE(p.Tir(1).Inactif);
    EXPECT_EQ(p.Tir(1).Voie, 0);
    EXPECT_TRUE(p.Tir(1).Description.empty());
}

TEST(CQ52Structure, DeleteInTheMiddleRenumbersAndRetimes)
{
    CQ52 p;
    ExempleTravaille(p); // 0 m, 1 a 2, 2 a 3, 3 a 1, 4 m 4, 5 a 1
    for (std::int32_t i = 1; i < 6; ++i)
        p.SetDescription(i, std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(p.SupprTir(2), 0u);
    EXPECT_EQ(p.GetNbTirs(), 5u);
    const struct {
        std::int32_t voie;
        bool manuel;
        double retard, absolu;
        const char* description;
    } attendus[] = {{0, true, 0, 0, ""},  {1, false, 2, 2, "B"}, {3, false, 1, 3, "D"},
                    {4, true, 4, 4, "E"}, {5, false, 1, 5, "F"}};
    for (std::int32_t j = 0; j < 5; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(p.Tir(j).Voie, attendus[j].voie);
        EXPECT_EQ(p.Tir(j).Manuel, attendus[j].manuel);
        EXPECT_EQ(p.Tir(j).Description, attendus[j].description);
        AttendTemps(p, j, attendus[j].retard, attendus[j].absolu);
    }

    // A deleted manual shot: its followers join the previous sequence.
    EXPECT_EQ(p.SupprTir(3), 0u);
    AttendTemps(p, 3, 1, 4);
}

TEST(CQ52Structure, DeleteTurnsAShotOnABackupChannelIntoADefaultManualShot)
{
    CQ52 p;
    Sequence(p, 4); // channels 10..13
    p.SetVoieSecours(0, 13);
    EXPECT_EQ(p.SupprTir(1), 0u);
    EXPECT_EQ(p.Tir(3).Voie, 3);
    EXPECT_TRUE(p.Tir(3).Manuel);
    AttendTemps(p, 3, 1, 1);
}

TEST(CQ52Structure, VerifTirReportsTheConcernedShotOrKey)
{
    CQ52 p;
    Construit(p, {{0, true, 0}, {7, false, 1}, {20, false, 1}, {7, false, 1}, {30, false, 1}});
    std::int32_t concerne = -5;
    EXPECT_EQ(p.VerifTir(1, concerne), ErrVoieDejaUtilisee);
    EXPECT_EQ(concerne, 3);
    EXPECT_EQ(p.VerifTir(3, concerne), ErrVoieDejaUtilisee);
    EXPECT_EQ(concerne, 1);

    concerne = -5;
    EXPECT_EQ(p.VerifTir(2, concerne), 0u);
    EXPECT_EQ(concerne, -5);
    EXPECT_EQ(p.VerifTir(600, concerne), ErrIndexHorsTable);
    EXPECT_EQ(concerne, 599);
    EXPECT_EQ(p.VerifTir(9, concerne), ErrTirInactif);
    EXPECT_EQ(concerne, 4);

    p.SetVoieSecours(1, 30);
    p.SetVoieSecours(3, 30);
    EXPECT_EQ(p.VerifTir(4, concerne), ErrVoieDeSecours);
    EXPECT_EQ(concerne, 3); // the highest key holding it
    EXPECT_EQ(p.GetDerniereErreur(), ErrVoieDeSecours);
}

TEST(CQ52Structure, VerifTirCatchesCorruptedRecords)
{
    const struct {
        const char* nom;
        void (*corrompt)(UnTir& tir);
        CodeRetour code;
    } cas[] = {
        {"channel", [](UnTir& t) { t.Voie = 600; }, ErrVoieInvalide},
        {"delay below minimum", [](UnTir& t) { t.Retard = 0.0; }, ErrRetardHorsLimites},
        {"time before bound", [](UnTir& t) { t.RetardAbsolu = 1.05; }, ErrTempsHorsBornes},
        {"delay vs times", [](UnTir& t) { t.RetardAbsolu = 2.5; }, ErrRetardIncoherent},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        CQ52 p;
        Construit(p, {{0, true, 0}, {7, false, 1}, {20, false, 1}});
        c.corrompt(CQ52AccesTest::Tir(p, 2));
        std::int32_t concerne = -5;
        EXPECT_EQ(p.VerifTir(2, concerne), c.code);
    }
}
