#pragma once

#include <optional>
#include <string_view>

namespace Zent {

// Whole-text conversions of what the user typed into a cell or a field:
// surrounding blanks are allowed, anything else is a refusal.
std::optional<long long> LitEntierSaisi(std::string_view texte);
// Decimal number with the user's separator only (the other one is refused,
// as the regional settings would).
std::optional<double> LitNombreSaisi(std::string_view texte, char separateurDecimal);

} // namespace Zent
