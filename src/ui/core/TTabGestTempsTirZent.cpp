#include "ui/core/TTabGestTempsTirZent.h"

#include "model/Saisie.h"

#include <algorithm>
#include <limits>

namespace Zent {

namespace {

constexpr TexteBilingue TitresColonnes[7] = {
    {" Tir n° ", " Shot n° "},         {" Voie N° ", " Way n° "},       {"  Type Voie  ", "  Way mode  "},
    {" Retard Voie ", " Way Delay  "}, {" Total en Sec ", "Total Time (s)"}, {" Total ", " Total "},
    {" Description ", " Description "},
};
constexpr TexteBilingue TexteManuel{"Manuel", "Manual"};
constexpr TexteBilingue TexteAutomatique{"Automatique", "Automatic"};

constexpr TexteBilingue MsgPasEntier{"La Valeur saisie n'est pas un entier positif",
                                     "Th evalue entered is a not a positive integer"};
constexpr TexteBilingue MsgVoieInexistante{
    " Le numero de la voie %i que vous avez choisi pour le tir n°%i n'existe pas.\n\r L'ancien numero de voie va "
    "être remis.",
    " The way number %i you have selected for the shot N°%i does'nt exist\n\rThe previous number will be put again."};
constexpr TexteBilingue MsgVoieSecours{
    "Le numéro de voie %i est utilisé comme voie de secours et ne peut donc pas être utilisé comme une voie de "
    "tir.\n\rLe Tir n°%i va reprendre le numéro de voie %i.",
    "The way N°%i is already used for a backup way and so it can't used for a current way.\n\rThe shot N°%i will "
    "be again the way number %i"};
constexpr TexteBilingue MsgVoieUtilisee{
    "ATTENTION!!!\n\rLa voie n°%i du tir n°%i est déjà utilisée en tant que voie de tir.\n\r",
    "WARNING!!!\n\rThe way N°%i of shot N°%i is already used."};
constexpr TexteBilingue MsgTirInactif{"Vous ne pouvez pas modifier le tir N°%i, il n'est pas actif",
                                      "You can't modify the shot N°%i, it is not switched on"};
constexpr TexteBilingue MsgErreurInattendue{
    "L'erreur n°%i s'est produite, l'action est annulée.\n\r Veuillez nous excuser pour ce désagrement.",
    "The error N°%i occured, the action is aborted.\n\r We apologize for the inconvenience"};
constexpr TexteBilingue MsgPasNombre{"La Valeur saisie n'est pas un nombre", "The value entered is not a number"};
constexpr TexteBilingue MsgSuivantsModifies{"Attention!!!\n\r Les temps des voies suivantes sont modifiés.",
                                            "WARNING!!!\n\r The times of the following ways are modified"};
constexpr TexteBilingue MsgLimiteManuel{
    "Le temps de %s secondes que vous avez programmé pour le tir %i dépasse les limites.\n\r -Au maximum vous "
    "pouvez avoir un retard de %s secondes \n\r",
    "The time of %s secondes for the shot N°%i exceed the limits -The maximal delay is %s seconds"};
constexpr TexteBilingue MsgLimiteAuto{
    "Le temps de %s Sec du tir n°%i que vous avez programmé dépasse les limites.\n\r -Au maximum vous pouvez avoir "
    "un temps entre 2 tirs de %s secondes, \n\r -Au minimum vous pouvez avoir un temps entre 2 tirs de %s seconde",
    "The time of %s seconds for the shot N°%i exceed limits.\n\r-The maximal delay between 2 shots is %s "
    "seconds.-The minimal delay between 2 shots is %s seconds."};

constexpr int ColTir = 0, ColVoie = 1, ColType = 2, ColRetard = 3, ColAbsolu = 4, ColHms = 5, ColDescription = 6;
constexpr std::uint32_t CouleurDepart = 0xC2B869;
constexpr std::uint32_t GrisClair = 0xCCCCCC;

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

} // namespace

TTabGestTempsTirZent::TTabGestTempsTirZent(Messages& messages, Sons& sons, char separateurDecimal)
    : GrilleTexte(7, 3), Msg(messages), Sonore(sons), Separateur(separateurDecimal)
{
    ListeType.Items = {TexteManuel.Selon(LangueCourante), TexteAutomatique.Selon(LangueCourante)};
    for (int c = 0; c < 7; ++c)
        SetCellule(c, 0, TitresColonnes[c].Selon(LangueCourante));
    const std::string manuel = TextTypeTir(TirManuel);
    const char* ligne1[7] = {"0", "0", "", "0", "0", "0", ""};
    const char* ligne2[7] = {"1", "??", "", "0", "0", "0", ""};
    for (int c = 0; c < 7; ++c) {
        SetCellule(c, 1, c == ColType ? manuel : ligne1[c]);
        SetCellule(c, 2, c == ColType ? manuel : ligne2[c]);
    }
    PlaceCourante(ColRetard, 1);
}

void TTabGestTempsTirZent::SetZentora(CQ52* modele)
{
    Modele = modele;
    if (Modele)
        ActulaiserAffichage();
}

void TTabGestTempsTirZent::SetLangue(Langue langue)
{
    if (!LangueValide(langue) || langue == LangueCourante)
        return;
    LangueCourante = langue;
    ActulaiserAffichage();
    ListeType.Items = {TexteManuel.Selon(langue), TexteAutomatique.Selon(langue)};
    MarqueChangement();
}

void TTabGestTempsTirZent::SetModeCreationVoie(int mode)
{
    if (mode == TirManuel || mode == TirAutomatique)
        ModeCreationVoie = static_cast<TypeTypeDeTir>(mode);
}

std::string TTabGestTempsTirZent::SecondToString(double secondes) const
{
    return Zent::SecondToString(secondes, Separateur);
}

std::string TTabGestTempsTirZent::Decimal(double valeur) const { return TexteDecimal(valeur, Separateur); }

std::string TTabGestTempsTirZent::TextTypeTir(TypeTypeDeTir type) const
{
    return (type == TirAutomatique ? TexteAutomatique : TexteManuel).Selon(LangueCourante);
}

void TTabGestTempsTirZent::ElargitColonnes()
{
    for (int c = 0; c < 7; ++c) {
        std::string mesure = Cellule(c, 0);
        if (c == ColType)
            mesure = TextTypeTir(TirAutomatique);
        else if (c == ColHms)
            mesure = Formate("0000:00:00%s0", {std::string(1, Separateur)});
        SetLargeurColonne(c, std::max(LargeurColonne(c), LargeurTexte(mesure) + 5));
    }
}

void TTabGestTempsTirZent::EcritTemps(int ligne)
{
    const std::int32_t i = ligne - 1;
    const double absolu = ArrondiDixieme(Modele->Tir(i).RetardAbsolu);
    SetCellule(ColRetard, ligne, Decimal(ArrondiDixieme(Modele->Tir(i).Retard)));
    SetCellule(ColAbsolu, ligne, Decimal(absolu));
    SetCellule(ColHms, ligne, SecondToString(absolu));
}

void TTabGestTempsTirZent::EcritLigne(std::int32_t index)
{
    const int ligne = index + 1;
    const UnTir& tir = Modele->Tir(index);
    SetCellule(ColTir, ligne, std::to_string(index));
    SetCellule(ColVoie, ligne, std::to_string(tir.Voie));
    SetCellule(ColType, ligne, TextTypeTir(tir.Manuel ? TirManuel : TirAutomatique));
    EcritTemps(ligne);
    SetCellule(ColDescription, ligne, tir.Description);
}

void TTabGestTempsTirZent::ActulaiserAffichage()
{
    if (!Modele)
        return;
    const std::int32_t n = NbTirs();
    // A full program has no entry row.
    SetRowCount(n < NbTirMax ? n + 2 : n + 1);
    for (int c = 0; c < 7; ++c)
        SetCellule(c, 0, TitresColonnes[c].Selon(LangueCourante));
    ElargitColonnes();
    for (std::int32_t i = 0; i < n; ++i)
        EcritLigne(i);
    if (n < NbTirMax)
        InitValeurLigneSansNumVoie(n);
}

void TTabGestTempsTirZent::InitValeurLigneSansNumVoie(std::int32_t index)
{
    const int ligne = index + 1;
    if (ligne >= GetRowCount())
        return;
    SetCellule(ColTir, ligne, std::to_string(index));
    SetCellule(ColVoie, ligne, "??");
    SetCellule(ColType, ligne, TextTypeTir(TirManuel));
    SetCellule(ColRetard, ligne, "0");
    SetCellule(ColAbsolu, ligne, "0");
    SetCellule(ColHms, ligne, SecondToString(0));
    SetCellule(ColDescription, ligne, "");
}

CodeRetour TTabGestTempsTirZent::RegenAffichTirAutoEtSuiv(int ligne)
{
    if (ligne < 1)
        return ErrIndexHorsTable;
    // Reads the records directly: a redisplay must not touch the model's last error.
    for (int l = ligne; l < GetRowCount() && l - 1 < NbTirMax && !Modele->Tir(l - 1).Inactif; ++l) {
        if (l > ligne && !Modele->TirAutoEnchaine(l - 1))
            break;
        EcritTemps(l);
    }
    return Succes;
}

void TTabGestTempsTirZent::Message(GenreMessage genre, const std::string& texte)
{
    Msg.Affiche(genre, texte, Boutons::Ok);
}

void TTabGestTempsTirZent::Change()
{
    if (OnTableauChange)
        OnTableauChange();
}

void TTabGestTempsTirZent::ActiveMenuUndo(bool notifier)
{
    if (!Modele)
        return;
    if (!CopieAnnulation)
        CopieAnnulation = std::make_unique<CQ52>();
    CopieAnnulation->Copie(*Modele);
    if (notifier && OnAnnulation)
        OnAnnulation();
}

void TTabGestTempsTirZent::AnnuleDerniereAction()
{
    if (!CopieAnnulation || !Modele)
        return;
    if (!CopieRetablir)
        CopieRetablir = std::make_unique<CQ52>();
    CopieRetablir->Copie(*Modele);
    Modele->Copie(*CopieAnnulation);
    ActulaiserAffichage();
}

void TTabGestTempsTirZent::RefaireDerniereAction()
{
    if (!CopieAnnulation || !CopieRetablir || !Modele)
        return;
    ActiveMenuUndo(true);
    Modele->Copie(*CopieRetablir);
    ActulaiserAffichage();
}

// ---- Applying edits -------------------------------------------------------

void TTabGestTempsTirZent::AppliqueCourante(bool avecAnnulationDescription)
{
    const int ligne = Row();
    if (ligne < 1 || !Modele)
        return;
    switch (Col()) {
    case ColVoie:
        AppliqueVoie(ligne);
        break;
    case ColType:
        AppliqueType(ligne, ListeType.Index);
        break;
    case ColRetard:
        AppliqueRetard(ligne);
        break;
    case ColAbsolu:
        AppliqueRetardAbsolu(ligne);
        break;
    case ColDescription:
        AppliqueDescription(ligne, avecAnnulationDescription);
        break;
    default:
        break;
    }
}

void TTabGestTempsTirZent::AppliqueVoie(int ligne)
{
    const std::int32_t i = ligne - 1;
    const auto saisi = LitEntierSaisi(Cellule(ColVoie, ligne));
    Saisie = false;
    if (!saisi) {
        Message(GenreMessage::Erreur, MsgPasEntier.Selon(LangueCourante));
        SetCellule(ColVoie, ligne, std::to_string(Modele->GetNumeroVoie(i)));
        return;
    }
    const std::int32_t ancienne = Modele->GetNumeroVoie(i);
    if (!Modele->NumeroVoieValide(ancienne))
        return;
    // A number beyond 32 bits is as invalid as any other out-of-range channel.
    const long long v = *saisi;
    const std::int32_t voie =
        v < 0 || v > std::numeric_limits<std::int32_t>::max() ? -1 : static_cast<std::int32_t>(v);
    ActiveMenuUndo(true);
    const CodeRetour code = Modele->SetNumeroVoie(i, voie);
    const Langue l = LangueCourante;
    switch (code) {
    case Succes:
        break;
    case ErrVoieInvalide:
        SetCellule(ColVoie, ligne, std::to_string(ancienne));
        Message(GenreMessage::Erreur, Formate(MsgVoieInexistante.Selon(l), {v, i}));
        break;
    case ErrVoieDeSecours:
        SetCellule(ColVoie, ligne, std::to_string(ancienne));
        Message(GenreMessage::Erreur, Formate(MsgVoieSecours.Selon(l), {v, i, ancienne}));
        break;
    case ErrVoieDejaUtilisee:
        Message(GenreMessage::Avertissement, Formate(MsgVoieUtilisee.Selon(l), {v, i}));
        break;
    case ErrIndexHorsTable:
    case ErrTirInactif:
        Message(GenreMessage::Erreur, Formate(MsgTirInactif.Selon(l), {i}));
        break;
    default:
        SetCellule(ColVoie, ligne, std::to_string(ancienne));
        Message(GenreMessage::Erreur, Formate(MsgErreurInattendue.Selon(l), {Modele->GetDerniereErreur()}));
        break;
    }
}

void TTabGestTempsTirZent::AppliqueType(int ligne, int item)
{
    const std::int32_t i = ligne - 1;
    if (ligne > 1 && Modele->TirActif(i)) {
        ActiveMenuUndo(true);
        const bool manuel = item == 0;
        Modele->SetTypeTir(i, manuel, false);
        SetCellule(ColType, ligne, TextTypeTir(Modele->Tir(i).Manuel ? TirManuel : TirAutomatique));
        RegenAffichTirAutoEtSuiv(ligne);
    }
    Saisie = false;
}

void TTabGestTempsTirZent::SignaleResultatTemps(CodeRetour code, int ligne, int colonne, double saisi,
                                                const std::string& ancien)
{
    const std::int32_t i = ligne - 1;
    const Langue l = LangueCourante;
    switch (code) {
    case ErrTempsSuivantsDeplaces:
        Message(GenreMessage::Avertissement, MsgSuivantsModifies.Selon(l));
        [[fallthrough]];
    case Succes:
    case ErrValeurAjustee:
        RegenAffichTirAutoEtSuiv(ligne);
        break;
    case ErrRetardHorsLimites:
        SetCellule(colonne, ligne, ancien);
        if (Modele->Tir(i).Manuel)
            Message(GenreMessage::Erreur, Formate(MsgLimiteManuel.Selon(l), {Decimal(saisi), i, Decimal(RetardMax)}));
        else
            Message(GenreMessage::Erreur, Formate(MsgLimiteAuto.Selon(l), {Decimal(saisi), i, Decimal(RetardMax),
                                                                          Decimal(RetardMinAuto)}));
        break;
    case ErrIndexHorsTable:
    case ErrTirInactif:
        SetCellule(colonne, ligne, ancien);
        Message(GenreMessage::Erreur, Formate(MsgTirInactif.Selon(l), {i}));
        break;
    default:
        SetCellule(colonne, ligne, ancien);
        Message(GenreMessage::Erreur, Formate(MsgErreurInattendue.Selon(l), {Modele->GetDerniereErreur()}));
        break;
    }
}

void TTabGestTempsTirZent::AppliqueRetard(int ligne)
{
    const std::int32_t i = ligne - 1;
    const auto saisi = LitNombreSaisi(Cellule(ColRetard, ligne), Separateur);
    Saisie = false;
    const std::string ancien = Decimal(ArrondiDixieme(Modele->GetRetard(i)));
    if (!saisi) {
        SetCellule(ColRetard, ligne, ancien);
        Message(GenreMessage::Avertissement, MsgPasNombre.Selon(LangueCourante));
        return;
    }
    const double x = ArrondiDixieme(*saisi);
    ActiveMenuUndo(true);
    SignaleResultatTemps(Modele->SetRetard(i, x, false), ligne, ColRetard, x, ancien);
}

void TTabGestTempsTirZent::AppliqueRetardAbsolu(int ligne)
{
    const std::int32_t i = ligne - 1;
    const auto saisi = LitNombreSaisi(Cellule(ColAbsolu, ligne), Separateur);
    Saisie = false;
    if (!saisi) {
        Message(GenreMessage::Avertissement, MsgPasNombre.Selon(LangueCourante));
        SetCellule(ColAbsolu, ligne, Decimal(ArrondiDixieme(Modele->GetRetardAbsolu(i))));
        return;
    }
    ChangementRetardAbsolu(i, ArrondiDixieme(*saisi), true);
}

CodeRetour TTabGestTempsTirZent::ChangementRetardAbsolu(std::int32_t index, double temps, bool avecAnnulation)
{
    if (!Modele)
        return ErrTirInactif;
    const std::string ancien = Decimal(ArrondiDixieme(Modele->GetRetardAbsolu(index)));
    if (avecAnnulation)
        ActiveMenuUndo(true);
    const CodeRetour code = Modele->SetRetardAbsolu(index, temps, false);
    SignaleResultatTemps(code, index + 1, ColAbsolu, temps, ancien);
    return code;
}

void TTabGestTempsTirZent::AppliqueDescription(int ligne, bool avecAnnulation)
{
    if (avecAnnulation)
        ActiveMenuUndo(true);
    Modele->SetDescription(ligne - 1, Cellule(ColDescription, ligne));
    Saisie = false;
}

bool TTabGestTempsTirZent::ValidationDonnee()
{
    if (!Saisie || !Modele)
        return true;
    AppliqueCourante(false);
    Saisie = false;
    ListeType.Visible = false;
    ActulaiserAffichage();
    // The document must learn of the change, or closing would not ask to save it.
    Change();
    return false;
}

void TTabGestTempsTirZent::AnnuleSaisie()
{
    if (!Saisie || !Modele)
        return;
    Saisie = false;
    if (Row() >= 1 && Row() - 1 < NbTirs())
        EcritLigne(Row() - 1);
}

// ---- Selection and the entry row -----------------------------------------

void TTabGestTempsTirZent::AjoutLigneEnFinDeTabSiNessecaire(int col, int lig)
{
    const std::int32_t n = NbTirs();
    if (lig == n + 1 && n < NbTirMax) {
        if (col != ColVoie)
            return;
        ActiveMenuUndo(true);
        Change();
        if (Modele->InsertTirs(n - 1, 1, true, true, true) == Succes && ModeCreationVoie == TirAutomatique)
            Modele->SetTypeTir(n, false, true);
    }
    ActulaiserAffichage();
}

bool TTabGestTempsTirZent::SelectCell(int col, int lig)
{
    if (!Modele)
        return false;
    if ((lig == 1 && (col == ColVoie || col == ColType)) || col == ColHms)
        return false;
    if (Col() == ColType)
        ListeType.Visible = false;
    if (Saisie && (col != Col() || lig != Row())) {
        Saisie = false;
        AppliqueCourante(true);
        Change();
    }
    AjoutLigneEnFinDeTabSiNessecaire(col, lig);
    const std::int32_t n = NbTirs();
    if (n < NbTirMax && lig == n + 1 && col != ColVoie)
        return false;
    if (OnLigneSelectionnee)
        OnLigneSelectionnee(lig);
    return true;
}

void TTabGestTempsTirZent::KeyDown(ToucheBas touche) { ToucheDecimale = touche == ToucheBas::PaveDecimal; }

void TTabGestTempsTirZent::KeyPress(char& touche)
{
    if (ToucheDecimale)
        touche = Separateur;
    const bool validation = touche == ToucheTab || touche == ToucheEntree;
    switch (Col()) {
    case ColVoie:
    case ColRetard:
    case ColAbsolu: {
        const bool accepte = EstChiffre(touche) || touche == ToucheRetour || (Col() != ColVoie && touche == Separateur);
        if (accepte) {
            Saisie = true;
        } else if (validation) {
            if (Saisie) {
                Saisie = false;
                AppliqueCourante(true);
            }
            Change();
        } else {
            touche = 0;
            Sonore.Joue(Son::Avertissement);
        }
        break;
    }
    case ColType:
        if (!validation)
            touche = 0;
        break;
    case ColDescription:
        if (validation) {
            if (Saisie) {
                Saisie = false;
                AppliqueDescription(Row(), true);
            }
            Change();
        } else {
            Saisie = true;
        }
        break;
    default:
        break;
    }
}

std::string TTabGestTempsTirZent::GetEditText(int col, int lig)
{
    if (col == ColType && lig > 0 && Modele) {
        const std::int32_t i = lig - 1;
        ListeType.Index = i < NbTirMax && !Modele->Tir(i).Inactif && !Modele->Tir(i).Manuel ? 1 : 0;
        ListeType.Visible = true;
        MarqueChangement();
    }
    return Cellule(col, lig);
}

void TTabGestTempsTirZent::SetEditText(int col, int lig, const std::string& texte)
{
    // Text that arrives without keys (pasted) is an edit all the same.
    if (texte != Cellule(col, lig) && col != ColType && col != ColHms && col != ColTir)
        Saisie = true;
    GrilleTexte::SetEditText(col, lig, texte);
}

void TTabGestTempsTirZent::ChoixListeDeroulante(int item)
{
    ListeType.Visible = false;
    EditorMode = false;
    if (item != 0 && item != 1)
        return;
    ListeType.Index = item;
    AppliqueType(Row(), item);
    Change();
    MarqueChangement();
}

void TTabGestTempsTirZent::Exit()
{
    // Leaving the grid commits the edit: a cell must never show a value the
    // model does not hold.
    if (!ListeType.Visible)
        ValidationDonnee();
}

// ---- Insertion, deletion -------------------------------------------------

void TTabGestTempsTirZent::InsertLigneApresSelect()
{
    if (!Modele || Row() < 1)
        return;
    ActiveMenuUndo(true);
    Modele->InsertTirs(Row() - 1, 1, false, ModeCreationVoie == TirManuel, false);
    if (Modele->GetDerniereErreur() == Succes) {
        ActulaiserAffichage();
        Change(); // the program changed: the document must ask before closing
    }
}

void TTabGestTempsTirZent::SupprLigneSelect()
{
    if (!Modele || Row() < 1)
        return;
    ActiveMenuUndo(true);
    Modele->SupprTir(Row() - 1);
    if (Modele->GetDerniereErreur() == Succes) {
        ActulaiserAffichage();
        PlaceCourante(Col(), std::min(Row(), NbTirs()));
        Change();
    }
}

// ---- Texts for files and printing ----------------------------------------

void TTabGestTempsTirZent::TextTitreColone(std::vector<std::string>& textes) const
{
    textes.clear();
    for (const auto& titre : TitresColonnes)
        textes.push_back(titre.Selon(LangueCourante));
}

bool TTabGestTempsTirZent::TextLigneDeTir(std::int32_t index, std::vector<std::string>& textes) const
{
    const int ligne = index + 1;
    if (index < 0 || ligne >= GetRowCount())
        return false;
    textes.clear();
    for (int c = 0; c < 7; ++c)
        textes.push_back(Cellule(c, ligne));
    return true;
}

void TTabGestTempsTirZent::TextPourDefTailleColone(std::vector<std::string>& textes) const
{
    TextTitreColone(textes);
    const auto plusLong = [](const std::string& a, const std::string& b) { return a.size() >= b.size() ? a : b; };
    textes[ColType] = plusLong(plusLong(textes[ColType], TextTypeTir(TirAutomatique)), TextTypeTir(TirManuel));
    for (int l = 1; l < GetRowCount(); ++l)
        textes[ColHms] = plusLong(textes[ColHms], Cellule(ColHms, l));
}

void TTabGestTempsTirZent::CalculLargeurMaxDescription(int largeurClient)
{
    int total = 0;
    for (int c = 0; c < GetColCount(); ++c)
        total += LargeurColonne(c);
    if (total < largeurClient)
        SetLargeurColonne(ColDescription, LargeurColonne(ColDescription) + largeurClient - total - 1);
}

void TTabGestTempsTirZent::Resize(int largeurClient) { CalculLargeurMaxDescription(largeurClient); }

StyleCellule TTabGestTempsTirZent::Style(int col, int lig) const
{
    StyleCellule style;
    if (col == ColDescription) {
        style.Aligne = Alignement::Gauche;
        style.RetraitGauche = 5;
    }
    if (lig < 1 || col < 1 || !Modele)
        return style;
    if (lig == 1) {
        style.ParDefaut = false;
        style.Fond = col == ColType ? GrisClair : CouleurDepart;
    } else if (col == ColType && lig - 1 < NbTirs() && Modele->Tir(lig - 1).Manuel) {
        style.ParDefaut = false;
        style.Fond = GrisClair;
    }
    return style;
}

} // namespace Zent
