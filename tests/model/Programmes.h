#pragma once

#include "model/CQ52.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace ZentTest {

struct TirVoulu {
    std::int32_t voie;
    bool manuel;
    double retard;
};

// Builds a program shot by shot through the ordinary operations, shot 0
// included (its delay only).
inline void Construit(Zent::CQ52& p, const std::vector<TirVoulu>& tirs)
{
    for (std::size_t k = 0; k < tirs.size(); ++k) {
        const auto i = static_cast<std::int32_t>(k);
        if (i > 0) {
            ASSERT_EQ(p.CreerTirComplet(i, tirs[k].voie, tirs[k].manuel, false), 0u) << "shot " << i;
        }
        ASSERT_EQ(p.SetRetard(i, tirs[k].retard, false), 0u) << "shot " << i;
    }
}

// Shot 0 manual 0 s; 1..3 automatic 2, 3, 1 s; 4 manual 4 s; 5 automatic 1 s.
inline void ExempleTravaille(Zent::CQ52& p)
{
    Construit(p, {{0, true, 0.0}, {1, false, 2.0}, {2, false, 3.0}, {3, false, 1.0}, {4, true, 4.0}, {5, false, 1.0}});
}

// Every field of every record, to prove that a refused change touched nothing.
using Image = std::vector<std::tuple<std::int32_t, double, double, bool, bool, bool, bool, std::string>>;

inline Image ImageDe(const Zent::CQ52& p)
{
    Image image;
    for (std::int32_t i = 0; i < Zent::NbTirMax; ++i) {
        const Zent::UnTir& t = p.Tir(i);
        image.emplace_back(t.Voie, t.Retard, t.RetardAbsolu, t.Manuel, t.DernierTir, t.Inactif, t.Reserve,
                           t.Description);
    }
    return image;
}

// Delays and times are compared on the tenth grid: the model stores
// differences of doubles, which may sit a few ulps off the grid.
inline void AttendTemps(const Zent::CQ52& p, std::int32_t i, double retard, double absolu)
{
    EXPECT_NEAR(p.Tir(i).Retard, retard, 1e-9) << "delay of shot " << i;
    EXPECT_NEAR(p.Tir(i).RetardAbsolu, absolu, 1e-9) << "time of shot " << i;
}

} // namespace ZentTest

namespace Zent {
struct CQ52AccesTest {
    static UnTir& Tir(CQ52& p, std::int32_t i) { return p.TirMod(i); }
};
} // namespace Zent
