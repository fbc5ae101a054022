#include "Programmes.h"

#include <functional>
#include <limits>

using namespace Zent;
using namespace ZentTest;

namespace {

struct Temps {
    double retard, absolu;
};

struct CasExemple {
    const char* nom;
    std::function<CodeRetour(CQ52&)> operation;
    CodeRetour code;
    std::vector<Temps> attendus; // shots 0 to 5
};

} // namespace

TEST(CQ52Retards, WorkedExample)
{
    const std::vector<Temps> initial = {{0, 0}, {2, 2}, {3, 5}, {1, 6}, {4, 4}, {1, 5}};
    const CasExemple cas[] = {
        {"SetRetard(1, 2.5, false)", [](CQ52& p) { return p.SetRetard(1, 2.5, false); }, 0,
         {{0, 0}, {2.5, 2.5}, {3, 5.5}, {1, 6.5}, {4, 4}, {1, 5}}},
        {"SetRetard(1, 2.5, true)", [](CQ52& p) { return p.SetRetard(1, 2.5, true); }, ErrValeurAjustee,
         {{0, 0}, {2.5, 2.5}, {2.5, 5}, {1, 6}, {4, 4}, {1, 5}}},
        {"SetRetard(1, 5.5, true)", [](CQ52& p) { return p.SetRetard(1, 5.5, true); }, ErrTempsSuivantsDeplaces,
         {{0, 0}, {5.5, 5.5}, {0.1, 5.6}, {0.4, 6}, {4, 4}, {1, 5}}},
        {"SetRetardAbsolu(2, 7.0, false)", [](CQ52& p) { return p.SetRetardAbsolu(2, 7.0, false); }, 0,
         {{0, 0}, {2, 2}, {5, 7}, {1, 8}, {4, 4}, {1, 5}}},
        {"SetTypeTir(4, auto, false)", [](CQ52& p) { return p.SetTypeTir(4, false, false); }, 0,
         {{0, 0}, {2, 2}, {3, 5}, {1, 6}, {4, 10}, {1, 11}}},
        {"SetRetard(2, 0.05, false)", [](CQ52& p) { return p.SetRetard(2, 0.05, false); }, 0,
         {{0, 0}, {2, 2}, {0.1, 2.1}, {1, 3.1}, {4, 4}, {1, 5}}},
        {"SetRetard(2, 0.04, false)", [](CQ52& p) { return p.SetRetard(2, 0.04, false); }, ErrRetardHorsLimites,
         initial},
        // Last shot of a sequence: nothing else moves.
        {"SetRetard(3, 9, false)", [](CQ52& p) { return p.SetRetard(3, 9, false); }, 0,
         {{0, 0}, {2, 2}, {3, 5}, {9, 14}, {4, 4}, {1, 5}}},
        // Clamped, but the last of its sequence: the result is 0.
        {"SetRetardAbsolu(3, 1, true)", [](CQ52& p) { return p.SetRetardAbsolu(3, 1.0, true); }, 0,
         {{0, 0}, {2, 2}, {3, 5}, {0.1, 5.1}, {4, 4}, {1, 5}}},
        // Pushes shot 3, which is the last of its sequence: only the outer status counts.
        {"SetRetard(2, 4, true)", [](CQ52& p) { return p.SetRetard(2, 4.0, true); }, 0,
         {{0, 0}, {2, 2}, {4, 6}, {0.1, 6.1}, {4, 4}, {1, 5}}},
        {"SetRetardAbsolu(4, 7000, true)", [](CQ52& p) { return p.SetRetardAbsolu(4, 7000, true); },
         ErrValeurAjustee, {{0, 0}, {2, 2}, {3, 5}, {1, 6}, {6553.5, 6553.5}, {0.1, 6553.6}}},
        {"SetRetardAbsolu(4, -3, true)", [](CQ52& p) { return p.SetRetardAbsolu(4, -3, true); }, ErrValeurAjustee,
         {{0, 0}, {2, 2}, {3, 5}, {1, 6}, {0, 0}, {5, 5}}},
        {"SetTypeTir(4, auto, true)", [](CQ52& p) { return p.SetTypeTir(4, false, true); }, ErrValeurAjustee,
         {{0, 0}, {2, 2}, {3, 5}, {1, 6}, {0.1, 6.1}, {0.1, 6.2}}},
        {"SetTypeTir(2, manual, true)", [](CQ52& p) { return p.SetTypeTir(2, true, true); }, 0,
         {{0, 0}, {2, 2}, {0, 0}, {1, 1}, {4, 4}, {1, 5}}},
        {"SetTypeTir(0, auto, false)", [](CQ52& p) { return p.SetTypeTir(0, false, false); }, 0, initial},
        {"SetTypeTir(1, auto, false)", [](CQ52& p) { return p.SetTypeTir(1, false, false); }, 0, initial},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        CQ52 p;
        ExempleTravaille(p);
        EXPECT_EQ(c.operation(p), c.code);
        EXPECT_EQ(p.GetDerniereErreur(), c.code);
        for (std::size_t i = 0; i < c.attendus.size(); ++i)
            AttendTemps(p, static_cast<std::int32_t>(i), c.attendus[i].retard, c.attendus[i].absolu);
        EXPECT_EQ(p.GetNbTirs(), 6u);
    }
}

