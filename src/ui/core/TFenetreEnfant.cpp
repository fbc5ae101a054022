#include "ui/core/TFenetreEnfant.h"

#include "model/Saisie.h"

#include <algorithm>

namespace Zent {

namespace {

constexpr TexteBilingue MsgSecoursInvalide{
    "Le numero de voie de secours %i n'est pas valide\n\r  -Il n'est pas compris entre %i et %i \n\r",
    "The backup way number %i is not valid.\n\r  -It is not located between %i and %i. \n\r"};
constexpr TexteBilingue MsgDejaSecours{
    "La voie n°%i est déjà une voie de secours.\n\rVous devez choisir une autre voie de secours pour le bouton F%i",
    "The way N°%i is already a backup way.\n\rYou must select another backup way for the pushbutton F%i."};
constexpr TexteBilingue MsgSauvegarder{"Voulez-vous sauvegarder le fichier %s ?", "Do you want to save the file %s ?"};

constexpr TexteBilingue OngletTemps{"Temps ", "Time"};
constexpr TexteBilingue OngletSorties{"Sorties", "Output"};

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
bool ToucheDeChamp(char c) { return EstChiffre(c) || c == ToucheRetour || c == ToucheTab || c == ToucheEntree; }

// Case folding of the Windows-1252 letters, for the satellite name test.
unsigned char Minuscule(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

bool EgalSansCasse(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Minuscule(static_cast<unsigned char>(x)) == Minuscule(static_cast<unsigned char>(y));
           });
}

} // namespace

TextesFenetreEnfant TFenetreEnfant::Textes(Langue l)
{
    TextesFenetreEnfant t;
    t.LabelTitre = TexteBilingue{"Nom du feu d'artifice :", "Name of the show :"}.Selon(l);
    t.HintTitre = Formate(TexteBilingue{"Nom qui sera affiché dans l'%s", "Name will be displayed in the %s "}.Selon(l),
                          {CQ52::GetNomAppareil()});
    t.LabelVersion = TexteBilingue{"Version :", "Version :"}.Selon(l);
    t.HintVersion = TexteBilingue{"Version du programme", "Program version"}.Selon(l);
    t.LabelNumSerie = TexteBilingue{"Numéro de série :", " Serial Number :"}.Selon(l);
    t.HintNumSerie = TexteBilingue{"Contient le numéro de série", "Include the serial number"}.Selon(l);
    t.TitreSecours = TexteBilingue{"Voie de secours :", "Backup way :"}.Selon(l);
    for (int k = 0; k < 4; ++k) {
        t.LabelsSecours[static_cast<std::size_t>(k)] = Formate(TexteBilingue{"Touche F%i :", "Key F%i :"}.Selon(l), {k + 5});
        t.HintsSecours[static_cast<std::size_t>(k)] =
            Formate(TexteBilingue{"Definition de la voie pour le bouton de secours n°F%i",
                                  "Setting the backup way for the pushbutton N°F%i"}
                        .Selon(l),
                    {k + 5});
    }
    t.CaptionModeCreation = TexteBilingue{"Mode de création de voies", "Way Craeting mode"}.Selon(l);
    const std::string modeItem = TexteBilingue{"Mode %s", "%s Mode"}.Selon(l);
    t.ItemsModeCreation = {Formate(modeItem, {TexteBilingue{"Manuel", "Manual"}.Selon(l)}),
                           Formate(modeItem, {TexteBilingue{"Automatique", "Automatic"}.Selon(l)})};
    t.CaptionPriorite = TexteBilingue{"Gestion du Temps", "Time management"}.Selon(l);
    t.HintPriorite =
        TexteBilingue{"Permet de choisir entre l'utilistation du temps total ou du temps entre 2 voies pour les "
                      "calculs lors des modifcations de temps",
                      "Choose the Total time or the Time between 2 ways for the calculation during modifications of "
                      "timing"}
            .Selon(l);
    t.ItemsPriorite = {TexteBilingue{"Temps total prioritaire", "Total time priority"}.Selon(l),
                       TexteBilingue{"Retard voie prioritaire", "Way delay priority"}.Selon(l)};
    t.OngletTemps = OngletTemps.Selon(l);
    t.OngletSorties = OngletSorties.Selon(l);
    return t;
}

