#include "Document.h"

#include "../files/Exemples.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace Zent;
using namespace ZentTest;

namespace {

class DocumentFichier : public DocumentFixture {
protected:
    void SetUp() override
    {
        char modele[] = "/tmp/zentora-doc-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        Racine = modele;
    }
    void TearDown() override { std::filesystem::remove_all(Racine); }

    std::string Ecrit(const std::string& nom, const std::string& contenu)
    {
        const auto chemin = (Racine / nom).string();
        std::ofstream(chemin, std::ios::binary) << contenu;
        return chemin;
    }
    static std::string Lit(const std::string& chemin)
    {
        std::ifstream f(chemin, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // Types into the time table the way a user does.
    void Saisit(TFenetreEnfant& d, int col, int lig, const std::string& texte)
    {
        ASSERT_TRUE(d.TableTemps().DeplaceVers(col, lig)) << col << "," << lig;
        Tape(d.TableTemps(), texte);
        char tab = ToucheTab;
        d.TableTemps().KeyPress(tab);
    }

    std::filesystem::path Racine;
};

} // namespace

TEST_F(DocumentFichier, TheWorkedExampleTypedInIsSavedByteForByte)
{
    doc.StringTitreChange("Feu du port");
    doc.NumeroSerieChange("1234");
    doc.VersionChange("2");
    doc.RadioGroupModeCreationClick(1);
    ASSERT_TRUE(doc.TableTemps().DeplaceVers(1, 2)); // appends shot 1
    Saisit(doc, 3, 2, "1,5");
    Saisit(doc, 6, 2, "Ouverture");
    ASSERT_TRUE(doc.TableTemps().DeplaceVers(1, 3));
    Saisit(doc, 4, 3, "3");
    Saisit(doc, 6, 3, "Bouquet final");
    ASSERT_EQ(doc.AjoutSatelite("Nord", 400000000, Sate::SoixantaineAucune), 0);
    doc.RechSatelite("Nord")->SetVoieSortie(0, 1);
    doc.RechSatelite("Nord")->SetVoieSortie(1, 2);
    EXPECT_TRUE(messages.affiches.empty()) << messages.Dernier();

    doc.SetNomFichier((Racine / "Feu du port.tir").string());
    ASSERT_TRUE(doc.EcritureFichier());
    EXPECT_EQ(Lit(doc.NomFichier()), Texte(LignesExemple()));
    EXPECT_EQ(doc.Caption(), "Feu du port");
    EXPECT_FALSE(doc.FichierModifie());
}

TEST_F(DocumentFichier, ASavedDocumentReadsBackTheSame)
{
    doc.StringTitreChange("Grande finale");
    doc.VersionChange("v3");
    doc.SecoursChange(1, "250");
    doc.LabelEditVoieSecourChange();
    CQ52& m = doc.Modele();
    for (int i = 1; i <= 8; ++i) {
        m.CreerTirComplet(i, 20 + i, i % 3 == 0, false);
        m.SetRetard(i, 0.3 * i, false);
        m.SetDescription(i, "Bombe \xE9toil\xE9" "e; n\xB0" + std::to_string(i));
    }
    doc.AjoutSatelite("Quai \xC9st", 412345678, 2);
    doc.RechSatelite("Quai \xC9st")->SetDescriptionSortie(7, "Caisson 7");
    doc.TableTemps().ActulaiserAffichage();
    doc.SetNomFichier((Racine / "finale.tir").string());
    ASSERT_TRUE(doc.EcritureFichier());

    MessagesScriptes m2;
    TFenetreEnfant relu(m2, sons, ',');
    ASSERT_TRUE(relu.LectureFichier(doc.NomFichier())) << m2.Dernier();
    EXPECT_TRUE(m2.affiches.empty()) << m2.Dernier();
    EXPECT_TRUE(relu.FichierModifie());
    EXPECT_EQ(relu.Titre(), "Grande finale");
    EXPECT_EQ(relu.Version(), "v3");
    EXPECT_EQ(relu.TexteSecours(1), "250");
    ASSERT_EQ(relu.Modele().GetNbTirs(), 9u);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const UnTir& a = m.Tir(i);
        const UnTir& b = relu.Modele().Tir(i);
        EXPECT_EQ(a.Voie, b.Voie);
        EXPECT_EQ(a.Manuel, b.Manuel);
        EXPECT_EQ(ArrondiDixieme(a.Retard), ArrondiDixieme(b.Retard));
        EXPECT_EQ(ArrondiDixieme(a.RetardAbsolu), ArrondiDixieme(b.RetardAbsolu));
        EXPECT_EQ(a.Description, b.Description);
    }
    std::vector<std::string> ligne;
    ASSERT_TRUE(relu.TableTemps().TextLigneDeTir(4, ligne));
    std::vector<std::string> attendu;
    doc.TableTemps().TextLigneDeTir(4, attendu);
    EXPECT_EQ(ligne, attendu);
    EXPECT_EQ(relu.Onglets(), doc.Onglets());
    Sate::CQ31* quai = relu.RechSatelite("Quai \xC9st");
    ASSERT_NE(quai, nullptr);
    EXPECT_EQ(quai->GetNumSerie(), 412345678u);
    EXPECT_EQ(quai->GetVoieSortie(0), 120);
    EXPECT_EQ(quai->GetDescriptionSortie(7), "Caisson 7");
    relu.VerificationProgramme();
    EXPECT_TRUE(relu.ListeErreurs().empty()) << relu.ListeErreurs().front();

