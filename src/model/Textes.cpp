#include "model/Textes.h"

#include "model/Cp1252.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace Zent {

std::string TexteBilingue::Selon(Langue langue) const
{
    return Utf8VersCp1252(langue == Anglais ? en : fr);
}

namespace {

struct Conversion {
    bool gauche = false, zeros = false, plus = false;
    int largeur = 0;
    int precision = -1;
    char conversion = 0;
};

std::string Entier(long long v) { return std::to_string(v); }

long long EnEntier(const ArgFormat& a)
{
    if (auto p = std::get_if<long long>(&a.Valeur))
        return *p;
    if (auto p = std::get_if<unsigned long long>(&a.Valeur))
        return static_cast<long long>(*p);
    if (auto p = std::get_if<double>(&a.Valeur))
        return std::isfinite(*p) && std::fabs(*p) < 9e18 ? static_cast<long long>(*p) : 0;
    return 0;
}

double EnReel(const ArgFormat& a)
{
    if (auto p = std::get_if<double>(&a.Valeur))
        return *p;
    if (auto p = std::get_if<long long>(&a.Valeur))
        return static_cast<double>(*p);
    if (auto p = std::get_if<unsigned long long>(&a.Valeur))
        return static_cast<double>(*p);
    return 0.0;
}

std::string EnTexte(const ArgFormat& a)
{
    if (auto p = std::get_if<std::string>(&a.Valeur))
        return *p;
    if (auto p = std::get_if<long long>(&a.Valeur))
        return std::to_string(*p);
    if (auto p = std::get_if<unsigned long long>(&a.Valeur))
        return std::to_string(*p);
    return std::to_string(std::get<double>(a.Valeur));
}

std::string Reel(double v, int precision)
{
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, precision);
    return r.ec == std::errc() ? std::string(tampon, r.ptr) : std::string("?");
}

std::string Applique(const Conversion& s, const ArgFormat& a)
{
    std::string corps;
    switch (s.conversion) {
    case 'i':
    case 'd':
        corps = Entier(EnEntier(a));
        if (s.plus && corps[0] != '-')
            corps.insert(0, 1, '+');
        break;
    case 'u': {
        if (auto p = std::get_if<unsigned long long>(&a.Valeur))
            corps = std::to_string(*p);
        else
            corps = std::to_string(static_cast<std::uint32_t>(EnEntier(a)));
        break;
    }
    case 'f':
        corps = Reel(EnReel(a), s.precision < 0 ? 6 : s.precision);
        break;
    default:
        corps = EnTexte(a);
        if (s.precision >= 0 && corps.size() > static_cast<std::size_t>(s.precision))
            corps.resize(static_cast<std::size_t>(s.precision));
        break;
    }
    const auto largeur = static_cast<std::size_t>(s.largeur);
    if (corps.size() < largeur) {
        const std::size_t manque = largeur - corps.size();
        if (s.gauche)
            corps.append(manque, ' ');
        else if (s.zeros && s.conversion != 's') {
            const std::size_t signe = (!corps.empty() && (corps[0] == '-' || corps[0] == '+')) ? 1 : 0;
            corps.insert(signe, manque, '0');
        } else
            corps.insert(0, manque, ' ');
    }
    return corps;
}

} // namespace

std::string Formate(std::string_view format, std::initializer_list<ArgFormat> valeurs)
{
    std::string sortie;
    auto suivante = valeurs.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            sortie += format[i];
            continue;
        }
        const std::size_t debut = i++;
        if (i < format.size() && format[i] == '%') {
            sortie += '%';
            continue;
        }
        Conversion s;
        for (; i < format.size(); ++i) {
            const char c = format[i];
            if (c == '-')
                s.gauche = true;
            else if (c == '0')
                s.zeros = true;
            else if (c == '+')
                s.plus = true;
            else
                break;
        }
        for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
            s.largeur = std::min(s.largeur * 10 + (format[i] - '0'), 1000);
        if (i < format.size() && format[i] == '.') {
            s.precision = 0;
            for (++i; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
                s.precision = std::min(s.precision * 10 + (format[i] - '0'), 100);
        }
        const char conv = i < format.size() ? format[i] : 0;
        const bool connue = conv == 'i' || conv == 'd' || conv == 'u' || conv == 's' || conv == 'f';
        if (!connue || suivante == valeurs.end()) {
            sortie.append(format.substr(debut, i - debut + (i < format.size() ? 1 : 0)));
            continue;
        }
        s.conversion = conv;
        sortie += Applique(s, *suivante++);
    }
    return sortie;
}

} // namespace Zent
