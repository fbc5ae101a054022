#include "model/Temps.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace Zent {

// The quotient and the added half are taken in 80-bit extended precision so
// that values stored by older programs round the same way.
double ArrondiDixiemeHaut(double x)
{
    const long double dixiemes = std::truncl(static_cast<long double>(x) / static_cast<long double>(PasRetard) + 0.5L);
    return static_cast<double>(dixiemes * static_cast<long double>(PasRetard));
}

double ArrondiDixieme(double x)
{
    const long double dixiemes = std::nearbyintl(static_cast<long double>(x) / static_cast<long double>(PasRetard));
    return static_cast<double>(dixiemes * static_cast<long double>(PasRetard));
}

std::string SecondToString(double secondes, char separateurDecimal)
{
    const double t = ArrondiDixiemeHaut(secondes);
    // Far beyond any reachable time; also keeps the integer conversions defined.
    if (!(std::fabs(t) < 1e15))
        return std::string();

    const auto h = static_cast<std::int64_t>(t * (1.0 / 3600));
    const auto m = static_cast<std::int64_t>(t * (1.0 / 60)) % 60;
    const auto s = static_cast<std::int64_t>(t) % 60;
    const auto d = static_cast<std::int64_t>(10 * t) % 10;

    char tampon[64];
    std::string texte;
    if (h != 0) {
        std::snprintf(tampon, sizeof tampon, "%lld:", static_cast<long long>(h));
        texte += tampon;
        std::snprintf(tampon, sizeof tampon, "%02lld:", static_cast<long long>(m));
        texte += tampon;
    } else if (m != 0) {
        std::snprintf(tampon, sizeof tampon, "%lld:", static_cast<long long>(m));
        texte += tampon;
    }
    std::snprintf(tampon, sizeof tampon, texte.empty() ? "%lld" : "%02lld", static_cast<long long>(s));
    texte += tampon;
    if (d != 0) {
        texte += separateurDecimal;
        texte += static_cast<char>('0' + (d < 0 ? -d : d));
    }
    return texte;
}

} // namespace Zent

#include <charconv>

namespace Zent {

std::string TexteDecimal(double valeur, char separateurDecimal)
{
    if (valeur == 0.0)
        return "0"; // also for -0
    if (!std::isfinite(valeur))
        return std::string();
    char tampon[400];
    auto r = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::general, 15);
    std::string texte(tampon, r.ptr);
    if (texte.find('e') != std::string::npos) {
        // Very large or very small: fixed notation, then trailing zeros cut.
        r = std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::fixed, 15);
        texte.assign(tampon, r.ptr);
        if (texte.find('.') != std::string::npos) {
            while (texte.back() == '0')
                texte.pop_back();
            if (texte.back() == '.')
                texte.pop_back();
        }
    }
    for (char& c : texte)
        if (c == '.')
            c = separateurDecimal;
    return texte;
}

} // namespace Zent
