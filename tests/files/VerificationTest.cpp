#include "../model/Programmes.h"

#include "files/Verification.h"
#include "model/Cp1252.h"

#include <map>

using namespace Zent;
using namespace Zent::Fichier;
using namespace ZentTest;

namespace {

// Cells as the time table shows them, with some overridden.
struct Verif {
    CQ52 modele;
    std::map<std::pair<int, int>, std::string> cellules;
    std::string titre = "Finale";
    std::vector<std::string> erreurs, avertissements;

    void Lance(Langue l)
    {
        DocumentAVerifier d;
        d.Modele = &modele;
        d.Titre = titre;
        d.SeparateurDecimal = ',';
        d.Cellule = [this](int col, int lig) {
            const auto it = cellules.find({col, lig});
            if (it != cellules.end())
                return it->second;
            const UnTir& t = modele.Tir(lig - 1);
            if (col == 1)
                return std::to_string(t.Voie);
            return TexteDecimal(ArrondiDixieme(col == 3 ? t.Retard : t.RetardAbsolu), ',');
        };
        VerificationProgramme(d, l, erreurs, avertissements);
        for (auto* liste : {&erreurs, &avertissements})
            for (auto& texte : *liste)
                texte = Cp1252VersUtf8(texte);
    }
};

} // namespace

TEST(Verification, ACorrectNamedProgramGivesNothing)
{
    Verif v;
    Construit(v.modele, {{0, true, 0}, {1, false, 1.5}, {2, true, 3}});
    v.Lance(Francais);
    EXPECT_TRUE(v.erreurs.empty());
    EXPECT_TRUE(v.avertissements.empty());
}

TEST(Verification, MissingNameIsTheOnlyError)
{
    for (const char* titre : {"", "   "}) {
        Verif v;
        v.titre = titre;
        v.Lance(Francais);
        EXPECT_EQ(v.erreurs, (std::vector<std::string>{
                                 "Nom Programme ERREUR : Vous n'avez pas saisi de nom pour le programme en mémoire, "
                                 "vous devez en saisir un."}));
        v.Lance(Anglais);
        EXPECT_EQ(v.erreurs, (std::vector<std::string>{
                                 "Program Name ERROR : You dont have named the show program, you must give a name."}));
    }
}

TEST(Verification, RepeatedChannelsWarnAtEachLaterShot)
{
    Verif v;
    std::vector<TirVoulu> tirs{{0, true, 0}};
    for (int i = 1; i < 10; ++i)
        tirs.push_back({i == 2 || i == 5 || i == 9 ? 7 : 100 + i, true, 1});
    Construit(v.modele, tirs);
    v.Lance(Francais);
    EXPECT_TRUE(v.erreurs.empty());
    EXPECT_EQ(v.avertissements, (std::vector<std::string>{
                                    "Tir n°005, ATTENTION : La voie n°7 est déjà utilisée au tir N°2.",
                                    "Tir n°009, ATTENTION : La voie n°7 est déjà utilisée au tir N°2."}));
    v.Lance(Anglais);
    EXPECT_EQ(v.avertissements[0], "Shot n°005, WARNING : Way n°7 already used for the shot n°2.");
}

TEST(Verification, BackupChannelAndCorruptedRecords)
{
    Verif v;
    Construit(v.modele, {{0, true, 0}, {1, false, 1}, {2, false, 1}, {3, false, 1}});
    v.modele.SetVoieSecours(2, 1); // F7
    CQ52AccesTest::Tir(v.modele, 2).RetardAbsolu = 1.05;
    CQ52AccesTest::Tir(v.modele, 3).RetardAbsolu = 5.0;
    v.cellules[{4, 3}] = "1,1";
    v.cellules[{4, 4}] = "5";
    v.Lance(Francais);
    EXPECT_EQ(v.erreurs, (std::vector<std::string>{
                             "Tir n°001, ERREUR : La voie n°1 est affectée à la touche F7.",
                             "Tir n°002, ERREUR : Le retard absolu 1.050000s n'est pas bon.",
                             "Tir n°002, ERREUR : Le temps absolu, 1.100000s, affiché ne correspond pas au temps "
                             "mémorisé, 1.050000s",
                             "Tir n°003, ERREUR : Il y a une difference entre le temps entre tirs et le temps total.",
                         }));
}

TEST(Verification, CellsThatDifferOrDoNotParse)
{
    Verif v;
    Construit(v.modele, {{0, true, 0}, {1, false, 2.5}, {2, false, 1}});
    v.cellules[{1, 2}] = "8";
    v.cellules[{3, 2}] = "2.5"; // a point under comma settings
    v.cellules[{1, 3}] = "x2";
    v.cellules[{3, 3}] = "-1";
    v.cellules[{4, 3}] = "3,54"; // rounds to the model's 3,5
    v.Lance(Francais);
    EXPECT_EQ(v.erreurs, (std::vector<std::string>{
                             "Tir n°001, ERREUR : La valeur de voie n°8 affichée ne correspond pas à la valeur "
                             "mémorisée 1.",
                             "Tir n°001, ERREUR : La valeur \"2.5\" saisie n'est pas un nombre.",
                             "Tir n°002, ERREUR : La valeur \"x2\" saisie n'est pas un entier.",
                             "Tir n°002, ERREUR : La valeur \"-1\" saisie n'est pas un nombre.",
                         }));
    v.cellules[{3, 2}] = "2,7";
    v.Lance(Anglais);
    EXPECT_EQ(v.erreurs[1], "Shot n°001, ERROR : The relative time, 2.700000s, displayed do not coincide with the "
                            "memorized time, 2.500000s.");
}
