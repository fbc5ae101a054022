#include "Document.h"

#include "ui/core/TDialogAjoutSatelite.h"
#include "ui/core/TDialogSupressionSat.h"

#include <functional>

using namespace Zent;
using namespace ZentTest;

TEST(PlacementSelecteur, OpensWhereThereIsRoom)
{
    // Client 800 x 600, picker 319 x 265, cells 60 x 20.
    const struct {
        const char* nom;
        Rectangle cellule;
        int cw, ch;
        int gauche, haut;
    } cas[] = {
        {"room right and below", {100, 100, 160, 120}, 800, 600, 160, 120},
        {"right edge: to the left", {700, 100, 760, 120}, 800, 600, 700 - 319, 120},
        {"bottom: above", {100, 500, 160, 520}, 800, 600, 160, 500 - 265},
        {"both: above left", {700, 500, 760, 520}, 800, 600, 381, 235},
        {"too wide either side: centred", {170, 10, 230, 30}, 400, 600, 200 - 159, 30},
        {"overhang beyond the left: at 0", {60, 10, 120, 30}, 400, 600, 0, 30},
        {"overhang beyond the right: at the edge", {280, 10, 340, 30}, 400, 600, 400 - 319, 30},
        {"too high either side: centred", {100, 140, 160, 160}, 800, 300, 160, 150 - 132},
        {"wider than the client: left as it was", {10, 10, 70, 30}, 300, 600, 70, 30},
    };
    for (const auto& c : cas) {
        const Position p = PlacementSelecteur(c.cellule, c.cw, c.ch, 319, 265);
        EXPECT_EQ(p.Gauche, c.gauche) << c.nom;
        EXPECT_EQ(p.Haut, c.haut) << c.nom;
    }
}

namespace {

class Affectation : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i : {4, 7, 4})
            modele.CreerTirVoie(static_cast<std::int32_t>(modele.GetNbTirs()), i);
        auto& s = satelites.Ajoute(std::make_unique<Sate::CQ31>("Nord", 0, Sate::SoixantaineAucune));
        s.SetVoieSortie(12, 4);
        grille.OnChange = [this] { ++changements; };
        grille.SetZentora(&modele);
        grille.SetListeSatelites(&satelites);
    }
    // Opens the picker on a cell as entering edit mode does.
    void Ouvre(int col, int lig)
    {
        ASSERT_TRUE(grille.DeplaceVers(col, lig));
        grille.EditorMode = true;
        grille.GetEditText(col, lig);
        ASSERT_TRUE(grille.Selecteur().Visible);
    }
    void Choisit(int sortie)
    {
        auto& p = grille.Selecteur();
        p.PlaceCaseCourante(sortie % 10, sortie / 10);
        p.TableauClick();
    }

    SonsScriptes sons;
    CQ52 modele;
    Sate::TypeListeSatelites satelites;
    TTabGestTirVoieSat grille{sons};
    int changements = 0;
};

} // namespace

TEST_F(Affectation, RowsShowTheOutputOfTheirChannel)
{
    EXPECT_EQ(grille.GetColCount(), 3);
    EXPECT_EQ(grille.GetRowCount(), 5);
    EXPECT_EQ(grille.Cellule(2, 0), "Nord");
    EXPECT_EQ(grille.Cellule(0, 0), "N\xB0 Tir");
    const char* attendus[] = {"", "12", "", "12"};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(grille.Cellule(2, r), attendus[r - 1]) << r;
    EXPECT_EQ(grille.EextraitLigneCellule(2, 2), 12);
    EXPECT_EQ(grille.EextraitLigneCellule(2, 1), -1);
    EXPECT_EQ(grille.EextraitLigneCellule(1, 1), -2);
}

