#include "device/RegistrePorts.h"

namespace Zent {

RegistrePorts& RegistrePorts::Global()
{
    static RegistrePorts registre;
    return registre;
}

int RegistrePorts::NumeroDe(const std::string& chemin)
{
    const auto it = Numeros.find(chemin);
    if (it != Numeros.end())
        return it->second;
    const int numero = Suivant++;
    Numeros[chemin] = numero;
    Chemins[numero] = chemin;
    return numero;
}

std::string RegistrePorts::CheminDe(int numero) const
{
    const auto it = Chemins.find(numero);
    return it == Chemins.end() ? std::string() : it->second;
}

} // namespace Zent
