#pragma once

#include <string>

namespace Zent {

inline constexpr double PasRetard = 0.1;
inline constexpr double RetardMax = 0.1 * 65535; // 16-bit count of tenths in the console
inline constexpr double RetardMinAuto = 0.1;
inline constexpr double RetardMinManuel = 0.0;

// Nearest tenth, ties upward (truncation of x/0.1 + 0.5); used inside the model.
double ArrondiDixiemeHaut(double x);
// Nearest tenth, ties to even; used for typed and displayed values.
double ArrondiDixieme(double x);

// h:mm:ss,d text of a time; tenths are shown only when not zero.
std::string SecondToString(double secondes, char separateurDecimal);

} // namespace Zent

namespace Zent {

// Shortest decimal text of a value, up to 15 significant digits, no
// exponent, no trailing zeros, with the given decimal separator.
std::string TexteDecimal(double valeur, char separateurDecimal);

} // namespace Zent
