#include "ui/core/PorteTransfert.h"

#include "ui/core/TFenetreEnfant.h"

namespace Zent {

namespace {

constexpr TexteBilingue MsgAucunProgramme{
    "Il n'y a pas de programme de tir ouvert.\nLa programmation ne pourra pas être effectuée\n",
    "There is not firing program open.\n Program can be done"};
constexpr TexteBilingue MsgErreurs{
    "Il y a %i Erreur(s) et %i Avertissement(s) dans le programme de tir.\nLa programmation ne pourra pas être "
    "effectuée\nPour programmer l'appareil, vous devez corriger toutes les erreurs",
    "There is %i error(s) and %i warning(s) in this program. \nProgramming can't be done.\n To program, you must "
    "correct all errors"};
constexpr TexteBilingue MsgAvertissements{
    "Il y a %i Avertissement(s). Les avertissements n'empêchent pas la programmation.\n\n Voulez vous programmer "
    "tout de même ?",
    "There is %i warning(s) do not prevent the programming.\n\nDo you really want to program?"};

} // namespace

bool PorteTransfert(TFenetreEnfant* document, Messages& messages, Sons& sons, Langue l)
{
    if (!document) {
        sons.Joue(Son::Erreur);
        messages.Affiche(GenreMessage::Erreur, MsgAucunProgramme.Selon(l), Boutons::Ok);
        return false;
    }
    document->AfficheVerification();
    const auto erreurs = document->ListeErreurs().size();
    const auto avertissements = document->ListeAvertissements().size();
    if (erreurs > 0) {
        sons.Joue(Son::Erreur);
        messages.Affiche(GenreMessage::Erreur, Formate(MsgErreurs.Selon(l), {erreurs, avertissements}), Boutons::Ok);
        return false;
    }
    if (avertissements > 0)
        return messages.Affiche(GenreMessage::Confirmation, Formate(MsgAvertissements.Selon(l), {avertissements}),
                                Boutons::OuiNon) == Reponse::Oui;
    return true;
}

} // namespace Zent