    // Without its satellite the document goes back to version 3.
    ASSERT_TRUE(relu.SuppressionSatelite("Quai \xC9st"));
    relu.SetNomFichier((Racine / "sans.tir").string());
    ASSERT_TRUE(relu.EcritureFichier());
    EXPECT_EQ(Lit(relu.NomFichier()).rfind("VersionFichier ; 3\n", 0), 0u);
}

TEST_F(DocumentFichier, RefusedLoadsShowOneMessageInTheDocumentLanguage)
{
    const struct {
        const char* nom;
        std::string contenu;
        Langue langue;
        const char* message;
    } cas[] = {
        {"vide.tir", "", Francais,
         "Le fichier n'est pas accessible \n\n\r L'opération en cours ne sera pas effectuée"},
        {"autre.tir", "VersionFichier ; 3\nTypeAppareil ; Autre\n", Anglais,
         "The version of your device is not compatible with the software.\n\rYou must choose a file for a Zentora"},
        {"trop.tir",
         "VersionFichier ; 3\nTypeAppareil ; Zentora\nTitreListeTir ; a\nNumeroSerie ; 1\nVersion ; 1\n"
         "NbVoieSecours ; 4\nNbTir ; 601\n",
         Francais,
         "Le nombre de tirs est trop important.\n\rLe fichier ne peut pas être traité\n\rLe nombre de tirs maximum "
         "accepté est de 600"},
        {"coupe.tir", "VersionFichier ; 3\nTypeAppareil ; Zentora\n", Anglais,
         "Data file are invalid\n\n\rReading of the file will aborted"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        MessagesScriptes m;
        TFenetreEnfant d(m, sons, ',');
        d.AppliqueLangue(c.langue);
        d.StringTitreChange("x");
        EXPECT_FALSE(d.LectureFichier(Ecrit(c.nom, c.contenu)));
        ASSERT_EQ(m.affiches.size(), 1u);
        EXPECT_EQ(m.Dernier(), c.message);
        EXPECT_FALSE(d.FichierModifie());
    }
}

TEST_F(DocumentFichier, DuplicateSatellitesInAFileAreRefused)
{
    auto lignes = LignesExemple();
    lignes[5] = "NbSatelite ; 2";
    auto bloc = std::vector<std::string>(lignes.begin() + 20, lignes.end());
    lignes.insert(lignes.end(), bloc.begin(), bloc.end());
    EXPECT_FALSE(doc.LectureFichier(Ecrit("double.tir", Texte(lignes))));
    EXPECT_EQ(messages.affiches.size(), 1u);

    // The same name twice but serial number 0: still a name clash.
    for (std::size_t i : {std::size_t{22}, 22 + bloc.size()})
        lignes[i] = "NumSerieSat ;0";
    MessagesScriptes m;
    TFenetreEnfant d(m, sons, ',');
    EXPECT_FALSE(d.LectureFichier(Ecrit("double0.tir", Texte(lignes))));

    lignes[21 + bloc.size()] = "NomSatelite ;Sud";
    MessagesScriptes m3;
    TFenetreEnfant d3(m3, sons, ',');
    EXPECT_TRUE(d3.LectureFichier(Ecrit("deux.tir", Texte(lignes)))) << m3.Dernier();
    EXPECT_EQ(d3.Onglets(), (std::vector<std::string>{"Temps ", "Sorties", "Nord", "Sud"}));
}

TEST_F(DocumentFichier, ABackupOnChannelZeroKeepsTheKey)
{
    auto lignes = LignesExemple();
    lignes[11] = "VoieSecour ; 1 ; 0";
    ASSERT_TRUE(doc.LectureFichier(Ecrit("zero.tir", Texte(lignes))));
    EXPECT_EQ(doc.TexteSecours(1), "597");
}

TEST_F(DocumentFichier, AFailedSaveClearsTheFileName)
{
    doc.SetNomFichier((Racine / "absent" / "x.tir").string());
    EXPECT_FALSE(doc.EcritureFichier());
    EXPECT_EQ(messages.Dernier(), "Une erreur d'enregistrement s'est produite.\n\rLe fichier n'a pas pu être enregistré.");
    EXPECT_TRUE(doc.NomFichier().empty());
}