TEST(CQ52Retards, LimitsOfEachTypeAreRefusedWithoutChange)
{
    const struct {
        std::int32_t index;
        double retard;
        bool garde;
        CodeRetour code;
    } cas[] = {
        {4, 0.0, false, 0},     {4, 6553.5, false, 0},  {4, 6553.6, false, ErrRetardHorsLimites},
        {4, -0.2, true, ErrRetardHorsLimites},
        {2, 0.0, false, ErrRetardHorsLimites}, {2, 0.0, true, ErrRetardHorsLimites},
        {2, 6553.6, false, ErrRetardHorsLimites}, {2, 6553.6, true, ErrRetardHorsLimites},
        {2, 6553.54, false, 0}, {2, std::numeric_limits<double>::quiet_NaN(), false, ErrRetardHorsLimites},
        {2, std::numeric_limits<double>::infinity(), true, ErrRetardHorsLimites},
        {6, 1.0, false, ErrTirInactif}, {600, 1.0, false, ErrIndexHorsTable}, {-1, 1.0, true, ErrIndexHorsTable},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "shot " << c.index << " delay " << c.retard << " mode " << c.garde);
        CQ52 p;
        ExempleTravaille(p);
        const Image avant = ImageDe(p);
        EXPECT_EQ(p.SetRetard(c.index, c.retard, c.garde), c.code);
        if (c.code != 0) {
            EXPECT_EQ(ImageDe(p), avant);
        }
    }
}

TEST(CQ52Retards, SetRetardAbsoluRefusesInKeepDelaysModeAndRejectsNaN)
{
    CQ52 p;
    ExempleTravaille(p);
    const Image avant = ImageDe(p);
    EXPECT_EQ(p.SetRetardAbsolu(2, 2.0, false), ErrRetardHorsLimites); // would be a 0 s delay
    EXPECT_EQ(p.SetRetardAbsolu(2, 1e9, false), ErrRetardHorsLimites);
    EXPECT_EQ(p.SetRetardAbsolu(2, std::nan(""), true), ErrRetardHorsLimites);
    EXPECT_EQ(p.SetRetardAbsolu(7, 1.0, true), ErrTirInactif);
    EXPECT_EQ(p.SetTypeTir(6, false, true), ErrTirInactif);
    EXPECT_EQ(p.SetTypeTir(600, false, true), ErrIndexHorsTable);
    EXPECT_EQ(ImageDe(p), avant);
}

TEST(CQ52Retards, PullingEarlierStretchesTheNextDelayUpToTheMaximum)
{
    CQ52 p;
    Construit(p, {{0, true, 0}, {1, false, 6553.0}, {2, false, 6553.0}, {3, false, 1.0}});
    EXPECT_EQ(p.SetRetard(1, 0.1, true), ErrTempsSuivantsDeplaces);
    AttendTemps(p, 1, 0.1, 0.1);
    AttendTemps(p, 2, 6553.5, 6553.6); // pulled along
    AttendTemps(p, 3, 6553.4, 13107.0); // keeps its time
}

TEST(CQ52Retards, TypeChangesRestartOrJoinSequences)
{
    CQ52 p;
    Construit(p, {{0, true, 0}, {1, false, 12.3}, {2, false, 1.0}});
    EXPECT_EQ(p.SetTypeTir(1, true, false), 0u);
    AttendTemps(p, 1, 0, 0);
    AttendTemps(p, 2, 1.0, 1.0);

    EXPECT_EQ(p.SetTypeTir(1, false, true), 0u); // delay 0 becomes the automatic minimum
    AttendTemps(p, 1, 0.1, 0.1);
    AttendTemps(p, 2, 0.9, 1.0); // keeps its time

    EXPECT_EQ(p.SetTypeTir(2, true, false), 0u);
    EXPECT_EQ(p.SetRetard(2, 0.0, false), 0u);
    EXPECT_EQ(p.SetTypeTir(2, false, false), 0u);
    AttendTemps(p, 2, 0.1, 0.2);
}

TEST(CQ52Retards, LimitGettersAndCoherence)
{
    CQ52 p;
    ExempleTravaille(p);
    EXPECT_EQ(p.GetRetardMinTir(4), 0.0);
    EXPECT_EQ(p.GetRetardMinTir(2), 0.1);
    EXPECT_EQ(p.GetRetardMaxTir(2), 6553.5);
    EXPECT_DOUBLE_EQ(p.GetRetardAbsoluMin(2), 2.1);
    EXPECT_DOUBLE_EQ(p.GetRetardAbsoluMax(2), 6555.5);
    EXPECT_DOUBLE_EQ(p.GetRetardAbsoluMin(4), 0.0);
    EXPECT_DOUBLE_EQ(p.GetRetardAbsoluMax(4), 6553.5);
    p.GetRetardMinTir(9);
    EXPECT_EQ(p.GetDerniereErreur(), ErrTirInactif);

    const struct {
        double absolu;
        bool coherent;
    } cas[] = {{2.08, true}, {2.07, false}, {6555.52, true}, {6555.53, false}};
    for (const auto& c : cas) {
        CQ52AccesTest::Tir(p, 2).RetardAbsolu = c.absolu;
        EXPECT_EQ(p.RetardAbsoluCoherent(2), c.coherent) << c.absolu;
        EXPECT_EQ(p.GetDerniereErreur(), 0u);
    }
    EXPECT_FALSE(p.RetardAbsoluCoherent(8));
}