TEST_F(Affectation, ChoosingAnOutputMovesTheChannelForEveryRow)
{
    Ouvre(2, 2);
    EXPECT_EQ(grille.Selecteur().GetLigneSelectionnee(), 12);
    Choisit(20);
    EXPECT_FALSE(grille.Selecteur().Visible);
    EXPECT_FALSE(grille.EditorMode);
    EXPECT_EQ(grille.Cellule(2, 2), "20");
    EXPECT_EQ(grille.Cellule(2, 4), "20");
    EXPECT_EQ(satelites[0].GetVoieSortie(12), -1);
    EXPECT_EQ(satelites[0].GetVoieSortie(20), 4);
    EXPECT_EQ(changements, 1);

    Ouvre(2, 4);
    grille.Selecteur().PopUpAucuneLigneClick();
    EXPECT_EQ(grille.Cellule(2, 2), "");
    EXPECT_EQ(satelites[0].RechSortieDeLaVoie(4), -1);

    // Closing the picker by any other way re-commits what the cell had.
    Ouvre(2, 3);
    Choisit(5);
    Ouvre(2, 3);
    grille.EditorMode = false;
    grille.Click();
    EXPECT_EQ(grille.Cellule(2, 3), "5");
    EXPECT_EQ(changements, 4);
}

TEST_F(Affectation, KeysAndColumnsOfTwoSatellites)
{
    satelites.Ajoute(std::make_unique<Sate::CQ31>("Sud", 0, 0));
    grille.GestionAffichageSatelite();
    EXPECT_EQ(grille.GetColCount(), 4);
    EXPECT_EQ(grille.Cellule(3, 0), "Sud");
    EXPECT_EQ(grille.Cellule(3, 3), "7"); // sixty-group 0: output 7 carries channel 7

    ASSERT_TRUE(grille.DeplaceVers(2, 1));
    char chiffre = '5';
    grille.KeyPress(chiffre);
    EXPECT_EQ(chiffre, 0);
    EXPECT_EQ(sons.joues.size(), 1u);
    char tab = ToucheTab;
    grille.KeyPress(tab);
    EXPECT_EQ(grille.Col(), 3);
    tab = ToucheTab;
    grille.KeyPress(tab); // already in the last column
    EXPECT_EQ(grille.Col(), 3);

    ASSERT_TRUE(grille.DeplaceVers(3, 4));
    char entree = ToucheEntree;
    grille.KeyPress(entree); // enters edit mode: opens the picker
    EXPECT_TRUE(grille.EditorMode);
    EXPECT_TRUE(grille.Selecteur().Visible);
    entree = ToucheEntree;
    grille.KeyPress(entree); // last row: leaves edit mode without moving
    EXPECT_FALSE(grille.EditorMode);
    EXPECT_EQ(grille.Row(), 4);
    EXPECT_FALSE(grille.DeplaceVers(1, 2));

    std::vector<std::string> textes;
    EXPECT_EQ(grille.ListTexteUnTir(2, textes), 4);
    EXPECT_EQ(textes, (std::vector<std::string>{"2", "7", "", "7"}));
}

TEST(Selecteur, ColoursMenuAndCursors)
{
    TTabSelectLigneSateite p;
    Sate::CQ31 plein("P", 0, 0);
    Sate::TypeListeLignes libres;
    plein.ListeSortiesLibres(libres);
    p.SetLigneSelectionnee(7);
    p.SetListeLigneLibre(libres);
    EXPECT_EQ(p.CouleursCase(7, 0).Fond, 0x000080u);
    EXPECT_EQ(p.CouleursCase(7, 0).Encre, 0xFFFFFFu);
    EXPECT_EQ(p.CouleursCase(8, 0).Fond, 0xFF0000u);
    EXPECT_FALSE(p.CurseurNormal(8, 0));
    EXPECT_TRUE(p.CurseurNormal(7, 0));

    TTabSelectLigneSateite q;
    Sate::CQ31 libre("L", 0, Sate::SoixantaineAucune);
    libre.ListeSortiesLibres(libres);
    q.SetLigneSelectionnee(-1);
    q.SetListeLigneLibre(libres);
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(q.CouleursCase(c, r).Fond, 0x40FF40u);
    EXPECT_FALSE(q.ItemsMenu().SelectionVisible);
    q.SetLigneSelectionnee(0);
    EXPECT_TRUE(q.ItemsMenu().SelectionVisible);
    EXPECT_EQ(Cp1252VersUtf8(q.ItemsMenu().Selection), "&Sélection sortie n°0");
    q.SetLangue(Anglais);
    q.SetNumeroTir(5);
    EXPECT_EQ(q.Textes().Tir, "Shot n\xB0" "005");
    // A click on a red cell does nothing, and nothing happens while hidden.
    int choix = 0;
    p.OnSelectionLigne = [&choix] { ++choix; };
    p.Visible = true;
    p.PlaceCaseCourante(3, 3);
    p.TableauClick();
    EXPECT_EQ(choix, 0);
    p.Visible = false;
    p.PlaceCaseCourante(7, 0);
    p.TableauClick();
    EXPECT_EQ(choix, 0);
}

