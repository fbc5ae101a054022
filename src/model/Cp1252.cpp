#include "model/Cp1252.h"

#include <array>
#include <cstdint>

namespace Zent {

namespace {

// Code points of bytes 0x80 to 0x9F; 0 where the code page leaves a hole.
constexpr std::array<char32_t, 32> Zone80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t PointDeCode(unsigned char octet)
{
    if (octet >= 0x80 && octet < 0xA0) {
        const char32_t c = Zone80[octet - 0x80];
        return c != 0 ? c : octet; // holes map to the C1 control of that number
    }
    return octet;
}

void AjouteUtf8(std::string& sortie, char32_t c)
{
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char OctetDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < Zone80.size(); ++i)
        if (Zone80[i] == c)
            return static_cast<char>(0x80 + i);
    if (c >= 0x80 && c < 0xA0)
        return static_cast<char>(c);
    return '?'; // outside the code page
}

} // namespace

std::string Cp1252VersUtf8(std::string_view cp1252)
{
    std::string sortie;
    sortie.reserve(cp1252.size());
    for (char octet : cp1252)
        AjouteUtf8(sortie, PointDeCode(static_cast<unsigned char>(octet)));
    return sortie;
}

std::string Utf8VersCp1252(std::string_view utf8)
{
    std::string sortie;
    sortie.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto o = static_cast<unsigned char>(utf8[i]);
        std::size_t longueur = o < 0x80 ? 1 : (o >> 5) == 0x6 ? 2 : (o >> 4) == 0xE ? 3 : (o >> 3) == 0x1E ? 4 : 0;
        if (longueur == 0 || i + longueur > utf8.size()) {
            sortie += '?';
            ++i;
            continue;
        }
        char32_t c = longueur == 1 ? o : o & (0x7F >> longueur);
        bool valide = true;
        for (std::size_t k = 1; k < longueur; ++k) {
            const auto suite = static_cast<unsigned char>(utf8[i + k]);
            valide = valide && (suite & 0xC0) == 0x80;
            c = (c << 6) | (suite & 0x3F);
        }
        sortie += valide ? OctetDe(c) : '?';
        i += valide ? longueur : 1;
    }
    return sortie;
}

} // namespace Zent