TFenetreEnfant::TFenetreEnfant(Messages& messages, Sons& sons, char separateurDecimal, HoteDocument* hote)
    : Msg(messages), Sonore(sons), Separateur(separateurDecimal), Hote(hote), Table(messages, sons, separateurDecimal)
{
    ListeOnglets.push_back(OngletTemps.Selon(LangueCourante));
    for (int k = 0; k < 4; ++k)
        EcritChampSecours(k);
    Table.OnTableauChange = [this] { TableauOnChange(); };
    Table.OnAnnulation = [this] { PrendEtatAnnulation(false); };
    Table.OnLigneSelectionnee = [this](int ligne) { Commande(CommandeDocument::SupprimerTir, ligne > 1); };
    Table.SetZentora(&Programme);
    TableSatelite.OnChange = [this] { TableauOnChange(); };
}

void TFenetreEnfant::Commande(CommandeDocument commande, bool active)
{
    if (Hote)
        Hote->ActiveCommande(commande, active);
}

void TFenetreEnfant::Erreur(const std::string& texte) { Msg.Affiche(GenreMessage::Erreur, texte, Boutons::Ok); }

void TFenetreEnfant::AppliqueLangue(Langue langue)
{
    if (!LangueValide(langue) || langue == LangueCourante)
        return;
    LangueCourante = langue;
    ListeOnglets[0] = OngletTemps.Selon(langue);
    if (ListeOnglets.size() > 1 && !ListeSatelites.EstVide())
        ListeOnglets[1] = OngletSorties.Selon(langue);
    Table.SetLangue(langue);
    TableSatelite.SetLangue(langue);
    if (Affectation)
        Affectation->SetLangue(langue);
}

// ---- Header fields ---------------------------------------------------------

void TFenetreEnfant::StringTitreChange(const std::string& texte)
{
    ChampTitre = texte.substr(0, LongueurTitreMax);
    Modifie = true;
}

void TFenetreEnfant::VersionChange(const std::string& texte)
{
    ChampVersion = texte;
    Modifie = true;
}

void TFenetreEnfant::NumeroSerieChange(const std::string& texte)
{
    ChampNumSerie = texte.substr(0, LongueurNumSerieMax);
    Modifie = true;
}

void TFenetreEnfant::NumeroSerieKeyPress(char& touche)
{
    Modifie = true; // any key counts, even a refused one
    if (!ToucheDeChamp(touche)) {
        touche = 0;
        Sonore.Joue(Son::Avertissement);
    }
}

// ---- Backup fields -----------------------------------------------------------

void TFenetreEnfant::EcritChampSecours(int k)
{
    ChampSecours& champ = ChampsSecours[static_cast<std::size_t>(k)];
    champ.Position = Programme.VoiesDeSecours()[static_cast<std::size_t>(k)];
    champ.Texte = std::to_string(champ.Position);
    champ.Modifie = false;
}

void TFenetreEnfant::SecoursChange(int k, const std::string& texte)
{
    if (k < 0 || k >= NbVoieSecours)
        return;
    ChampSecours& champ = ChampsSecours[static_cast<std::size_t>(k)];
    champ.Texte = texte.substr(0, LongueurVoieSecoursMax);
    champ.Modifie = true;
}

void TFenetreEnfant::LabelEditVoieSecourKeyPress(char& touche)
{
    if (!ToucheDeChamp(touche)) {
        touche = 0;
        Sonore.Joue(Son::Avertissement);
    }
}

void TFenetreEnfant::LabelEditVoieSecourChange() { PriseEnCompteSecours(); }

