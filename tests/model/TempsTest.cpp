#include "model/Temps.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Zent;

TEST(SecondToString, FormatsHoursMinutesSecondsAndTenths)
{
    const struct {
        double secondes;
        const char* texte;
    } cas[] = {
        {0, "0"},           {0.1, "0,1"},       {5.5, "5,5"},         {59.9, "59,9"},
        {60, "1:00"},       {65.3, "1:05,3"},   {3600, "1:00:00"},    {3661.2, "1:01:01,2"},
        {6553.5, "1:49:13,5"}, {0.05, "0,1"},   {3599.96, "1:00:00"}, {3599.94, "59:59,9"},
        {600.0, "10:00"},   {36000.0, "10:00:00"}, {3932100.0, "1092:15:00"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(SecondToString(c.secondes, ','), c.texte) << c.secondes;
}

TEST(SecondToString, UsesTheGivenSeparatorAndSurvivesAbsurdValues)
{
    EXPECT_EQ(SecondToString(65.3, '.'), "1:05.3");
    EXPECT_EQ(SecondToString(1e300, ','), "");
    EXPECT_EQ(SecondToString(std::nan(""), ','), "");
}

TEST(Arrondi, TiesGoUpInTheModelAndToEvenForDisplay)
{
    // 0.05 is exactly half of the double 0.1: the only true tie near zero.
    EXPECT_EQ(ArrondiDixiemeHaut(0.05), 0.1);
    EXPECT_EQ(ArrondiDixieme(0.05), 0.0);

    const struct {
        double x, haut, pair;
    } cas[] = {
        {0.04, 0.0, 0.0}, {0.06, 0.1, 0.1}, {2.04, 2.0, 2.0}, {2.06, 2.1, 2.1},
        {6553.5, 6553.5, 6553.5}, {0.30000000000000004, 0.30000000000000004, 0.30000000000000004},
    };
    for (const auto& c : cas) {
        EXPECT_DOUBLE_EQ(ArrondiDixiemeHaut(c.x), c.haut) << c.x;
        EXPECT_DOUBLE_EQ(ArrondiDixieme(c.x), c.pair) << c.x;
    }
    EXPECT_EQ(RetardMax, 6553.5);
}
