#include "model/CQ31.h"

namespace Sate {

CQ31::CQ31(std::string_view nom, std::uint32_t numSerie, int soixantaine)
{
    Satelite.NomSatelite.assign(nom);
    Satelite.NumSerieSat = numSerie;
    InitialisationSorties(soixantaine);
}

void CQ31::InitialisationSorties(int soixantaine)
{
    TypeTabLigne& lignes = Satelite.TabLigne;
    if (lignes.size() < NbLigneSatelite)
        lignes.resize(NbLigneSatelite);
    // Only groups 0 to 9 exist; anything else binds nothing rather than
    // storing channels beyond the console's.
    const bool aucune = soixantaine < 0 || soixantaine >= SoixantaineAucune;
    for (std::uint32_t i = 0; i < NbLigneSatelite; ++i) {
        lignes[i].Description.clear();
        lignes[i].NumVoie = aucune ? -1 : static_cast<std::int32_t>(i) + soixantaine * 60;
    }
}

std::int32_t CQ31::GetVoieSortie(std::uint32_t sortie) const
{
    return sortie < NbLigneSatelite ? Satelite.TabLigne[sortie].NumVoie : -2;
}

bool CQ31::VoieAffectable(std::int32_t voie) const
{
    if (voie < 0)
        return true;
    if (voie > NumVoieMax)
        return false;
    for (const TypeUneLigne& ligne : Satelite.TabLigne)
        if (ligne.NumVoie == voie)
            return false;
    return true;
}

bool CQ31::SetVoieSortie(std::uint32_t sortie, std::int32_t voie)
{
    if (sortie >= NbLigneSatelite || !VoieAffectable(voie))
        return false;
    Satelite.TabLigne[sortie].NumVoie = voie < 0 ? -1 : voie;
    return true;
}

std::int32_t CQ31::RechSortieDeLaVoie(std::int32_t voie) const
{
    for (std::uint32_t i = 0; i < NbLigneSatelite; ++i)
        if (Satelite.TabLigne[i].NumVoie == voie)
            return static_cast<std::int32_t>(i);
    return -1;
}

void CQ31::AffecteVoieSortie(std::int32_t voie, std::int32_t sortie)
{
    const std::int32_t ancienne = RechSortieDeLaVoie(voie);
    if (ancienne >= 0)
        SetVoieSortie(static_cast<std::uint32_t>(ancienne), -1);
    if (sortie >= 0)
        SetVoieSortie(static_cast<std::uint32_t>(sortie), voie);
}

std::string CQ31::GetDescriptionSortie(std::uint32_t sortie) const
{
    return sortie < NbLigneSatelite ? Satelite.TabLigne[sortie].Description : std::string();
}

void CQ31::SetDescriptionSortie(std::uint32_t sortie, std::string_view texte)
{
    if (sortie < NbLigneSatelite)
        Satelite.TabLigne[sortie].Description.assign(texte);
}

bool CQ31::ListeSortiesLibres(TypeListeLignes& liste)
{
    liste.clear();
    for (std::uint32_t i = 0; i < NbLigneSatelite; ++i) {
        std::int32_t& voie = Satelite.TabLigne[i].NumVoie;
        if (voie < 0 || voie > NumVoieMax)
            voie = -1;
        if (voie == -1)
            liste.push_back(i);
    }
    return !liste.empty();
}

bool CQ31::TexteUneSortie(std::uint32_t sortie, std::vector<std::string>& textes) const
{
    if (sortie >= NbLigneSatelite)
        return false;
    const TypeUneLigne& ligne = Satelite.TabLigne[sortie];
    textes = {std::to_string(sortie), ligne.NumVoie == -1 ? std::string() : std::to_string(ligne.NumVoie),
              ligne.Description};
    return true;
}

} // namespace Sate