void TFenetreEnfant::PriseEnCompteSecours()
{
    for (int k = 0; k < NbVoieSecours; ++k) {
        ChampSecours& champ = ChampsSecours[static_cast<std::size_t>(k)];
        if (!champ.Modifie)
            continue;
        champ.Modifie = false;
        const long long saisi = LitEntierSaisi(champ.Texte).value_or(-1);
        const std::int32_t actuelle = Programme.VoiesDeSecours()[static_cast<std::size_t>(k)];
        if (saisi == actuelle) {
            champ.Texte = std::to_string(saisi);
            return; // the following fields wait for the next take-over
        }
        const auto n = static_cast<std::int32_t>(std::clamp<long long>(saisi, -1, 1000000));
        if (!Programme.NumeroVoieValide(n)) {
            Erreur(Formate(MsgSecoursInvalide.Selon(LangueCourante), {saisi, 0, NbVoieMax - 1}));
            EcritChampSecours(k);
        } else if (Programme.EstVoieSecours(n)) {
            Erreur(Formate(MsgDejaSecours.Selon(LangueCourante), {n, k + 5}));
            EcritChampSecours(k);
        } else {
            Modifie = true;
            PrendEtatAnnulation(true);
            Programme.SetVoieSecours(k, n);
            // Channel 0 is refused by the model: show the channel the key kept.
            EcritChampSecours(k);
        }
    }
}

bool TFenetreEnfant::UpDownVoieSecourChangingEx(int k, int p, SensFleche sens)
{
    if (k < 0 || k >= NbVoieSecours)
        return false;
    ChampSecours& champ = ChampsSecours[static_cast<std::size_t>(k)];
    if (p == champ.Position)
        return false;
    const std::int32_t actuelle = Programme.VoiesDeSecours()[static_cast<std::size_t>(k)];
    if (p != actuelle) {
        if (p > NbVoieMax - 1) {
            p = 0;
            sens = SensFleche::Haut;
        } else if (p < 0) {
            p = NbVoieMax - 1;
            sens = SensFleche::Bas;
        }
        // Channel 0 can never be a backup channel: the arrows skip it with
        // the channels of the other keys.
        const int pas = sens == SensFleche::Bas ? -1 : 1;
        while (p != actuelle && (p == 0 || Programme.EstVoieSecours(p)))
            p = (p + pas + NbVoieMax) % NbVoieMax;
    }
    champ.Position = p;
    champ.Texte = std::to_string(p);
    champ.Modifie = true;
    PriseEnCompteSecours();
    return true;
}

// ---- Choices, tabs ---------------------------------------------------------

void TFenetreEnfant::RadioGroupModeCreationClick(int item)
{
    if (item != 0 && item != 1)
        return;
    ItemModeCreation = item;
    Table.SetModeCreationVoie(item == 0 ? TirManuel : TirAutomatique);
}

void TFenetreEnfant::RadioGroupPrioriteClick(int item)
{
    if (item == 0 || item == 1)
        ItemPriorite = item;
}

void TFenetreEnfant::TabControlTableauChange(int index)
{
    if (index < 0 || index >= static_cast<int>(ListeOnglets.size()))
        return;
    IndexOnglet = index;
    AfficheOnglet();
}

int TFenetreEnfant::TypeOngletCourant() const { return IndexOnglet <= 0 ? 0 : IndexOnglet == 1 ? 1 : 2; }

void TFenetreEnfant::AfficheOnglet()
{
    const bool temps = IndexOnglet == 0;
    if (!temps) {
        Commande(CommandeDocument::Annuler, false);
        Commande(CommandeDocument::Refaire, false);
    }
    Commande(CommandeDocument::SupprimerTir, temps);
    Commande(CommandeDocument::InsererTir, temps);
    SateliteVue = nullptr;
    if (temps) {
        VueCourante = VueOnglet::TableTemps;
    } else if (IndexOnglet == 1) {
        VueCourante = VueOnglet::Affectation;
        if (Affectation)
            Affectation->GestionAffichageSatelite();
    } else {
        VueCourante = VueOnglet::Satelite;
        SateliteVue = ListeSatelites.RechSatelite(ListeOnglets[static_cast<std::size_t>(IndexOnglet)]);
        TableSatelite.SetSatelite(SateliteVue);
    }
}

