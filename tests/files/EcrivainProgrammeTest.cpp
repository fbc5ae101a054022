#include "Exemples.h"

#include "files/EcrivainProgramme.h"
#include "files/LecteurProgramme.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Zent;
using namespace Zent::Fichier;
using namespace ZentTest;

namespace {

struct Document {
    CQ52 modele;
    Sate::TypeListeSatelites satelites;
    DocumentAEcrire Vue(char separateur = ',')
    {
        DocumentAEcrire d;
        d.Titre = "Feu du port";
        d.NumeroSerie = "1234";
        d.Version = "2";
        d.Modele = &modele;
        d.Satelites = &satelites;
        d.SeparateurDecimal = separateur;
        return d;
    }
};

void Exemple(Document& d)
{
    d.modele.CreerTirComplet(1, 1, false, false);
    d.modele.SetRetard(1, 1.5, false);
    d.modele.SetDescription(1, "Ouverture");
    d.modele.CreerTirComplet(2, 2, false, false);
    d.modele.SetRetard(2, 1.5, false);
    d.modele.SetDescription(2, "Bouquet final");
    auto& nord = d.satelites.Ajoute(std::make_unique<Sate::CQ31>("Nord", 400000000, Sate::SoixantaineAucune));
    nord.SetVoieSortie(0, 1);
    nord.SetVoieSortie(1, 2);
}

std::string Contenu(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Dossier : public ::testing::Test {
protected:
    void SetUp() override
    {
        char modele[] = "/tmp/zentora-fichier-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        Racine = modele;
    }
    void TearDown() override { std::filesystem::remove_all(Racine); }
    std::filesystem::path Racine;
};

} // namespace

TEST(EcrivainProgramme, WorkedExampleByteForByte)
{
    Document d;
    Exemple(d);
    EXPECT_EQ(ContenuProgramme(d.Vue(',')), Texte(LignesExemple()));
}

TEST(EcrivainProgramme, VersionThreeWithoutSatellitesAndTimesInBothSeparators)
{
    Document d;
    Exemple(d);
    d.satelites.Efface();
    const std::string virgule = ContenuProgramme(d.Vue(','));
    EXPECT_EQ(virgule.rfind("VersionFichier ; 3\n", 0), 0u);
    EXPECT_EQ(virgule.find("NbSatelite"), std::string::npos);
    EXPECT_EQ(virgule.find("FinTir"), std::string::npos);
    EXPECT_NE(virgule.find("\n1 ; 1 ; 1,5 ; Ouverture\n"), std::string::npos);
    EXPECT_NE(virgule.find("\n2 ; 1 ; 3 ; Bouquet final\n"), std::string::npos);
    const std::string point = ContenuProgramme(d.Vue('.'));
    EXPECT_NE(point.find("\n1 ; 1 ; 1.5 ; Ouverture\n"), std::string::npos);

    for (const std::string& contenu : {virgule, point}) {
        std::istringstream flux(contenu);
        ProgrammeLu lu;
        ASSERT_EQ(LitProgramme(flux, lu), ErreurLecture::Aucune);
        EXPECT_DOUBLE_EQ(lu.Tirs[1].Temps, 1.5);
        EXPECT_DOUBLE_EQ(lu.Tirs[2].Temps, 3.0);
    }
}

TEST(EcrivainProgramme, TextsSurviveARoundTripAndNeverBreakTheFormat)
{
    Document d;
    Exemple(d);
    const std::string riche = "Bombe; \xE9toile \xAB" "75\xBB; fin";
    d.modele.SetDescription(1, riche);
    d.modele.SetDescription(2, "ligne\ncoup\xE9" "e");
    d.satelites[0].SetDescriptionSortie(5, "Caisson; \xC9st");
    DocumentAEcrire vue = d.Vue();
    vue.Titre = std::string(200, 'T');
    vue.Version = "v\r\n2";
    std::istringstream flux(ContenuProgramme(vue));
    ProgrammeLu lu;
    ASSERT_EQ(LitProgramme(flux, lu), ErreurLecture::Aucune);
    EXPECT_EQ(lu.Tirs[1].Description, riche);
    EXPECT_EQ(lu.Tirs[2].Description, "ligne coup\xE9" "e");
    EXPECT_EQ(lu.VersionProgramme, "v  2");
    EXPECT_EQ(lu.Titre, std::string(99 - 16, 'T'));
    EXPECT_EQ(lu.Satelites[0]->GetDescriptionSortie(5), "Caisson; \xC9st");
}

TEST(EcrivainProgramme, BackupNames)
{
    const struct {
        const char* chemin;
        const char* sauvegarde;
    } cas[] = {{"/a/show.tir", "/a/show.Bak"}, {"/a/show.v2.TIR", "/a/show.v2.Bak"},
               {"/a.b/show", "/a.b/show.Bak"}, {"show", "show.Bak"}};
    for (const auto& c : cas)
        EXPECT_EQ(NomSauvegarde(c.chemin), c.sauvegarde) << c.chemin;
}

TEST_F(Dossier, SavingOverAFileKeepsItAsTheBackup)
{
    Document d;
    Exemple(d);
    const auto chemin = Racine / "show.tir";
    const auto sauvegarde = Racine / "show.Bak";
    std::ofstream(chemin) << "ancien";
    std::ofstream(sauvegarde) << "plus ancien";
    ASSERT_TRUE(EcritFichierProgramme(chemin.string(), d.Vue()));
    EXPECT_EQ(Contenu(sauvegarde), "ancien");
    EXPECT_EQ(Contenu(chemin), ContenuProgramme(d.Vue()));

    EXPECT_FALSE(EcritFichierProgramme((Racine / "absent" / "x.tir").string(), d.Vue()));
}

TEST_F(Dossier, AFailedWriteRemovesThePartialFileAndKeepsTheBackup)
{
    Document d;
    Exemple(d);
    const auto chemin = Racine / "show.tir";
    std::ofstream(chemin) << "ancien";
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        // A file size limit makes the write fail half way, as a full disk would.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{100, 100};
        setrlimit(RLIMIT_FSIZE, &limite);
        _exit(EcritFichierProgramme(chemin.string(), d.Vue()) ? 0 : 3);
    }
    int etat = 0;
    ASSERT_EQ(waitpid(enfant, &etat, 0), enfant);
    ASSERT_TRUE(WIFEXITED(etat));
    EXPECT_EQ(WEXITSTATUS(etat), 3);
    EXPECT_FALSE(std::filesystem::exists(chemin));
    EXPECT_EQ(Contenu(Racine / "show.Bak"), "ancien");
}
