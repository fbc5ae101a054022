#include "files/Configuration.h"

#include "model/Saisie.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace Zent {

std::string DossierConfiguration()
{
    if (const char* d = std::getenv("ZENTORA_CONFIG_DIR"); d && *d)
        return d;
    if (const char* d = std::getenv("XDG_CONFIG_HOME"); d && *d)
        return d;
    const char* maison = std::getenv("HOME");
    return std::string(maison && *maison ? maison : ".") + "/.config";
}

std::string CheminConfiguration() { return DossierConfiguration() + "/" + NomConfiguration; }

std::string ContenuConfiguration(int langue) { return "Langue=" + std::to_string(langue) + ";\n\r"; }

bool EcritLangue(const std::string& chemin, int langue)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(chemin).parent_path(), ec);
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << ContenuConfiguration(langue);
    f.close();
    return !f.fail();
}

std::optional<int> LitLangue(const std::string& chemin)
{
    std::error_code ec;
    if (!std::filesystem::exists(chemin, ec)) {
        if (!EcritLangue(chemin, 0))
            return std::nullopt;
        return 0;
    }
    std::ifstream f(chemin, std::ios::binary);
    std::string texte(200, '\0');
    f.read(texte.data(), static_cast<std::streamsize>(texte.size()));
    texte.resize(static_cast<std::size_t>(f.gcount()));

    const auto elague = [](std::string s) {
        const auto debut = s.find_first_not_of(' ');
        if (debut == std::string::npos)
            return std::string();
        return s.substr(debut, s.find_last_not_of(' ') - debut + 1);
    };
    const std::size_t cle = texte.find("Langue");
    std::string reste = elague(cle == std::string::npos ? texte : texte.substr(cle));
    const std::size_t egal = reste.find('=');
    const std::size_t point = reste.find(';');
    if (egal == std::string::npos || point == std::string::npos || point < egal)
        return 0;
    const long long langue = LitEntierSaisi(elague(reste.substr(egal + 1, point - egal - 1))).value_or(0);
    return langue >= -1000000 && langue <= 1000000 ? static_cast<int>(langue) : 0;
}

} // namespace Zent