void TFenetreEnfant::TableauOnChange()
{
    Modifie = true;
    Commande(CommandeDocument::Enregistrer, true);
}

// ---- Undo and redo -----------------------------------------------------------

void TFenetreEnfant::MiseAJourCommandesAnnulation()
{
    if (Etat != 1 && Etat != 2)
        Etat = 0;
    Commande(CommandeDocument::Annuler, Etat == 1);
    Commande(CommandeDocument::Refaire, Etat == 2);
}

void TFenetreEnfant::PrendEtatAnnulation(bool copie)
{
    AnnulCreation0 = ItemModeCreation == 0;
    AnnulPriorite0 = ItemPriorite == 0;
    Etat = 1;
    if (copie)
        Table.ActiveMenuUndo(false);
    MiseAJourCommandesAnnulation();
}

void TFenetreEnfant::Annuler()
{
    if (Etat != 1)
        return;
    Table.AnnuleDerniereAction();
    RetabCreation0 = ItemModeCreation == 0;
    RetabPriorite0 = ItemPriorite == 0;
    RemetEtat(AnnulCreation0, AnnulPriorite0, 2);
}

void TFenetreEnfant::Refaire()
{
    if (Etat != 2)
        return;
    Table.RefaireDerniereAction();
    AnnulCreation0 = ItemModeCreation == 0;
    AnnulPriorite0 = ItemPriorite == 0;
    RemetEtat(RetabCreation0, RetabPriorite0, 1);
}

void TFenetreEnfant::RemetEtat(bool creation0, bool priorite0, int etat)
{
    RadioGroupModeCreationClick(creation0 ? 0 : 1);
    ItemPriorite = priorite0 ? 0 : 1;
    for (int k = 0; k < NbVoieSecours; ++k)
        EcritChampSecours(k);
    Etat = etat;
    MiseAJourCommandesAnnulation();
    TableauOnChange(); // the program differs from what was saved
}

// ---- Window events -----------------------------------------------------------

void TFenetreEnfant::ValidationSaisies()
{
    PriseEnCompteSecours();
    if (IndexOnglet == 0)
        Table.ValidationDonnee();
    else if (IndexOnglet == 1 && Affectation)
        Affectation->ValidationDonnee();
    else if (IndexOnglet >= 2)
        TableSatelite.ValidationDonnee();
}

void TFenetreEnfant::Rafraichit()
{
    MiseAJourCommandesAnnulation();
    for (int k = 0; k < NbVoieSecours; ++k)
        EcritChampSecours(k);
    Table.ActulaiserAffichage();
}

void TFenetreEnfant::FormActivate()
{
    Commande(CommandeDocument::SupprimerTir, Table.Row() > 1);
    Commande(CommandeDocument::SupprimerSatelite, SuppressionSatPossible());
    Commande(CommandeDocument::ProgrammerSatelite, !ListeSatelites.EstVide());
    MiseAJourCommandesAnnulation();
}

ReponseFermeture TFenetreEnfant::FormClose()
{
    ReponseFermeture reponse = ReponseFermeture::Fermer;
    if (Modifie) {
        switch (Msg.Affiche(GenreMessage::Confirmation, Formate(MsgSauvegarder.Selon(LangueCourante), {Titrefenetre}),
                            Boutons::OuiNonAnnuler)) {
        case Reponse::Oui:
            reponse = ReponseFermeture::Enregistrer;
            break;
        case Reponse::Non:
            reponse = ReponseFermeture::Fermer;
            break;
        default:
            reponse = ReponseFermeture::Annuler;
            break;
        }
    }
    if (Hote)
        Hote->NotifieFermeture(*this, reponse);
    return reponse;
}

