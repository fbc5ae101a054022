#pragma once

#include "model/CQ31.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace Sate {

// The satellites of one document, in the order they were added or read.
// The list owns them: removing one destroys it.
class TypeListeSatelites {
public:
    CQ31& Ajoute(std::unique_ptr<CQ31> satelite);
    // Destroys the satellite; false when it is not in this list.
    bool Supprime(const CQ31* satelite);
    void Efface() { Satelites.clear(); }

    std::size_t Nombre() const { return Satelites.size(); }
    bool EstVide() const { return Satelites.empty(); }
    CQ31& operator[](std::size_t i) { return *Satelites[i]; }
    const CQ31& operator[](std::size_t i) const { return *Satelites[i]; }
    std::ptrdiff_t IndexDe(const CQ31* satelite) const;

    // First satellite whose name matches byte for byte; none for an empty name.
    CQ31* RechSatelite(std::string_view nom) const;
    // 0 means "no serial number" and never counts as taken.
    bool NumSerieSatExiste(std::uint32_t numSerie) const;

private:
    std::vector<std::unique_ptr<CQ31>> Satelites;
};

} // namespace Sate
