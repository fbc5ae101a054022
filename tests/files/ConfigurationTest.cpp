#include "files/Configuration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace Zent;

namespace {

class Configuration : public ::testing::Test {
protected:
    void SetUp() override
    {
        char modele[] = "/tmp/zentora-cfg-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        Racine = modele;
        Chemin = (Racine / NomConfiguration).string();
    }
    void TearDown() override { std::filesystem::remove_all(Racine); }
    void Ecrit(const std::string& contenu) { std::ofstream(Chemin, std::ios::binary) << contenu; }
    std::string Lit()
    {
        std::ifstream f(Chemin, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::filesystem::path Racine;
    std::string Chemin;
};

} // namespace

TEST_F(Configuration, AFirstStartCreatesTheFileForFrench)
{
    EXPECT_EQ(LitLangue(Chemin), 0);
    EXPECT_EQ(Lit(), std::string("Langue=0;\n\r"));
    EXPECT_EQ(Lit().size(), 11u);
}

TEST_F(Configuration, ReadingRules)
{
    const struct {
        const char* contenu;
        int langue;
    } cas[] = {
        {"Langue=1;\n\r", 1}, {"Langue = 1 ;", 1}, {"  x Langue=1;", 1}, {"Langue=2;", 2},
        {"Langue=x;", 0},     {"Langue=1", 0},     {"Langue 1;", 0},     {"", 0},
        {"langue=1;", 1}, // no key: the whole text is read
    };
    for (const auto& c : cas) {
        Ecrit(c.contenu);
        EXPECT_EQ(LitLangue(Chemin), c.langue) << c.contenu;
        EXPECT_EQ(Lit(), c.contenu); // reading never rewrites
    }
}

TEST_F(Configuration, WritingAndItsPlace)
{
    ASSERT_TRUE(EcritLangue(Chemin, 1));
    EXPECT_EQ(Lit(), std::string("Langue=1;\n\r"));
    ASSERT_TRUE(EcritLangue(Chemin, 0));
    EXPECT_EQ(Lit(), std::string("Langue=0;\n\r"));
    EXPECT_FALSE(LitLangue("/proc/zentora/ZentoraV1.CFG").has_value());

    setenv("ZENTORA_CONFIG_DIR", Racine.c_str(), 1);
    EXPECT_EQ(CheminConfiguration(), Chemin);
    unsetenv("ZENTORA_CONFIG_DIR");
    setenv("XDG_CONFIG_HOME", "/x/y", 1);
    EXPECT_EQ(CheminConfiguration(), "/x/y/ZentoraV1.CFG");
    unsetenv("XDG_CONFIG_HOME");
}
