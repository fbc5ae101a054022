#include "Exemples.h"

#include "files/LecteurProgramme.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

using namespace Zent::Fichier;
using namespace ZentTest;

namespace {

ErreurLecture Lit(const std::string& contenu, ProgrammeLu& p)
{
    std::istringstream flux(contenu);
    return LitProgramme(flux, p);
}

ErreurLecture Lit(const std::string& contenu)
{
    ProgrammeLu p;
    return Lit(contenu, p);
}

std::vector<std::string> Version3(const std::vector<std::string>& tirs, const std::string& nbTir)
{
    std::vector<std::string> l = {"VersionFichier ; 3", "TypeAppareil ; Zentora", "TitreListeTir ; Finale",
                                  "NumeroSerie ; 77", "Version ; 1.2", "NbVoieSecours ; 4", "NbTir ; " + nbTir,
                                  "VoieSecour ; 0 ; 596", "VoieSecour ; 1 ; 597", "VoieSecour ; 2 ; 598",
                                  "VoieSecour ; 3 ; 599", "NumVoie ; TypeVoie ; Retard ; Description"};
    l.insert(l.end(), tirs.begin(), tirs.end());
    return l;
}

} // namespace

TEST(LecteurProgramme, ReadsTheWorkedExample)
{
    ProgrammeLu p;
    ASSERT_EQ(Lit(Texte(LignesExemple()), p), ErreurLecture::Aucune);
    EXPECT_EQ(p.Version, 4);
    EXPECT_EQ(p.Titre, "Feu du port");
    EXPECT_EQ(p.NumeroSerie, "1234");
    EXPECT_EQ(p.VersionProgramme, "2");
    ASSERT_EQ(p.Secours.size(), 4u);
    EXPECT_EQ(p.Secours[3].Voie, 599);
    ASSERT_EQ(p.Tirs.size(), 3u);
    EXPECT_EQ(p.Tirs[1].Voie, 1);
    EXPECT_FALSE(p.Tirs[1].Manuel);
    EXPECT_DOUBLE_EQ(p.Tirs[1].Temps, 1.5);
    EXPECT_EQ(p.Tirs[2].Description, "Bouquet final");
    EXPECT_EQ(p.Tirs[0].Description, "");
    ASSERT_EQ(p.Satelites.size(), 1u);
    EXPECT_EQ(p.Satelites[0]->GetNomSatelite(), "Nord");
    EXPECT_EQ(p.Satelites[0]->GetNumSerie(), 400000000u);
    EXPECT_EQ(p.Satelites[0]->GetVoieSortie(1), 2);
    EXPECT_EQ(p.Satelites[0]->GetVoieSortie(2), -1);

    // CR LF line ends and a point as separator read the same.
    ProgrammeLu q;
    ASSERT_EQ(Lit(Texte(LignesExemple(), "\r\n"), q), ErreurLecture::Aucune);
    EXPECT_DOUBLE_EQ(q.Tirs[1].Temps, 1.5);
}

TEST(LecteurProgramme, ReadsEveryVersionWithItsKeys)
{
    const std::vector<std::string> corps = {"NbVoieSecour ; 1", "NbTir ; 2", "VoieSecours ; 2 ; 100"};
    const struct {
        std::vector<std::string> entete;
        std::string colonnes;
    } cas[] = {
        {{"Version Fichier ; 1", "Appareil ; Zentora Q52", "Titre : ; Bal", "Num\xE9ro de s\xE9rie : ; 12",
          "Version : ; 3"},
         "N\xB0 de la ligne ; Type de la voie ; Retard de la voie ; Description"},
        {{"VersionFichier ; 2", "TypeIgnarion ; Zentora", "TitreListeTir ; Bal", "NumeroSerie ; 12", "Version ; 3"},
         "NumVoie ; TypeVoie ; Retard ; Description"},
        {{"VersionFichier ; 3", "# a comment", "TypeAppareil ; Zentora", "TitreListeTir ; Bal", "NumeroSerie ; 12",
          "Version ; 3"},
         "NumVoie ; TypeVoie ; Retard ; Description"},
        {{"VersionFichier ; 4", "TypeAppareil ; Zentora", "TitreListeTir ; Bal", "NumeroSerie ; 12", "Version ; 3",
          "NbSatelite ; 0"},
         "NumVoie ; TypeVoie ; Retard ; Description"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.entete[0]);
        std::vector<std::string> l = c.entete;
        l.insert(l.end(), corps.begin(), corps.end());
        l.push_back(c.colonnes);
        l.push_back("0 ; 0 ; 0 ; ");
        l.push_back("# between shots");
        l.push_back("");
        l.push_back("5 ; 1 ; 2.5 ; Bombe; 75 mm");
        if (c.entete[0].find('4') != std::string::npos)
            l.push_back("FinTir");
        ProgrammeLu p;
        ASSERT_EQ(Lit(Texte(l), p), ErreurLecture::Aucune);
        EXPECT_EQ(p.Titre, "Bal");
        EXPECT_EQ(p.NumeroSerie, "12");
        EXPECT_EQ(p.VersionProgramme, "3");
        ASSERT_EQ(p.Secours.size(), 1u);
        EXPECT_EQ(p.Secours[0].Touche, 2);
        EXPECT_EQ(p.Secours[0].Voie, 100);
        ASSERT_EQ(p.Tirs.size(), 2u);
        EXPECT_EQ(p.Tirs[1].Voie, 5);
        EXPECT_DOUBLE_EQ(p.Tirs[1].Temps, 2.5);
        EXPECT_EQ(p.Tirs[1].Description, "Bombe; 75 mm");
    }
}

