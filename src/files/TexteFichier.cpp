#include "files/TexteFichier.h"

#include <charconv>
#include <limits>

namespace Zent::Fichier {

std::string_view Elague(std::string_view texte, std::string_view jeu)
{
    const std::size_t debut = texte.find_first_not_of(jeu);
    if (debut == std::string_view::npos)
        return {};
    const std::size_t fin = texte.find_last_not_of(jeu);
    return texte.substr(debut, fin - debut + 1);
}

std::optional<std::string_view> ValeurCle(std::string_view ligne, std::string_view cle)
{
    const std::size_t position = ligne.find(cle);
    if (position == std::string_view::npos)
        return std::nullopt;
    const std::size_t separateur = ligne.find(';', position);
    if (separateur == std::string_view::npos)
        return std::nullopt;
    return ligne.substr(separateur + 1);
}

std::optional<std::string> TexteCle(std::string_view ligne, std::string_view cle)
{
    const auto valeur = ValeurCle(ligne, cle);
    if (!valeur)
        return std::nullopt;
    return std::string(Elague(*valeur));
}

std::optional<long long> EntierPrefixe(std::string_view texte)
{
    bool negatif = false;
    std::size_t i = 0;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-'))
        negatif = texte[i++] == '-';
    if (i >= texte.size() || texte[i] < '0' || texte[i] > '9')
        return std::nullopt;
    constexpr long long max = std::numeric_limits<long long>::max();
    long long v = 0;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        const int chiffre = texte[i] - '0';
        v = v > (max - chiffre) / 10 ? max : v * 10 + chiffre;
    }
    return negatif ? -v : v;
}

std::optional<long long> EntierCle(std::string_view ligne, std::string_view cle)
{
    const auto valeur = ValeurCle(ligne, cle);
    if (!valeur)
        return std::nullopt;
    const std::size_t debut = valeur->find_first_of(DebutNombre);
    if (debut == std::string_view::npos)
        return std::nullopt;
    return EntierPrefixe(valeur->substr(debut));
}

double ReelPrefixe(std::string_view texte)
{
    texte = Elague(texte, " \t\n\r");
    bool negatif = false;
    if (!texte.empty() && (texte.front() == '+' || texte.front() == '-')) {
        negatif = texte.front() == '-';
        texte.remove_prefix(1);
    }
    double v = 0.0;
    const auto r = std::from_chars(texte.data(), texte.data() + texte.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        v = std::numeric_limits<double>::infinity();
    else if (r.ec != std::errc())
        v = 0.0;
    return negatif ? -v : v;
}

} // namespace Zent::Fichier
