#include "Document.h"

#include "ui/core/PorteTransfert.h"
#include "ui/core/TDilogueAfficheListe.h"

using namespace Zent;
using namespace ZentTest;

namespace {

// Shot 1 on the channel of shot 0's neighbour and on a backup key, shot 2
// repeating shot 1's channel: errors and a warning on the same shots.
void Programme(TFenetreEnfant& doc)
{
    CQ52& m = doc.Modele();
    m.CreerTirVoie(1, 5);
    m.CreerTirVoie(2, 5);
    m.CreerTirVoie(3, 9);
    m.SetVoieSecours(0, 9);
    doc.TableTemps().ActulaiserAffichage();
    doc.TableTemps().SetCellule(3, 3, "x"); // shot 2's delay cell does not parse
}

std::vector<std::string> Utf8(const std::vector<std::string>& textes)
{
    std::vector<std::string> r;
    for (const auto& t : textes)
        r.push_back(Cp1252VersUtf8(t));
    return r;
}

using VerificationListe = DocumentFixture;

} // namespace

TEST_F(VerificationListe, MergedInShotOrderWithTheLanguageDecidingTies)
{
    Programme(doc);
    doc.StringTitreChange("Bal");
    doc.VerificationProgramme();
    TDilogueAfficheListe liste;
    liste.SetListeErreurs(&doc.ListeErreurs());
    liste.SetListeAvertissements(&doc.ListeAvertissements());
    EXPECT_TRUE(liste.ErreursCochees());
    EXPECT_EQ(Utf8(liste.Contenu()), (std::vector<std::string>{
                                         "Tir n°002, ATTENTION : La voie n°5 est déjà utilisée au tir N°1.",
                                         "Tir n°002, ERREUR : La valeur \"x\" saisie n'est pas un nombre.",
                                         "Tir n°003, ERREUR : La voie n°9 est affectée à la touche F5.",
                                     }));
    liste.CheckErreurClick(false);
    EXPECT_EQ(liste.Contenu().size(), 1u);

    doc.AppliqueLangue(Anglais); // rebuilds the table from the model
    doc.TableTemps().SetCellule(3, 3, "x");
    doc.VerificationProgramme();
    liste.CheckErreurClick(true);
    EXPECT_EQ(Utf8(liste.Contenu()), (std::vector<std::string>{
                                         "Shot n°002, ERROR : The value x is not a number.",
                                         "Shot n°002, WARNING : Way n°5 already used for the shot n°1.",
                                         "Shot n°003, ERROR : the way N°9 is destined to the pushbutton F5.",
                                     }));

    TDilogueAfficheListe seule;
    seule.SetListeAvertissements(&doc.ListeAvertissements());
    seule.CheckErreurClick(true); // no list given: stays unchecked
    EXPECT_FALSE(seule.ErreursCochees());
    EXPECT_FALSE(seule.ErreursActives());
    EXPECT_EQ(seule.Contenu().size(), 1u);
}

TEST_F(VerificationListe, VerificationAppliesThePendingEditFirst)
{
    doc.StringTitreChange("Bal");
    doc.Modele().CreerTirComplet(1, 1, false, false);
    doc.TableTemps().ActulaiserAffichage();
    ASSERT_TRUE(doc.TableTemps().DeplaceVers(3, 2));
    Tape(doc.TableTemps(), "2,5");
    doc.AfficheVerification();
    EXPECT_NEAR(doc.Modele().Tir(1).Retard, 2.5, 1e-9);
    EXPECT_TRUE(doc.ListeErreurs().empty());
    EXPECT_EQ(hote.listesAffichees, 0); // nothing found, nothing shown
}

TEST_F(VerificationListe, TransferGate)
{
    EXPECT_FALSE(PorteTransfert(nullptr, messages, sons, Francais));
    EXPECT_EQ(sons.joues.back(), Son::Erreur);
    EXPECT_EQ(messages.Dernier(),
              "Il n'y a pas de programme de tir ouvert.\nLa programmation ne pourra pas être effectuée\n");

    Programme(doc); // errors, and no name
    EXPECT_FALSE(PorteTransfert(&doc, messages, sons, Anglais));
    EXPECT_EQ(hote.listesAffichees, 1);
    EXPECT_EQ(messages.Dernier(), "There is 3 error(s) and 1 warning(s) in this program. \nProgramming can't be "
                                  "done.\n To program, you must correct all errors");

    TFenetreEnfant avertie(messages, sons, ',', &hote);
    avertie.StringTitreChange("Bal");
    avertie.Modele().CreerTirVoie(1, 0);
    avertie.TableTemps().ActulaiserAffichage();
    messages.reponses.push_back(Reponse::Non);
    EXPECT_FALSE(PorteTransfert(&avertie, messages, sons, Francais));
    EXPECT_EQ(messages.affiches.back().boutons, Boutons::OuiNon);
    EXPECT_EQ(messages.Dernier(), "Il y a 1 Avertissement(s). Les avertissements n'empêchent pas la "
                                  "programmation.\n\n Voulez vous programmer tout de même ?");
    messages.reponses.push_back(Reponse::Oui);
    EXPECT_TRUE(PorteTransfert(&avertie, messages, sons, Francais));

    TFenetreEnfant correcte(messages, sons, ',', &hote);
    correcte.StringTitreChange("Bal");
    const auto avant = messages.affiches.size();
    EXPECT_TRUE(PorteTransfert(&correcte, messages, sons, Francais));
    EXPECT_EQ(messages.affiches.size(), avant);
}
