// Insertion, deletion and checking of shots. Changes in the middle of a
// program are rebuilt in a scratch model by replaying every shot through the
// ordinary setters, so every rule applies as if the program had been typed.
#include "model/CQ52.h"

#include <memory>

namespace Zent {

CodeRetour CQ52::CreerTirComplet(std::int32_t index, std::int32_t voie, bool manuel, bool gardeTempsSuivants)
{
    const CodeRetour code = CreerTirVoie(index, voie);
    if (code != Succes)
        return code;
    return SetTypeTir(index, manuel, gardeTempsSuivants);
}

CodeRetour CQ52::InsertTirs(std::int32_t index, std::int32_t nombre, bool gardeTempsSuivants, bool manuel,
                            bool evitVoieSecours)
{
    if (!Tir(NbTirMax - 1).Inactif)
        return Erreur(ErrProgrammePlein);
    if (VerifIndexActif(index) != Succes)
        return DerniereErreur;
    // A count below one would make the replay overwrite shots.
    if (nombre < 1)
        return Erreur(Succes);

    if (EstDernierTir(index)) {
        for (std::int32_t k = index + 1; k <= index + nombre; ++k) {
            const CodeRetour code = CreerTirComplet(k, k, manuel, gardeTempsSuivants);
            if (code == ErrVoieDeSecours && evitVoieSecours) {
                // Keeps the channel CreerTir chose; the repeat it reports is accepted.
                SetNumeroVoie(k, Tir(k).Voie);
                continue;
            }
            if (code != Succes)
                return code;
        }
        return Erreur(Succes);
    }

    // The scratch model is large: keep it off the stack.
    auto copie = std::make_unique<CQ52>();
    CQ52& s = *copie;
    s.VoiesSecours = VoiesSecours;
    const auto n = static_cast<std::int32_t>(GetNbTirs());
    for (std::int32_t i = 0; i < n; ++i) {
        const std::int32_t j = i <= index ? i : i + nombre;
        const UnTir& tir = Tir(i);
        // An abandoned rebuild leaves the program as it was and says why.
        if (j != 0 && s.CreerTirVoie(j, tir.Voie) != Succes)
            return Erreur(s.DerniereErreur);
        s.SetTypeTir(j, tir.Manuel, true);
        if (gardeTempsSuivants)
            s.SetRetardAbsolu(j, tir.RetardAbsolu, true);
        else
            s.SetRetard(j, tir.Retard, false);
        s.SetDescription(j, tir.Description);
        if (i == index) {
            for (std::int32_t k = index + 1; k <= index + nombre; ++k)
                if (s.CreerTirComplet(k, k, manuel, true) != Succes)
                    return Erreur(s.DerniereErreur);
        }
    }
    CopieProgramme(s);
    return DerniereErreur;
}

CodeRetour CQ52::SupprTir(std::int32_t index)
{
    if (VerifIndexActif(index) != Succes)
        return DerniereErreur;
    if (index == 0)
        return Erreur(ErrIndexHorsTable);

    if (EstDernierTir(index)) {
        TirMod(index) = UnTir{}; // a free record: channel 0, manual, inactive
        TirMod(index - 1).DernierTir = true;
        return Erreur(Succes);
    }

    auto copie = std::make_unique<CQ52>();
    CQ52& s = *copie;
    s.VoiesSecours = VoiesSecours;
    const auto n = static_cast<std::int32_t>(GetNbTirs());
    for (std::int32_t i = 0; i < n; ++i) {
        if (i == index)
            continue;
        const std::int32_t j = i < index ? i : i - 1;
        const UnTir& tir = Tir(i);
        // A shot whose channel became a backup channel keeps the one CreerTir
        // chose and stays manual: the result is deliberately not looked at.
        s.CreerTirComplet(j, tir.Voie, tir.Manuel, false);
        s.SetDescription(j, tir.Description);
        s.SetRetard(j, tir.Retard, false);
    }
    CopieProgramme(s);
    return DerniereErreur;
}

CodeRetour CQ52::VerifTir(std::int32_t index, std::int32_t& indexConcerne)
{
    if (!DansTable(index)) {
        indexConcerne = NbTirMax - 1;
        return Erreur(ErrIndexHorsTable);
    }
    if (Tir(index).Inactif) {
        indexConcerne = static_cast<std::int32_t>(GetNbTirs()) - 1;
        return Erreur(ErrTirInactif);
    }
    const UnTir& tir = Tir(index);
    if (tir.Voie < 0 || tir.Voie >= NbVoieMax) {
        indexConcerne = NbTirMax - 1;
        return Erreur(ErrVoieInvalide);
    }
    for (std::int32_t touche = NbVoieSecours - 1; touche >= 0; --touche) {
        if (VoiesSecours[static_cast<std::size_t>(touche)] == tir.Voie) {
            indexConcerne = touche;
            return Erreur(ErrVoieDeSecours);
        }
    }
    // Cannot come from the setters, but a console image or a hand-edited
    // file could hold it.
    const double retard = ArrondiDixieme(tir.Retard);
    if (!(retard >= GetRetardMin(tir.Manuel) && retard <= RetardMax))
        return Erreur(ErrRetardHorsLimites);
    if (!RetardAbsoluCoherent(index))
        return Erreur(ErrTempsHorsBornes);
    if (TirAutoEnchaine(index) &&
        ArrondiDixieme(tir.RetardAbsolu - Tir(index - 1).RetardAbsolu) != ArrondiDixieme(tir.Retard))
        return Erreur(ErrRetardIncoherent);
    for (std::int32_t k = 0; k < NbTirMax && !Tir(k).Inactif; ++k) {
        if (k != index && Tir(k).Voie == tir.Voie) {
            indexConcerne = k;
            return Erreur(ErrVoieDejaUtilisee);
        }
    }
    return Erreur(Succes);
}

} // namespace Zent
