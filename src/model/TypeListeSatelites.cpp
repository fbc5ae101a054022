#include "model/TypeListeSatelites.h"

#include <algorithm>

namespace Sate {

CQ31& TypeListeSatelites::Ajoute(std::unique_ptr<CQ31> satelite)
{
    Satelites.push_back(std::move(satelite));
    return *Satelites.back();
}

std::ptrdiff_t TypeListeSatelites::IndexDe(const CQ31* satelite) const
{
    const auto it = std::find_if(Satelites.begin(), Satelites.end(),
                                 [satelite](const std::unique_ptr<CQ31>& s) { return s.get() == satelite; });
    return it == Satelites.end() ? -1 : it - Satelites.begin();
}

bool TypeListeSatelites::Supprime(const CQ31* satelite)
{
    const std::ptrdiff_t i = IndexDe(satelite);
    if (i < 0)
        return false;
    Satelites.erase(Satelites.begin() + i);
    return true;
}

CQ31* TypeListeSatelites::RechSatelite(std::string_view nom) const
{
    if (nom.empty())
        return nullptr;
    for (const auto& s : Satelites)
        if (s->GetNomSatelite() == nom)
            return s.get();
    return nullptr;
}

bool TypeListeSatelites::NumSerieSatExiste(std::uint32_t numSerie) const
{
    if (numSerie == 0)
        return false;
    return std::any_of(Satelites.begin(), Satelites.end(),
                       [numSerie](const std::unique_ptr<CQ31>& s) { return s->EstNumSerie(numSerie); });
}

} // namespace Sate
