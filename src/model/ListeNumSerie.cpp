#include "model/ListeNumSerie.h"

#include <algorithm>

namespace Zent {

bool TypeTableauNumSerie::NumSerieAccepte(std::uint32_t n)
{
    return (n >= 400000000u && n <= 499999999u) || (n >= 600000000u && n <= 699999999u) ||
           (n >= 800000000u && n <= 899999999u);
}

std::uint32_t TypeTableauNumSerie::AjouteNumSerie(std::uint32_t numero)
{
    if (!NumSerieAccepte(numero))
        return 100024;
    if (ListeRecherchePleine())
        return 100029;
    if (std::find(Numeros.begin(), Numeros.end(), numero) != Numeros.end())
        return 100030;
    Numeros.push_back(numero);
    return 0;
}

void TypeTableauNumSerie::SupprimeNumSerie(std::size_t position)
{
    if (position < Numeros.size())
        Numeros.erase(Numeros.begin() + static_cast<std::ptrdiff_t>(position));
}

} // namespace Zent
