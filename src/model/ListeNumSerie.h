#pragma once

#include <cstdint>
#include <vector>

namespace Zent {

inline constexpr std::size_t NbNumSerieMax = 100;

// The console's satellite search list: ordered, no repeats, at most 100
// serial numbers from the accepted ranges.
class TypeTableauNumSerie {
public:
    static bool NumSerieAccepte(std::uint32_t numero);
    // 0, or 100024 (range), 100029 (full), 100030 (already there).
    std::uint32_t AjouteNumSerie(std::uint32_t numero);
    bool ListeRecherchePleine() const { return Numeros.size() >= NbNumSerieMax; }
    std::uint32_t GetNumSerie(std::size_t position) const { return position < Numeros.size() ? Numeros[position] : 0; }
    void SupprimeNumSerie(std::size_t position);
    std::size_t Nombre() const { return Numeros.size(); }
    void Vide() { Numeros.clear(); }

private:
    std::vector<std::uint32_t> Numeros;
};

} // namespace Zent
