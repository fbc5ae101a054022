#include "files/Verification.h"

#include "files/TexteFichier.h"
#include "model/Saisie.h"

namespace Zent::Fichier {

namespace {

constexpr TexteBilingue PrefixeTir{"Tir n°%03i,", "Shot n°%03i,"};
constexpr TexteBilingue PrefixeNom{"Nom Programme", "Program Name"};
constexpr TexteBilingue GraviteErreur{" ERREUR : ", " ERROR : "};
constexpr TexteBilingue GraviteAvertissement{" ATTENTION : ", " WARNING : "};

constexpr TexteBilingue MsgIndex{"Le Numero de tir %i n'est pas un tir valide.", "The shot N°%i is not a valid shot."};
constexpr TexteBilingue MsgInactif{"Le tir n°%i est inactif.", "The shot n°%i is not active."};
constexpr TexteBilingue MsgVoie{"Le Numero de voie %i est invalide.", "The way N°%i is invalid."};
constexpr TexteBilingue MsgRetard{"Le retard relatif %fs est non valide.", "The relative time %fs is not vbalid."};
constexpr TexteBilingue MsgAbsolu{"Le retard absolu %fs n'est pas bon.", "The Absolute time %fs is wrong."};
constexpr TexteBilingue MsgDifference{"Il y a une difference entre le temps entre tirs et le temps total.",
                                      "There is a difference with the time between shots and the total time."};
constexpr TexteBilingue MsgSecours{"La voie n°%i est affectée à la touche F%i.",
                                   "the way N°%i is destined to the pushbutton F%i."};
constexpr TexteBilingue MsgDejaUtilisee{"La voie n°%i est déjà utilisée au tir N°%i.",
                                        "Way n°%i already used for the shot n°%i."};
constexpr TexteBilingue MsgInconnue{"L'erreur N°%u est inconnue.", "The error N°%u is unknow."};

constexpr TexteBilingue MsgVoieAffichee{
    "La valeur de voie n°%i affichée ne correspond pas à la valeur mémorisée %i.",
    "The value of line n°%i displayed do not coincide with the memorized value %i."};
constexpr TexteBilingue MsgPasEntier{"La valeur \"%s\" saisie n'est pas un entier.",
                                     "The value %s is not an integer number."};
constexpr TexteBilingue MsgPasNombre{"La valeur \"%s\" saisie n'est pas un nombre.", "The value %s is not a number."};
constexpr TexteBilingue MsgRetardAffiche{
    "Le temps relatif, %fs, affiché ne correspond pas au temps mémorisé, %fs.",
    "The relative time, %fs, displayed do not coincide with the memorized time, %fs."};
constexpr TexteBilingue MsgAbsoluAffiche{
    "Le temps absolu, %fs, affiché ne correspond pas au temps mémorisé, %fs",
    "The absolute time, %fs, displayed do not coincide with the memorized time, %fs."};
constexpr TexteBilingue MsgSansNom{
    "Vous n'avez pas saisi de nom pour le programme en mémoire, vous devez en saisir un.",
    "You dont have named the show program, you must give a name."};

constexpr int ColVoie = 1, ColRetard = 3, ColAbsolu = 4;

} // namespace

void VerificationProgramme(const DocumentAVerifier& d, Langue l, std::vector<std::string>& erreurs,
                           std::vector<std::string>& avertissements)
{
    erreurs.clear();
    avertissements.clear();
    CQ52& m = *d.Modele;
    const std::string erreur = GraviteErreur.Selon(l);
    const std::string attention = GraviteAvertissement.Selon(l);

    for (std::int32_t i = 0; i < NbTirMax && !m.Tir(i).Inactif; ++i) {
        const std::string prefixe = Formate(PrefixeTir.Selon(l), {i});
        const auto ajoute = [&](std::vector<std::string>& liste, const std::string& gravite, const std::string& texte) {
            liste.push_back(prefixe + gravite + texte);
        };
        const UnTir& tir = m.Tir(i);

        std::int32_t concerne = 0;
        const CodeRetour code = m.VerifTir(i, concerne);
        switch (code) {
        case Succes:
            break;
        case ErrIndexHorsTable:
            ajoute(erreurs, erreur, Formate(MsgIndex.Selon(l), {i}));
            break;
        case ErrTirInactif:
            ajoute(erreurs, erreur, Formate(MsgInactif.Selon(l), {i}));
            break;
        case ErrVoieInvalide:
            ajoute(erreurs, erreur, Formate(MsgVoie.Selon(l), {tir.Voie}));
            break;
        case ErrRetardHorsLimites:
            ajoute(erreurs, erreur, Formate(MsgRetard.Selon(l), {tir.Retard}));
            break;
        case ErrTempsHorsBornes:
            ajoute(erreurs, erreur, Formate(MsgAbsolu.Selon(l), {tir.RetardAbsolu}));
            break;
        case ErrRetardIncoherent:
            ajoute(erreurs, erreur, MsgDifference.Selon(l));
            break;
        case ErrVoieDeSecours:
            ajoute(erreurs, erreur, Formate(MsgSecours.Selon(l), {tir.Voie, concerne + 5}));
            break;
        case ErrVoieDejaUtilisee:
            if (concerne < i)
                ajoute(avertissements, attention, Formate(MsgDejaUtilisee.Selon(l), {tir.Voie, concerne}));
            break;
        default:
            ajoute(erreurs, erreur, Formate(MsgInconnue.Selon(l), {m.GetDerniereErreur()}));
            break;
        }

        const int ligne = i + 1;
        const std::string texteVoie = d.Cellule(ColVoie, ligne);
        const long long voie = LitEntierSaisi(texteVoie).value_or(-1);
        if (voie >= 0 && voie != tir.Voie)
            ajoute(erreurs, erreur, Formate(MsgVoieAffichee.Selon(l), {voie, tir.Voie}));
        else if (voie < 0)
            ajoute(erreurs, erreur, Formate(MsgPasEntier.Selon(l), {texteVoie}));

        const struct {
            int colonne;
            double modele;
            const TexteBilingue& difference;
        } temps[] = {{ColRetard, tir.Retard, MsgRetardAffiche}, {ColAbsolu, tir.RetardAbsolu, MsgAbsoluAffiche}};
        for (const auto& t : temps) {
            const std::string texte = d.Cellule(t.colonne, ligne);
            const double affiche = LitNombreSaisi(texte, d.SeparateurDecimal).value_or(-1.0);
            if (affiche >= 0) {
                if (ArrondiDixieme(affiche) != ArrondiDixieme(t.modele))
                    ajoute(erreurs, erreur, Formate(t.difference.Selon(l), {affiche, t.modele}));
            } else {
                ajoute(erreurs, erreur, Formate(MsgPasNombre.Selon(l), {texte}));
            }
        }
    }

    if (Elague(d.Titre, " ").empty())
        erreurs.push_back(PrefixeNom.Selon(l) + erreur + MsgSansNom.Selon(l));
}

} // namespace Zent::Fichier
