#pragma once

#include <map>
#include <string>

namespace Zent {

// Stable port numbers for device paths, for the life of the process: the
// link and the dialogs keep working with numbers, as with COM ports.
class RegistrePorts {
public:
    static RegistrePorts& Global();
    // The number of a path, given on first sight.
    int NumeroDe(const std::string& chemin);
    // The path of a number; empty when unknown.
    std::string CheminDe(int numero) const;

private:
    std::map<std::string, int> Numeros;
    std::map<int, std::string> Chemins;
    int Suivant = 1;
};

} // namespace Zent
