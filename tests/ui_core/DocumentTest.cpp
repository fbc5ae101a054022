#include "Document.h"

using namespace Zent;
using namespace ZentTest;

namespace {
using Document = DocumentFixture;
}

TEST_F(Document, BackupFieldsRefuseInvalidAndTakenChannels)
{
    doc.SecoursChange(1, "700");
    doc.LabelEditVoieSecourChange();
    EXPECT_EQ(messages.Dernier(),
              "Le numero de voie de secours 700 n'est pas valide\n\r  -Il n'est pas compris entre 0 et 599 \n\r");
    EXPECT_EQ(doc.TexteSecours(1), "597");
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[1], 597);

    doc.SecoursChange(0, "598"); // held by F7
    doc.LabelEditVoieSecourChange();
    EXPECT_EQ(messages.Dernier(),
              "La voie n°598 est déjà une voie de secours.\n\rVous devez choisir une autre voie de secours pour le "
              "bouton F5");
    EXPECT_EQ(doc.TexteSecours(0), "596");

    doc.SecoursChange(0, "12");
    doc.LabelEditVoieSecourChange();
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[0], 12);
    EXPECT_TRUE(doc.FichierModifie());
    EXPECT_EQ(doc.EtatAnnulation(), 1);

    // Channel 0 is refused by the model: the field shows the kept channel.
    doc.SecoursChange(0, "0");
    doc.LabelEditVoieSecourChange();
    EXPECT_EQ(doc.TexteSecours(0), "12");
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[0], 12);

    char lettre = 'a';
    doc.LabelEditVoieSecourKeyPress(lettre);
    EXPECT_EQ(lettre, 0);
    EXPECT_EQ(sons.joues.back(), Son::Avertissement);
}

TEST_F(Document, ArrowsSkipBackupChannelsAndZero)
{
    // From 596 on F5 with F6 to F8 on 597 to 599, up wraps past them and past 0.
    EXPECT_TRUE(doc.UpDownVoieSecourChangingEx(0, 597, SensFleche::Haut));
    EXPECT_EQ(doc.PositionFleches(0), 1);
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[0], 1);
    EXPECT_EQ(doc.TexteSecours(0), "1");

    EXPECT_TRUE(doc.UpDownVoieSecourChangingEx(0, 0, SensFleche::Bas));
    EXPECT_EQ(doc.PositionFleches(0), 596); // 599 to 597 are taken, 596 is free again
    EXPECT_FALSE(doc.UpDownVoieSecourChangingEx(0, 596, SensFleche::Haut));
    EXPECT_TRUE(doc.UpDownVoieSecourChangingEx(3, 600, SensFleche::Aucun));
    EXPECT_EQ(doc.PositionFleches(3), 1);
    EXPECT_TRUE(messages.affiches.empty());
}

TEST_F(Document, UndoRestoresBackupChannelAndChoices)
{
    doc.RadioGroupPrioriteClick(1);
    doc.SecoursChange(2, "40");
    doc.LabelEditVoieSecourChange();
    doc.RadioGroupPrioriteClick(0);
    doc.RadioGroupModeCreationClick(1);

    doc.Annuler();
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[2], 598);
    EXPECT_EQ(doc.TexteSecours(2), "598");
    EXPECT_EQ(doc.Priorite(), 1);
    EXPECT_EQ(doc.ModeCreation(), 0);
    EXPECT_EQ(doc.TableTemps().GetModeCreationVoie(), TirManuel);
    EXPECT_FALSE(hote.commandes[CommandeDocument::Annuler]);
    EXPECT_TRUE(hote.commandes[CommandeDocument::Refaire]);

    doc.Annuler(); // a second undo in a row does nothing
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[2], 598);

    doc.Refaire();
    EXPECT_EQ(doc.Modele().VoiesDeSecours()[2], 40);
    EXPECT_EQ(doc.Priorite(), 0);
    EXPECT_EQ(doc.ModeCreation(), 1);
    EXPECT_TRUE(hote.commandes[CommandeDocument::Annuler]);
}

TEST_F(Document, HeaderFieldsMarkTheDocumentModified)
{
    EXPECT_FALSE(doc.FichierModifie());
    char lettre = 'x';
    doc.NumeroSerieKeyPress(lettre);
    EXPECT_EQ(lettre, 0);
    EXPECT_EQ(sons.joues.size(), 1u);
    EXPECT_TRUE(doc.FichierModifie()); // even a refused key
    doc.StringTitreChange(std::string(30, 'A'));
    EXPECT_EQ(doc.Titre().size(), LongueurTitreMax);
}