TEST(LecteurProgramme, FieldRules)
{
    const struct {
        const char* ligne;
        bool accepte;
        int voie;
        bool manuel;
        double temps;
        const char* description;
    } cas[] = {
        {"3 ; 1 ; 4,5", true, 3, false, 4.5, ""},            // three fields
        {"3 ; 1 ; 4,54 ; ;x; ", true, 3, false, 4.5, "x"},  // stripped of blanks and semicolons
        {"v3 ; t1 ; 4 ; a", true, 3, false, 4.0, "a"},       // text before the number is dropped
        {"3 ; 2 ; 4 ; a", false, 0, false, 0, ""},           // type 2
        {"600 ; 0 ; 4 ; a", false, 0, false, 0, ""},         // channel beyond the console
        {"-1 ; 0 ; 4 ; a", false, 0, false, 0, ""},
        {"x ; 0 ; 4 ; a", false, 0, false, 0, ""},           // no number
        {"3 ; 0 ;  ; a", false, 0, false, 0, ""},            // empty time field with a separator
        {"3 ; 0 ; 0.05 ; a", true, 3, true, 0.0, "a"},       // ties go to the even tenth
        {"3 ; 0 ; 1e999 ; a", true, 3, true, std::numeric_limits<double>::infinity(), "a"}, // refused later
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.ligne);
        ProgrammeLu p;
        const auto code = Lit(Texte(Version3({"0 ; 0 ; 0 ; ", c.ligne}, "2")), p);
        ASSERT_EQ(code, c.accepte ? ErreurLecture::Aucune : ErreurLecture::DonneesInvalides);
        if (!c.accepte)
            continue;
        EXPECT_EQ(p.Tirs[1].Voie, c.voie);
        EXPECT_EQ(p.Tirs[1].Manuel, c.manuel);
        EXPECT_DOUBLE_EQ(p.Tirs[1].Temps, c.temps);
        EXPECT_EQ(p.Tirs[1].Description, c.description);
    }

    ProgrammeLu p;
    auto l = Version3({"0 ; 0 ; 0 ; "}, "1");
    l[2] = "TitreListeTir ;  ;Finale;";
    ASSERT_EQ(Lit(Texte(l), p), ErreurLecture::Aucune);
    EXPECT_EQ(p.Titre, "Finale");
}