// ---- Satellites ----------------------------------------------------------------

int TFenetreEnfant::ControleNouveauSatelite(const std::string& nom, std::uint32_t numSerie, int soixantaine) const
{
    if (nom.empty())
        return ErrNomSatVide;
    if (!ListeSatelites.EstVide())
        for (const std::string& onglet : ListeOnglets)
            if (EgalSansCasse(onglet, nom))
                return ErrNomSatExiste;
    if (ListeSatelites.NumSerieSatExiste(numSerie))
        return ErrNumSerieSatExiste;
    if (numSerie == 0)
        return AvertNumSerieVide;
    if (soixantaine < 0 || soixantaine > Sate::SoixantaineAucune)
        return ErrSoixantaineInconnue;
    return 0;
}

void TFenetreEnfant::AjouteOngletSorties()
{
    if (!ListeSatelites.EstVide())
        return;
    ListeOnglets.insert(ListeOnglets.begin() + 1, OngletSorties.Selon(LangueCourante));
    if (!Affectation) {
        Affectation = std::make_unique<TTabGestTirVoieSat>(Sonore);
        Affectation->SetLangue(LangueCourante);
        Affectation->SetZentora(&Programme);
        Affectation->SetListeSatelites(&ListeSatelites);
        Affectation->OnChange = [this] { TableauOnChange(); };
    }
}

int TFenetreEnfant::AjoutSatelite(const std::string& nom, std::uint32_t numSerie, int soixantaine)
{
    Modifie = true; // also when refused
    const int code = ControleNouveauSatelite(nom, numSerie, soixantaine);
    if (code != 0 && code != AvertNumSerieVide)
        return code;
    AjouteOngletSorties();
    ListeSatelites.Ajoute(std::make_unique<Sate::CQ31>(nom, numSerie, soixantaine));
    ListeOnglets.push_back(nom);
    Affectation->GestionAffichageSatelite();
    AfficheOnglet();
    return code;
}

bool TFenetreEnfant::SuppressionSatelite(const std::string& nom)
{
    Sate::CQ31* satelite = ListeSatelites.RechSatelite(nom);
    if (!satelite)
        return false;
    // Nothing may keep showing the satellite about to be destroyed.
    if (SateliteVue == satelite)
        SateliteVue = nullptr;
    if (TableSatelite.GetSatelite() == satelite)
        TableSatelite.SetSatelite(nullptr);
    ListeSatelites.Supprime(satelite);
    if (Affectation)
        Affectation->GestionAffichageSatelite();
    const auto onglet = std::find(ListeOnglets.begin(), ListeOnglets.end(), nom);
    if (onglet == ListeOnglets.end())
        return false;
    const auto indexSupprime = static_cast<int>(onglet - ListeOnglets.begin());
    ListeOnglets.erase(onglet);
    if (ListeOnglets.size() == 2) {
        ListeOnglets.erase(ListeOnglets.begin() + 1);
        Commande(CommandeDocument::SupprimerSatelite, false);
    }
    // The selected tab went with the satellite: the last one takes over.
    if (indexSupprime == IndexOnglet || IndexOnglet >= static_cast<int>(ListeOnglets.size()))
        IndexOnglet = static_cast<int>(ListeOnglets.size()) - 1;
    else if (indexSupprime < IndexOnglet)
        --IndexOnglet;
    AfficheOnglet();
    Modifie = true;
    return true;
}

bool TFenetreEnfant::SuppressionSatPossible() const { return !ListeSatelites.EstVide() && ListeOnglets.size() > 1; }

std::string TFenetreEnfant::NomSateliteOngletCourant() const
{
    return IndexOnglet >= 2 ? ListeOnglets[static_cast<std::size_t>(IndexOnglet)] : std::string();
}

} // namespace Zent
