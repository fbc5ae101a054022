#include "model/TypeListeSatelites.h"

#include <gtest/gtest.h>

using namespace Sate;

TEST(CQ31, SixtyGroupsPreBindOutputs)
{
    CQ31 libre("A", 0, SoixantaineAucune);
    TypeListeLignes liste{99};
    EXPECT_TRUE(libre.ListeSortiesLibres(liste));
    ASSERT_EQ(liste.size(), 60u);
    for (std::uint32_t i = 0; i < 60; ++i) {
        EXPECT_EQ(liste[i], i);
        EXPECT_EQ(libre.GetVoieSortie(i), -1);
        EXPECT_EQ(libre.GetDescriptionSortie(i), "");
    }

    const struct {
        int groupe;
        std::int32_t sortie0, sortie59;
    } cas[] = {{0, 0, 59}, {3, 180, 239}, {9, 540, 599}, {11, -1, -1}, {-1, -1, -1}};
    for (const auto& c : cas) {
        CQ31 s("S", 1, c.groupe);
        EXPECT_EQ(s.GetVoieSortie(0), c.sortie0) << c.groupe;
        EXPECT_EQ(s.GetVoieSortie(59), c.sortie59) << c.groupe;
    }
    CQ31 plein("B", 0, 9);
    EXPECT_FALSE(plein.ListeSortiesLibres(liste));
    EXPECT_TRUE(liste.empty());

    plein.SetDescriptionSortie(4, "bombe");
    plein.InitialisationSorties(SoixantaineAucune);
    EXPECT_EQ(plein.GetDescriptionSortie(4), "");
    EXPECT_EQ(plein.GetVoieSortie(4), -1);
}

TEST(CQ31, ChannelBindingRules)
{
    CQ31 s("A", 0, SoixantaineAucune);
    EXPECT_TRUE(s.SetVoieSortie(5, 599));
    EXPECT_FALSE(s.SetVoieSortie(5, 600));
    EXPECT_EQ(s.GetVoieSortie(5), 599);
    EXPECT_TRUE(s.SetVoieSortie(7, 12));
    EXPECT_FALSE(s.SetVoieSortie(5, 12));
    EXPECT_TRUE(s.SetVoieSortie(7, -1));
    EXPECT_TRUE(s.SetVoieSortie(5, 12));
    EXPECT_FALSE(s.SetVoieSortie(5, 12)); // its own binding counts
    EXPECT_EQ(s.GetVoieSortie(5), 12);
    EXPECT_TRUE(s.SetVoieSortie(5, -7)); // any negative means none
    EXPECT_EQ(s.GetVoieSortie(5), -1);

    EXPECT_FALSE(s.SetVoieSortie(60, 3));
    EXPECT_EQ(s.GetVoieSortie(60), -2);
    EXPECT_EQ(s.GetDescriptionSortie(60), "");
    s.SetDescriptionSortie(60, "perdu");

    EXPECT_TRUE(s.VoieAffectable(-1));
    EXPECT_FALSE(s.VoieAffectable(600));
}

TEST(CQ31, RechSortieDeLaVoieAndMovingABinding)
{
    CQ31 s("A", 0, 0); // output i carries channel i
    EXPECT_EQ(s.RechSortieDeLaVoie(12), 12);
    EXPECT_EQ(s.RechSortieDeLaVoie(100), -1);
    s.AffecteVoieSortie(12, 40); // output 40 drops channel 40 for 12
    EXPECT_EQ(s.GetVoieSortie(12), -1);
    EXPECT_EQ(s.GetVoieSortie(40), 12);
    EXPECT_EQ(s.RechSortieDeLaVoie(40), -1);

    CQ31 t("B", 0, SoixantaineAucune);
    t.AffecteVoieSortie(12, 3);
    t.AffecteVoieSortie(12, 9);
    EXPECT_EQ(t.GetVoieSortie(3), -1);
    EXPECT_EQ(t.GetVoieSortie(9), 12);
    EXPECT_EQ(t.RechSortieDeLaVoie(-1), 0); // lowest free output
    t.AffecteVoieSortie(12, -1);
    EXPECT_EQ(t.RechSortieDeLaVoie(12), -1);
}

TEST(CQ31, TexteUneSortieAndDescriptions)
{
    CQ31 s("A", 0, SoixantaineAucune);
    const std::string texte = "Ch\xE2ssis \xAB" "est\xBB";
    s.SetDescriptionSortie(3, texte);
    std::vector<std::string> textes{"x"};
    EXPECT_TRUE(s.TexteUneSortie(3, textes));
    EXPECT_EQ(textes, (std::vector<std::string>{"3", "", texte}));
    s.SetVoieSortie(3, 45);
    EXPECT_TRUE(s.TexteUneSortie(3, textes));
    EXPECT_EQ(textes, (std::vector<std::string>{"3", "45", texte}));
    EXPECT_FALSE(s.TexteUneSortie(60, textes));
    EXPECT_EQ(textes.size(), 3u);
    s.SetDescriptionSortie(3, "");
    EXPECT_EQ(s.GetDescriptionSortie(3), "");
}

TEST(CQ31, IdentityAndSerialNumber)
{
    CQ31 s("Sat A", 412345678, SoixantaineAucune);
    EXPECT_EQ(s.GetNomSatelite(), "Sat A");
    EXPECT_TRUE(s.EstNumSerie(412345678));
    s.SetNumSerie(4294967295u);
    EXPECT_EQ(s.GetNumSerie(), 4294967295u);
    EXPECT_FALSE(s.EstNumSerie(412345678));
}

TEST(TypeListeSatelites, LookupsAndOwnership)
{
    TypeListeSatelites liste;
    EXPECT_EQ(liste.RechSatelite("Sat A"), nullptr);
    EXPECT_FALSE(liste.NumSerieSatExiste(5));

    CQ31& a = liste.Ajoute(std::make_unique<CQ31>("Sat A", 0, SoixantaineAucune));
    CQ31& b = liste.Ajoute(std::make_unique<CQ31>("Sat B", 600000001, SoixantaineAucune));
    liste.Ajoute(std::make_unique<CQ31>("Sat A", 7, SoixantaineAucune)); // duplicates: the first wins

    EXPECT_EQ(liste.RechSatelite("Sat A"), &a);
    EXPECT_EQ(liste.RechSatelite("sat a"), nullptr);
    EXPECT_EQ(liste.RechSatelite(""), nullptr);
    EXPECT_EQ(liste.RechSatelite("Sat B"), &b);
    EXPECT_FALSE(liste.NumSerieSatExiste(0)); // even though Sat A has 0
    EXPECT_TRUE(liste.NumSerieSatExiste(600000001));
    EXPECT_TRUE(liste.NumSerieSatExiste(7));

    // Two satellites of one document may carry the same channel.
    EXPECT_TRUE(a.SetVoieSortie(0, 12));
    EXPECT_TRUE(b.SetVoieSortie(0, 12));

    EXPECT_TRUE(liste.Supprime(&a));
    EXPECT_FALSE(liste.Supprime(&a));
    EXPECT_EQ(liste.Nombre(), 2u);
    EXPECT_EQ(&liste[0], &b);
    EXPECT_EQ(liste.RechSatelite("Sat A")->GetNumSerie(), 7u);
    liste.Efface();
    EXPECT_TRUE(liste.EstVide());
}