TEST(LecteurProgramme, RefusedFilesSayWhy)
{
    const std::string ok = Texte(Version3({"0 ; 0 ; 0 ; "}, "1"));
    auto remplace = [](std::vector<std::string> l, std::size_t i, const std::string& par) {
        l[i] = par;
        return Texte(l);
    };
    const auto v3 = Version3({"0 ; 0 ; 0 ; "}, "1");
    auto sat = LignesExemple();
    auto satAvec = [&](std::size_t i, const std::string& par) { return remplace(sat, i, par); };
    const struct {
        const char* nom;
        std::string contenu;
        ErreurLecture code;
    } cas[] = {
        {"empty file", "", ErreurLecture::NonAccessible},
        {"first line too long", "VersionFichier ; 3" + std::string(90, ' ') + "\n", ErreurLecture::NonAccessible},
        {"first line a comment", "# Programme de tir\n" + ok, ErreurLecture::DonneesInvalides},
        {"no version", remplace(v3, 0, "Fichier ; 3"), ErreurLecture::DonneesInvalides},
        {"version 0", remplace(v3, 0, "VersionFichier ; 0"), ErreurLecture::DonneesInvalides},
        {"version -2", remplace(v3, 0, "VersionFichier ; -2"), ErreurLecture::DonneesInvalides},
        {"other device", remplace(v3, 1, "TypeAppareil ; Autre"), ErreurLecture::Appareil},
        {"device line missing", "VersionFichier ; 3\n", ErreurLecture::Appareil},
        {"header line too long", remplace(v3, 2, "TitreListeTir ; " + std::string(90, 'x')),
         ErreurLecture::DonneesInvalides},
        {"no title key", remplace(v3, 2, "Titre ; x"), ErreurLecture::DonneesInvalides},
        {"0 shots", remplace(v3, 6, "NbTir ; 0"), ErreurLecture::NombreTirs},
        {"601 shots", remplace(v3, 6, "NbTir ; 601"), ErreurLecture::NombreTirs},
        {"huge shot count", remplace(v3, 6, "NbTir ; 99999999999999999999999"), ErreurLecture::NombreTirs},
        {"ends in the shot table", Texte(Version3({"0 ; 0 ; 0 ; "}, "2")), ErreurLecture::DonneesInvalides},
        {"backup key 4", remplace(v3, 8, "VoieSecour ; 4 ; 10"), ErreurLecture::DonneesInvalides},
        {"backup channel 600", remplace(v3, 8, "VoieSecour ; 1 ; 600"), ErreurLecture::DonneesInvalides},
        {"backup without channel", remplace(v3, 8, "VoieSecour ; 1"), ErreurLecture::DonneesInvalides},
        {"wrong columns", remplace(v3, 11, "NumVoie ; Type ; Retard"), ErreurLecture::DonneesInvalides},
        {"negative satellite count", satAvec(5, "NbSatelite ; -1"), ErreurLecture::DonneesInvalides},
        {"no FinTir", satAvec(19, "Fin"), ErreurLecture::DonneesInvalides},
        {"blank before satellite type", satAvec(23, "TypeSAt ; Q31"), ErreurLecture::DonneesInvalides},
        {"59 outputs", satAvec(24, "NombreLigneSat ;59"), ErreurLecture::DonneesInvalides},
        {"empty satellite name", satAvec(21, "NomSatelite ; "), ErreurLecture::DonneesInvalides},
        {"output 60", satAvec(27, "60 ; 2 ; "), ErreurLecture::DonneesInvalides},
        {"output channel twice", satAvec(28, "2 ; 1 ; "), ErreurLecture::DonneesInvalides},
        {"output line with one separator", satAvec(28, "2 ; -1"), ErreurLecture::DonneesInvalides},
        {"output channel 600", satAvec(28, "2 ; 600 ; "), ErreurLecture::DonneesInvalides},
        {"no FinSat", satAvec(86, "Fin"), ErreurLecture::DonneesInvalides},
        {"two satellites announced", satAvec(5, "NbSatelite ; 2"), ErreurLecture::DonneesInvalides},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Lit(c.contenu), c.code) << c.nom;
    EXPECT_EQ(Lit(ok), ErreurLecture::Aucune);

    ProgrammeLu p;
    EXPECT_EQ(LitFichierProgramme("/nonexistent/x.tir", p), ErreurLecture::NonAccessible);
}

TEST(LecteurProgramme, LongLinesAreCutAndEndTheReading)
{
    // A description line over 1999 characters: the cut part is the line, and
    // nothing can be read after it.
    auto l = Version3({"0 ; 0 ; 0 ; ", "1 ; 0 ; 1 ; " + std::string(2100, 'd')}, "2");
    ProgrammeLu p;
    ASSERT_EQ(Lit(Texte(l), p), ErreurLecture::Aucune);
    EXPECT_EQ(p.Tirs[1].Description.size(), 1999u - 12u);

    l = Version3({"0 ; 0 ; 0 ; ", "1 ; 0 ; 1 ; " + std::string(2100, 'd'), "2 ; 0 ; 1 ; "}, "3");
    EXPECT_EQ(Lit(Texte(l)), ErreurLecture::DonneesInvalides);
}
