// Delay limits and the propagation of delay, time and type changes.
#include "model/CQ52.h"

#include <cmath>

namespace Zent {

double CQ52::GetRetardMinTir(std::int32_t index)
{
    return VerifIndexActif(index) == Succes ? GetRetardMin(Tir(index).Manuel) : 0.0;
}

double CQ52::GetRetardMaxTir(std::int32_t index)
{
    return VerifIndexActif(index) == Succes ? RetardMax : 0.0;
}

double CQ52::GetRetardAbsoluMin(std::int32_t index)
{
    if (VerifIndexActif(index) != Succes)
        return 0.0;
    const double base = TirAutoEnchaine(index) ? Tir(index - 1).RetardAbsolu : 0.0;
    return base + GetRetardMin(Tir(index).Manuel);
}

double CQ52::GetRetardAbsoluMax(std::int32_t index)
{
    if (VerifIndexActif(index) != Succes)
        return 0.0;
    const double base = TirAutoEnchaine(index) ? Tir(index - 1).RetardAbsolu : 0.0;
    return base + RetardMax;
}

bool CQ52::RetardAbsoluCoherent(std::int32_t index)
{
    Erreur(Succes);
    if (!TirActif(index))
        return false;
    const double t = Tir(index).RetardAbsolu;
    const bool coherent = GetRetardAbsoluMin(index) <= t + 0.02 && GetRetardAbsoluMax(index) >= t - 0.02;
    Erreur(Succes);
    return coherent;
}

bool CQ52::SuivantEnchaine(std::int32_t index) const
{
    return index < NbTirMax - 1 && !Tir(index + 1).Inactif && !Tir(index + 1).Manuel;
}

// Absolute times from shot `depuis` to the end of its sequence, from the
// relative delays.
void CQ52::RetempsSequence(std::int32_t depuis)
{
    for (std::int32_t k = depuis;; ++k) {
        UnTir& tir = TirMod(k);
        tir.RetardAbsolu = tir.Manuel ? tir.Retard : Tir(k - 1).RetardAbsolu + tir.Retard;
        if (!SuivantEnchaine(k))
            break;
    }
}

CodeRetour CQ52::SetRetard(std::int32_t index, double retard, bool gardeTempsSuivants)
{
    if (VerifIndexActif(index) != Succes)
        return DerniereErreur;
    const double r = ArrondiDixiemeHaut(retard);
    const bool manuel = Tir(index).Manuel;
    // NaN would pass both limit comparisons and poison the whole sequence.
    if (std::isnan(r) || r > RetardMax || r < GetRetardMin(manuel))
        return Erreur(ErrRetardHorsLimites);
    if (gardeTempsSuivants) {
        const double cible = manuel ? r : Tir(index - 1).RetardAbsolu + r;
        return RetardAbsoluGarde(index, cible, false);
    }
    TirMod(index).Retard = r;
    RetempsSequence(index);
    return Erreur(Succes);
}

CodeRetour CQ52::SetRetardAbsolu(std::int32_t index, double temps, bool gardeTempsSuivants)
{
    if (VerifIndexActif(index) != Succes)
        return DerniereErreur;
    if (std::isnan(temps))
        return Erreur(ErrRetardHorsLimites);
    if (gardeTempsSuivants)
        return RetardAbsoluGarde(index, temps, false);
    if (Tir(index).Manuel)
        return SetRetard(index, ArrondiDixiemeHaut(temps), false);
    return SetRetard(index, temps - Tir(index - 1).RetardAbsolu, false);
}

// Keep-absolute-times mode. Each following shot of the sequence is asked to
// keep its absolute time; it is pushed or pulled only as far as its delay
// limits demand. `imbrique` is false for the outermost call only.
CodeRetour CQ52::RetardAbsoluGarde(std::int32_t index, double temps, bool imbrique)
{
    if (VerifIndexActif(index) != Succes)
        return DerniereErreur;

    double t = ArrondiDixiemeHaut(temps);
    const double ancienTemps = Tir(index).RetardAbsolu;
    const double ancienRetard = Tir(index).Retard;
    CodeRetour etat = Succes;
    double r = 0.0;

    if (Tir(index).Manuel) {
        r = t;
        if (t > RetardMax) {
            t = r = RetardMax;
            etat = ErrValeurAjustee;
        } else if (t < 0) {
            t = r = 0;
            etat = ErrValeurAjustee;
        }
    } else {
        const double precedent = Tir(index - 1).RetardAbsolu;
        r = t - precedent;
        bool ajuste = true;
        if (r > RetardMax)
            r = RetardMax;
        else if (r < RetardMinAuto)
            r = RetardMinAuto;
        else
            ajuste = false;
        if (ajuste) {
            t = precedent + r;
            etat = ErrValeurAjustee;
        }
    }

    UnTir& tir = TirMod(index);
    tir.Retard = r;
    tir.RetardAbsolu = t;

    if (imbrique && t != ancienTemps)
        etat = ErrTempsSuivantsDeplaces;
    if (!SuivantEnchaine(index))
        return Erreur(Succes);
    if (t == ancienTemps)
        return Erreur(r != ancienRetard ? ErrValeurAjustee : etat);

    const CodeRetour suivant = RetardAbsoluGarde(index + 1, Tir(index + 1).RetardAbsolu, true);
    if (suivant == Succes || (suivant == ErrValeurAjustee && etat != Succes))
        return Erreur(etat);
    return Erreur(suivant);
}

CodeRetour CQ52::SetTypeTir(std::int32_t index, bool manuel, bool gardeTempsSuivants)
{
    if (!DansTable(index))
        return Erreur(ErrIndexHorsTable);
    if (index == 0)
        return Erreur(Succes);
    if (Tir(index).Inactif)
        return Erreur(ErrTirInactif);
    if (Tir(index).Manuel == manuel)
        return Erreur(Succes);

    TirMod(index).Manuel = manuel;
    const double retard = Tir(index).Retard;
    CodeRetour code;
    if (manuel)
        code = SetRetard(index, 0.0, false);
    else if (retard == 0.0)
        code = SetRetard(index, RetardMinAuto, gardeTempsSuivants);
    else if (gardeTempsSuivants)
        code = SetRetardAbsolu(index, Tir(index).RetardAbsolu, true);
    else
        code = SetRetard(index, retard, false);

    // The setters refuse only before changing anything: undo the type too.
    if (code == ErrRetardHorsLimites)
        TirMod(index).Manuel = !manuel;
    return code;
}

} // namespace Zent