TEST(TableSatelite, DescriptionsOnlyAndRefresh)
{
    Sate::CQ31 s("A", 0, 2);
    s.SetDescriptionSortie(3, "Caisson");
    TTableauLigneSatelite t;
    int changements = 0;
    t.OnChange = [&changements] { ++changements; };
    t.SetSatelite(&s);
    EXPECT_EQ(t.GetRowCount(), 61);
    EXPECT_EQ(t.Cellule(1, 4), "123");
    EXPECT_EQ(t.Cellule(2, 4), "Caisson");
    EXPECT_FALSE(t.DeplaceVers(1, 4));
    EXPECT_TRUE(t.DeplaceVers(2, 4));
    t.GetEditText(2, 4);
    t.SetEditText(2, 4, "");
    EXPECT_TRUE(t.DeplaceVers(2, 5)); // leaving the cell writes it
    EXPECT_EQ(s.GetDescriptionSortie(3), "");
    EXPECT_EQ(changements, 1);

    s.SetVoieSortie(4, -1);
    t.SetSatelite(&s); // the same satellite: only refreshed
    EXPECT_EQ(t.Cellule(1, 5), "");
    EXPECT_EQ(t.Row(), 5);
    std::vector<std::string> titres;
    t.TextPourLeTireDesColones(titres, false);
    EXPECT_EQ(titres.size(), 2u);
    t.CalculLargeurMaxDescription(1000);
    EXPECT_EQ(t.LargeurColonne(0) + t.LargeurColonne(1) + t.LargeurColonne(2), 999);
    t.SetSatelite(nullptr);
    EXPECT_EQ(t.GetRowCount(), 1);
}

namespace {

// Answers the add dialog: each showing applies the next set of values.
class VueScriptee : public VueAjoutSatelite {
public:
    std::vector<std::function<bool(TDialogAjoutSatelite&)>> etapes;
    std::size_t montrees = 0;
    bool Montre(TDialogAjoutSatelite& d) override
    {
        return montrees < etapes.size() ? etapes[montrees++](d) : false;
    }
};

std::function<bool(TDialogAjoutSatelite&)> Saisit(const std::string& nom, const std::string& serie)
{
    return [nom, serie](TDialogAjoutSatelite& d) {
        d.Nom = nom;
        d.NumSerie = serie;
        return true;
    };
}

using AjoutSatelite = DocumentFixture;

} // namespace

TEST_F(AjoutSatelite, WorkflowMessagesAndAnswers)
{
    TDialogAjoutSatelite dialogue(messages, sons);
    VueScriptee vue;
    vue.etapes = {Saisit("A", "")};
    messages.reponses = {Reponse::Oui};
    EXPECT_TRUE(FluxAjoutSatelite(doc, dialogue, vue, messages, sons));
    EXPECT_NE(messages.Dernier().find("Il n'y pas de numèro de série"), std::string::npos);
    EXPECT_EQ(doc.Onglets(), (std::vector<std::string>{"Temps ", "Sorties", "A"}));
    EXPECT_TRUE(hote.commandes[CommandeDocument::ProgrammerSatelite]);
    EXPECT_EQ(doc.RechSatelite("A")->GetVoieSortie(0), -1);

    // A name clash, then Retry with the values kept, then a good serial number.
    TDialogAjoutSatelite second(messages, sons);
    second.SetLangue(Anglais);
    vue = VueScriptee{};
    bool valeursGardees = false;
    vue.etapes = {Saisit("a", "5"), [&valeursGardees](TDialogAjoutSatelite& d) {
                      valeursGardees = d.Nom == "a" && d.NumSerie == "5";
                      d.Nom = "B";
                      return true;
                  }};
    messages.reponses = {Reponse::Reessayer};
    EXPECT_TRUE(FluxAjoutSatelite(doc, second, vue, messages, sons));
    EXPECT_TRUE(valeursGardees);
    EXPECT_EQ(messages.affiches[1].texte, "ERROR : the name already exists");
    EXPECT_EQ(sons.joues.back(), Son::Erreur);
    EXPECT_EQ(doc.RechSatelite("B")->GetNumSerie(), 5u);

    // The same serial number is refused even with a new name; Abort ends it.
    TDialogAjoutSatelite troisieme(messages, sons);
    vue = VueScriptee{};
    vue.etapes = {Saisit("C", "5")};
    messages.reponses = {Reponse::Abandon};
    EXPECT_FALSE(FluxAjoutSatelite(doc, troisieme, vue, messages, sons));
    EXPECT_NE(messages.Dernier().find("Le numéro de série du satellite existe déjà"), std::string::npos);
    EXPECT_EQ(doc.Satelites().Nombre(), 2u);
}

