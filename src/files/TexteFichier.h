#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Zent::Fichier {

// Pieces of the line-oriented program and list files.

// Characters stripped from text values and fields.
inline constexpr std::string_view Blancs = " ;\n\r";
// Characters that start a number.
inline constexpr std::string_view DebutNombre = "+-0123456789";

std::string_view Elague(std::string_view texte, std::string_view jeu = Blancs);
// Value after the first ";" that follows the key; none when either is missing.
std::optional<std::string_view> ValeurCle(std::string_view ligne, std::string_view cle);
// Text value: the value, stripped of blanks, semicolons, CR and LF.
std::optional<std::string> TexteCle(std::string_view ligne, std::string_view cle);
// Integer from the first sign or digit of the value, as far as it goes.
std::optional<long long> EntierCle(std::string_view ligne, std::string_view cle);
// Optional sign then digits, as far as they go (saturating); none without a digit.
std::optional<long long> EntierPrefixe(std::string_view texte);
// A C decimal number as far as it goes; 0 when nothing converts.
double ReelPrefixe(std::string_view texte);

} // namespace Zent::Fichier
