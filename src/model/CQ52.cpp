#include "model/CQ52.h"

namespace Zent {

CQ52::CQ52() : VoiesSecours{596, 597, 598, 599}
{
    for (std::int32_t i = 0; i < NbTirMax; ++i)
        TirMod(i).Voie = i;
    UnTir& depart = TirMod(0);
    depart.DernierTir = false;
    depart.Inactif = false;
}

void CQ52::CopieProgramme(const CQ52& source)
{
    if (&source == this)
        return;
    Tirs = source.Tirs;
    VoiesSecours = source.VoiesSecours;
    DerniereErreur = source.DerniereErreur;
}

void CQ52::Copie(const CQ52& source)
{
    CopieProgramme(source);
    ListeRecherche = source.ListeRecherche;
    NumeroPort = source.NumeroPort;
}

CodeRetour CQ52::VerifIndexActif(std::int32_t index)
{
    if (!DansTable(index))
        return Erreur(ErrIndexHorsTable);
    if (Tir(index).Inactif)
        return Erreur(ErrTirInactif);
    return Erreur(Succes);
}

bool CQ52::IndexTirValide(std::int32_t index)
{
    return Erreur(DansTable(index) ? Succes : ErrIndexHorsTable) == Succes;
}

bool CQ52::TirActif(std::int32_t index)
{
    const bool actif = DansTable(index) && !Tir(index).Inactif;
    Erreur(actif ? Succes : ErrTirInactif);
    return actif;
}

std::uint32_t CQ52::GetNbTirs() const
{
    std::int32_t n = 1;
    while (n < NbTirMax && !Tir(n).Inactif)
        ++n;
    return static_cast<std::uint32_t>(n);
}

bool CQ52::EstDernierTir(std::int32_t index) const
{
    if (!DansTable(index) || Tir(index).Inactif)
        return false;
    return index == NbTirMax - 1 || Tir(index + 1).Inactif;
}

bool CQ52::TirAutoEnchaine(std::int32_t index) const
{
    // Active records form a prefix, so an active index is below the count.
    return DansTable(index) && !Tir(index).Inactif && !Tir(index).Manuel;
}

bool CQ52::NumeroVoieValide(std::int32_t voie)
{
    const bool valide = voie >= 0 && voie < NbVoieMax;
    Erreur(valide ? Succes : ErrVoieInvalide);
    return valide;
}

std::int32_t CQ52::GetNumeroVoie(std::int32_t index)
{
    const CodeRetour code = VerifIndexActif(index);
    return code == Succes ? Tir(index).Voie : -static_cast<std::int32_t>(code);
}

bool CQ52::VoieUtilisee(std::int32_t voie)
{
    if (!NumeroVoieValide(voie))
        return false;
    for (std::int32_t i = 0; i < NbTirMax && !Tir(i).Inactif; ++i)
        if (Tir(i).Voie == voie)
            return true;
    return false;
}

CodeRetour CQ52::SetNumeroVoie(std::int32_t index, std::int32_t voie)
{
    if (!DansTable(index))
        return Erreur(ErrIndexHorsTable);
    if (index == 0)
        return Erreur(Succes);
    if (Tir(index).Inactif)
        return Erreur(ErrTirInactif);
    if (!NumeroVoieValide(voie))
        return Erreur(ErrVoieInvalide);
    if (EstVoieSecours(voie))
        return Erreur(ErrVoieDeSecours);
    // The shot itself counts: re-entering its own channel is a repeat too.
    const bool dejaUtilisee = VoieUtilisee(voie);
    TirMod(index).Voie = voie;
    return Erreur(dejaUtilisee ? ErrVoieDejaUtilisee : Succes);
}

bool CQ52::GetTypeTir(std::int32_t index)
{
    return VerifIndexActif(index) == Succes && Tir(index).Manuel;
}

double CQ52::GetRetard(std::int32_t index)
{
    return VerifIndexActif(index) == Succes ? Tir(index).Retard : 0.0;
}

double CQ52::GetRetardAbsolu(std::int32_t index)
{
    return VerifIndexActif(index) == Succes ? Tir(index).RetardAbsolu : 0.0;
}

std::string CQ52::GetDescription(std::int32_t index) const
{
    if (!DansTable(index) || Tir(index).Inactif)
        return std::string();
    return Tir(index).Description;
}

bool CQ52::SansDescription(std::int32_t index) const
{
    return !DansTable(index) || Tir(index).Inactif || Tir(index).Description.empty();
}

CodeRetour CQ52::SetDescription(std::int32_t index, std::string_view texte)
{
    if (VerifIndexActif(index) != Succes)
        return DerniereErreur;
    // Descriptions are terminated texts on the console and in files: a NUL
    // byte ends them here too.
    TirMod(index).Description.assign(texte.substr(0, texte.find('\0')));
    return DerniereErreur;
}

CodeRetour CQ52::EffaceDescription(std::int32_t index)
{
    if (IndexTirValide(index))
        TirMod(index).Description.clear();
    return DerniereErreur;
}

std::int32_t CQ52::GetVoieSecours(std::int32_t n)
{
    if (n < 0 || n >= NbVoieSecours)
        return -static_cast<std::int32_t>(Erreur(ErrIndexSecours));
    Erreur(Succes);
    return VoiesSecours[static_cast<std::size_t>(n)];
}

CodeRetour CQ52::SetVoieSecours(std::int32_t n, std::int32_t voie)
{
    if (n < 0 || n >= NbVoieSecours)
        return Erreur(ErrIndexSecours);
    if (!NumeroVoieValide(voie) || voie == 0)
        return Erreur(ErrVoieInvalide);
    VoiesSecours[static_cast<std::size_t>(n)] = voie;
    return Erreur(Succes);
}

bool CQ52::EstVoieSecours(std::int32_t voie) const
{
    if (voie < 0 || voie >= NbVoieMax)
        return false;
    for (std::int32_t v : VoiesSecours)
        if (v == voie)
            return true;
    return false;
}

bool CQ52::CreerTir(std::int32_t index)
{
    if (!DansTable(index) || (Tir(index).Inactif && static_cast<std::uint32_t>(index) > GetNbTirs())) {
        Erreur(ErrIndexHorsTable);
        return false;
    }
    Erreur(Succes);
    if (!Tir(index).Inactif)
        return true;

    // The shot number is the default channel; backup channels are skipped
    // upward, wrapping after the last channel.
    std::int32_t voie = index;
    while (EstVoieSecours(voie))
        voie = (voie + 1) % NbVoieMax;

    UnTir& tir = TirMod(index);
    tir = UnTir{};
    tir.Voie = voie;
    tir.Inactif = false;
    tir.DernierTir = true;
    if (index > 0)
        TirMod(index - 1).DernierTir = false;
    return true;
}

CodeRetour CQ52::CreerTirVoie(std::int32_t index, std::int32_t voie)
{
    if (!CreerTir(index))
        return DerniereErreur;
    const CodeRetour code = SetNumeroVoie(index, voie);
    return Erreur(code == ErrVoieDejaUtilisee ? Succes : code);
}

} // namespace Zent