TEST_F(Document, ClosingAsksOnlyWhenModified)
{
    doc.SetCaption("Finale");
    EXPECT_EQ(doc.FormClose(), ReponseFermeture::Fermer);
    EXPECT_TRUE(messages.affiches.empty());

    doc.TableauOnChange();
    const struct {
        Reponse reponse;
        ReponseFermeture attendue;
    } cas[] = {{Reponse::Annuler, ReponseFermeture::Annuler},
               {Reponse::Oui, ReponseFermeture::Enregistrer},
               {Reponse::Non, ReponseFermeture::Fermer}};
    for (const auto& c : cas) {
        messages.reponses.push_back(c.reponse);
        EXPECT_EQ(doc.FormClose(), c.attendue);
        EXPECT_EQ(messages.Dernier(), "Voulez-vous sauvegarder le fichier Finale ?");
        EXPECT_EQ(messages.affiches.back().boutons, Boutons::OuiNonAnnuler);
        EXPECT_EQ(hote.fermetures.back(), c.attendue);
    }
}

TEST_F(Document, SatelliteChecks)
{
    EXPECT_EQ(doc.ControleNouveauSatelite("", 5, 10), ErrNomSatVide);
    EXPECT_EQ(doc.ControleNouveauSatelite("Temps ", 5, 10), 0); // no satellite yet: any name
    EXPECT_EQ(doc.AjoutSatelite("Nord", 400000001, 10), 0);
    EXPECT_EQ(doc.ControleNouveauSatelite("NORD", 5, 10), ErrNomSatExiste);
    EXPECT_EQ(doc.ControleNouveauSatelite("sorties", 5, 10), ErrNomSatExiste);
    EXPECT_EQ(doc.ControleNouveauSatelite("\xC9t\xE9", 5, 10), 0);
    EXPECT_EQ(doc.ControleNouveauSatelite("Sud", 400000001, 10), ErrNumSerieSatExiste);
    EXPECT_EQ(doc.ControleNouveauSatelite("Sud", 0, 10), AvertNumSerieVide);
    EXPECT_EQ(doc.ControleNouveauSatelite("Sud", 7, 11), ErrSoixantaineInconnue);
    EXPECT_EQ(doc.ControleNouveauSatelite("Sud", 7, -1), ErrSoixantaineInconnue);
}

TEST_F(Document, TabsFollowTheSatellites)
{
    EXPECT_FALSE(doc.SuppressionSatPossible());
    EXPECT_EQ(doc.AjoutSatelite("Nord", 0, 10), AvertNumSerieVide);
    EXPECT_EQ(doc.AjoutSatelite("Sud", 0, 10), AvertNumSerieVide); // serial 0 may repeat
    EXPECT_EQ(doc.Onglets(), (std::vector<std::string>{"Temps ", "Sorties", "Nord", "Sud"}));
    EXPECT_TRUE(doc.SuppressionSatPossible());

    doc.TabControlTableauChange(3);
    EXPECT_EQ(doc.Vue(), VueOnglet::Satelite);
    EXPECT_EQ(doc.SateliteAffiche(), doc.RechSatelite("Sud"));
    EXPECT_EQ(doc.NomSateliteOngletCourant(), "Sud");
    EXPECT_EQ(doc.TypeOngletCourant(), 2);
    EXPECT_FALSE(hote.commandes[CommandeDocument::InsererTir]);

    doc.AppliqueLangue(Anglais);
    EXPECT_EQ(doc.Onglets(), (std::vector<std::string>{"Time", "Output", "Nord", "Sud"}));

    EXPECT_TRUE(doc.SuppressionSatelite("Sud"));
    EXPECT_EQ(doc.OngletCourant(), 2);
    EXPECT_EQ(doc.SateliteAffiche(), doc.RechSatelite("Nord"));
    EXPECT_FALSE(doc.SuppressionSatelite("nord"));
    EXPECT_TRUE(doc.SuppressionSatelite("Nord"));
    EXPECT_EQ(doc.Onglets(), (std::vector<std::string>{"Time"}));
    EXPECT_EQ(doc.OngletCourant(), 0);
    EXPECT_EQ(doc.Vue(), VueOnglet::TableTemps);
    EXPECT_FALSE(hote.commandes[CommandeDocument::SupprimerSatelite]);
    EXPECT_TRUE(hote.commandes[CommandeDocument::InsererTir]);

    EXPECT_EQ(doc.AjoutSatelite("Est", 9, 10), 0);
    EXPECT_EQ(doc.Onglets(), (std::vector<std::string>{"Time", "Output", "Est"}));
}

TEST_F(Document, ActivationSetsTheCommandStates)
{
    doc.FormActivate();
    EXPECT_FALSE(hote.commandes[CommandeDocument::SupprimerTir]);
    EXPECT_FALSE(hote.commandes[CommandeDocument::ProgrammerSatelite]);
    EXPECT_FALSE(hote.commandes[CommandeDocument::Annuler]);
    doc.AjoutSatelite("Nord", 0, 10);
    doc.Modele().CreerTir(1);
    doc.TableTemps().ActulaiserAffichage();
    ASSERT_TRUE(doc.TableTemps().DeplaceVers(3, 2));
    doc.FormActivate();
    EXPECT_TRUE(hote.commandes[CommandeDocument::SupprimerTir]);
    EXPECT_TRUE(hote.commandes[CommandeDocument::ProgrammerSatelite]);
    EXPECT_TRUE(hote.commandes[CommandeDocument::SupprimerSatelite]);
}
