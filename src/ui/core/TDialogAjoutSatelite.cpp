#include "ui/core/TDialogAjoutSatelite.h"

#include "ui/core/TFenetreEnfant.h"

#include <limits>

namespace Zent {

namespace {
constexpr TexteBilingue MsgNomVide{"Vous devez choisir un nom de satellite.", "Vous must choose a name for the satellite"};
constexpr TexteBilingue MsgCode11{"ERREUR : Pour pouvoir enregistrer un satellite vous devez absolument lui donner un nom.",
                                  "ERROR : give a name to the satellite "};
constexpr TexteBilingue MsgCode100030{
    "ERREUR : Le nom choisi existe déjà dans votre liste.\nVous ne pouvez pas avoir deux noms de satellites identiques.\n",
    "ERROR : the name already exists"};
constexpr TexteBilingue MsgCode100031{
    "ERREUR : Le numéro de série du satellite existe déjà.\nvous devez enregistrer un numéro de série différent.",
    "ERROR : this number already exists"};
constexpr TexteBilingue MsgCode13{"ERREUR, La soixantaine selectionnée n'existe pas.\nVous devez en choisir un autre",
                                  "ERROR, the sixty group selected doesn't exists. Choose another one "};
constexpr TexteBilingue MsgCode12{
    "ATTENTION, Il n'y pas de numèro de série enregistré.\nEtes vous sûr de vouloir enregistrer le satellite sans "
    "numéro de série?",
    "WARNING, there is no serial number for the satellite"};
} // namespace

void TDialogAjoutSatelite::SetLangue(Langue langue)
{
    if (!LangueValide(langue) || langue == LangueCourante)
        return;
    LangueCourante = langue;
    ItemSoixantaine = 0;
}

std::uint32_t TDialogAjoutSatelite::GetNumSerieSaisi() const
{
    unsigned long long v = 0;
    for (char c : NumSerie) {
        if (c < '0' || c > '9')
            break;
        v = v * 10 + static_cast<unsigned long long>(c - '0');
        if (v > std::numeric_limits<std::uint32_t>::max())
            return std::numeric_limits<std::uint32_t>::max();
    }
    return static_cast<std::uint32_t>(v);
}

void TDialogAjoutSatelite::LabelEditNumSerieKeyPress(char& touche)
{
    const bool accepte = (touche >= '0' && touche <= '9') || touche == 8 || touche == 9 || touche == 13;
    if (!accepte) {
        touche = 0;
        Sonore.Joue(Son::Avertissement);
    }
}

bool TDialogAjoutSatelite::BitBtnOkClick(bool& confirme)
{
    if (!Nom.empty()) {
        confirme = true;
        return true;
    }
    const Reponse r = Msg.Affiche(GenreMessage::Avertissement, MsgNomVide.Selon(LangueCourante), Boutons::AbandonReessayer);
    if (r == Reponse::Reessayer)
        return false;
    confirme = false;
    return true;
}

TDialogAjoutSatelite::Textes TDialogAjoutSatelite::LesTextes() const
{
    const Langue l = LangueCourante;
    Textes t{TexteBilingue{"Ajout d'un satellite", "Add a satellite"}.Selon(l),
             TexteBilingue{"Nom du Satellite", "Name of satellite"}.Selon(l),
             TexteBilingue{"Numéro de Série", "Serial number"}.Selon(l),
             TexteBilingue{"Choix soixantaine ", "Sixty group choice"}.Selon(l),
             TexteBilingue{"Choix de la soixantaine par defaut du satellite",
                           "Choice by default of the sixty group of satellite"}
                 .Selon(l),
             TexteBilingue{"OK", "OK"}.Selon(l),
             TexteBilingue{"Annuler", "Cancel"}.Selon(l),
             {}};
    t.Items.push_back(TexteBilingue{"Pas D'initialisation des sorties", "No initialization of the outputs"}.Selon(l));
    for (int g = 0; g < 10; ++g)
        t.Items.push_back(Formate(TexteBilingue{"Soixantaine n°%i", "Sixty group n°%i"}.Selon(l), {g}));
    return t;
}

bool FluxAjoutSatelite(TFenetreEnfant& document, TDialogAjoutSatelite& dialogue, VueAjoutSatelite& vue,
                       Messages& messages, Sons& sons)
{
    const Langue l = dialogue.GetLangue();
    bool ajoute = false;
    while (vue.Montre(dialogue)) {
        const int soixantaine = dialogue.GetSoixantaine() < 0 ? Sate::SoixantaineAucune : dialogue.GetSoixantaine();
        const std::string nom = dialogue.GetNomSaisi();
        const std::uint32_t numSerie = dialogue.GetNumSerieSaisi();
        const int code = document.ControleNouveauSatelite(nom, numSerie, soixantaine);
        if (code == 0) {
            ajoute = document.AjoutSatelite(nom, numSerie, soixantaine) == 0;
            break;
        }
        if (code == AvertNumSerieVide) {
            sons.Joue(Son::Avertissement);
            if (messages.Affiche(GenreMessage::Confirmation, MsgCode12.Selon(l), Boutons::OuiNon) == Reponse::Oui) {
                ajoute = document.AjoutSatelite(nom, numSerie, soixantaine) == AvertNumSerieVide;
                break;
            }
            continue;
        }
        const TexteBilingue& texte = code == ErrNomSatVide       ? MsgCode11
                                     : code == ErrNomSatExiste   ? MsgCode100030
                                     : code == ErrNumSerieSatExiste ? MsgCode100031
                                                                   : MsgCode13;
        sons.Joue(Son::Erreur);
        if (messages.Affiche(GenreMessage::Erreur, texte.Selon(l), Boutons::AbandonReessayer) != Reponse::Reessayer)
            break;
    }
    document.FormActivate(); // satellite programming and deletion follow the list
    return ajoute;
}

} // namespace Zent