TEST_F(AjoutSatelite, DialogRules)
{
    TDialogAjoutSatelite d(messages, sons);
    d.NumSerie = "9999999999";
    EXPECT_EQ(d.GetNumSerieSaisi(), 4294967295u);
    d.NumSerie = "";
    EXPECT_EQ(d.GetNumSerieSaisi(), 0u);
    EXPECT_EQ(d.GetSoixantaine(), -1);
    char lettre = 'x';
    d.LabelEditNumSerieKeyPress(lettre);
    EXPECT_EQ(lettre, 0);
    EXPECT_EQ(sons.joues.size(), 1u);

    bool confirme = true;
    messages.reponses = {Reponse::Reessayer, Reponse::Abandon};
    EXPECT_FALSE(d.BitBtnOkClick(confirme)); // Retry: stays open
    EXPECT_EQ(messages.Dernier(), "Vous devez choisir un nom de satellite.");
    EXPECT_EQ(messages.affiches.back().boutons, Boutons::AbandonReessayer);
    EXPECT_TRUE(d.BitBtnOkClick(confirme));
    EXPECT_FALSE(confirme);
    d.Nom = " ";
    EXPECT_TRUE(d.BitBtnOkClick(confirme));
    EXPECT_TRUE(confirme);
    EXPECT_EQ(d.LesTextes().Items.size(), 11u);
}

TEST_F(AjoutSatelite, DeleteDialogAndWorkflow)
{
    doc.AjoutSatelite("Nord", 400000001, 10);
    doc.AjoutSatelite("Sud", 400000002, 10);
    TDialogSupressionSat d;
    d.SetListeSatelites(&doc.Satelites());
    EXPECT_EQ(d.ItemsNumSerie(), (std::vector<std::string>{"Pas De S\xE9lection", "400000001", "400000002"}));
    EXPECT_FALSE(d.SupprimerActif());
    d.ComboBoxNumSerieSelect(2);
    EXPECT_EQ(d.GetNomSateliteSelectionne(), "Sud");
    EXPECT_TRUE(d.SupprimerActif());
    d.ComboBoxNomSateliteSelect(0);
    EXPECT_FALSE(d.SupprimerActif());
    EXPECT_EQ(d.GetNomSateliteSelectionne(), "");

    // From a satellite tab, that satellite is preselected; the output table
    // that showed it lets it go.
    doc.TabControlTableauChange(3);
    ASSERT_EQ(doc.TableSortiesSatelite().GetSatelite(), doc.RechSatelite("Sud"));
    TDialogSupressionSat flux;
    EXPECT_TRUE(FluxSuppressionSatelite(doc, flux, [](TDialogSupressionSat& dlg) {
        return dlg.GetNomSateliteSelectionne() == "Sud";
    }));
    EXPECT_EQ(doc.TableSortiesSatelite().GetSatelite(), doc.RechSatelite("Nord")); // the last tab took over
    EXPECT_EQ(doc.Onglets(), (std::vector<std::string>{"Temps ", "Sorties", "Nord"}));
    EXPECT_EQ(doc.GrilleAffectation()->GetColCount(), 3);

    doc.TabControlTableauChange(0);
    TDialogSupressionSat rien;
    EXPECT_FALSE(FluxSuppressionSatelite(doc, rien, [](TDialogSupressionSat& dlg) { return dlg.SupprimerActif(); }));
    ASSERT_TRUE(doc.SuppressionSatelite("Nord"));
    EXPECT_NE(doc.GrilleAffectation(), nullptr); // kept for the next satellite
}
