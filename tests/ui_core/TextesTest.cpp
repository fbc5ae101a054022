#include "model/Cp1252.h"
#include "model/Textes.h"

#include <gtest/gtest.h>

using namespace Zent;

TEST(Formate, FillsPlaceholdersWithoutTrustingTheFormat)
{
    EXPECT_EQ(Formate("Tir n°%03i,", {7}), "Tir n°007,");
    EXPECT_EQ(Formate("%i/%u/%s", {-7, 4294967295u, "abc"}), "-7/4294967295/abc");
    EXPECT_EQ(Formate("%u", {-1}), "4294967295");
    EXPECT_EQ(Formate("%fs", {2.5}), "2.500000s");
    EXPECT_EQ(Formate("%f", {3}), "3.000000");
    EXPECT_EQ(Formate("100%% %d", {7}), "100% 7");
    EXPECT_EQ(Formate("%5s|%-4i|%+i", {"abc", 7, 3}), "  abc|7   |+3");
    // A missing value or an unknown conversion stays as written; a value of
    // another kind is converted, never reinterpreted.
    EXPECT_EQ(Formate("%i %i", {7}), "7 %i");
    EXPECT_EQ(Formate("%x %", {7}), "%x %");
    EXPECT_EQ(Formate("%i", {"texte"}), "0");
    EXPECT_EQ(Formate("%s", {-12}), "-12");
}

TEST(Cp1252, ConvertsBothWaysAndReplacesWhatTheCodePageLacks)
{
    const std::string utf8 = "é°€œ«»ÿ";
    const std::string cp = Utf8VersCp1252(utf8);
    EXPECT_EQ(cp, "\xE9\xB0\x80\x9C\xAB\xBB\xFF");
    EXPECT_EQ(Cp1252VersUtf8(cp), utf8);
    EXPECT_EQ(Utf8VersCp1252("a\xE2\x82"), "a??"); // truncated sequence
    EXPECT_EQ(Utf8VersCp1252("日本"), "??");
    EXPECT_EQ(Cp1252VersUtf8("\x81"), "\xC2\x81");
}

TEST(TexteBilingue, SelectsByLanguage)
{
    constexpr TexteBilingue t{"Numéro", "Number"};
    EXPECT_EQ(t.Selon(Francais), "Num\xE9ro");
    EXPECT_EQ(t.Selon(Anglais), "Number");
}
