#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace Zent {

// 0 French, 1 English.
using Langue = int;
inline constexpr Langue Francais = 0;
inline constexpr Langue Anglais = 1;
inline bool LangueValide(Langue langue) { return langue == Francais || langue == Anglais; }

// A user-visible text as a (French, English) pair, written in UTF-8 in the
// sources and handed out in Windows-1252 like every other text of the core.
struct TexteBilingue {
    const char* fr;
    const char* en;
    std::string Selon(Langue langue) const;
};

// One value for a printf-style placeholder.
class ArgFormat {
public:
    ArgFormat(int v) : Valeur(static_cast<long long>(v)) {}
    ArgFormat(long v) : Valeur(static_cast<long long>(v)) {}
    ArgFormat(long long v) : Valeur(v) {}
    ArgFormat(unsigned v) : Valeur(static_cast<unsigned long long>(v)) {}
    ArgFormat(unsigned long v) : Valeur(static_cast<unsigned long long>(v)) {}
    ArgFormat(unsigned long long v) : Valeur(v) {}
    ArgFormat(double v) : Valeur(v) {}
    ArgFormat(const char* v) : Valeur(std::string(v)) {}
    ArgFormat(std::string v) : Valeur(std::move(v)) {}
    ArgFormat(std::string_view v) : Valeur(std::string(v)) {}

    std::variant<long long, unsigned long long, double, std::string> Valeur;
};

// Fills %i %d %u %s %f (with flags, width and precision, and %%) from the
// values in order. %f always uses a point, whatever the locale. A missing
// value leaves the placeholder as written; a value of another kind is
// converted, never read as something else.
std::string Formate(std::string_view format, std::initializer_list<ArgFormat> valeurs);

} // namespace Zent
