#include "model/Saisie.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Zent {

namespace {

std::string_view SansBlancs(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

} // namespace

std::optional<long long> LitEntierSaisi(std::string_view texte)
{
    texte = SansBlancs(texte);
    if (!texte.empty() && texte.front() == '+')
        texte.remove_prefix(1);
    if (texte.empty())
        return std::nullopt;
    long long v = 0;
    const auto r = std::from_chars(texte.data(), texte.data() + texte.size(), v, 10);
    if (r.ec != std::errc() || r.ptr != texte.data() + texte.size())
        return std::nullopt;
    return v;
}

std::optional<double> LitNombreSaisi(std::string_view texte, char separateurDecimal)
{
    texte = SansBlancs(texte);
    if (!texte.empty() && texte.front() == '+')
        texte.remove_prefix(1);
    std::string c(texte);
    for (char& ch : c) {
        if (ch == separateurDecimal)
            ch = '.';
        else if (ch == '.' || !((ch >= '0' && ch <= '9') || ch == '-' || ch == 'e' || ch == 'E'))
            return std::nullopt;
    }
    if (c.empty())
        return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace Zent
