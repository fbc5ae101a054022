#pragma once

#include <string>
#include <string_view>

namespace Zent {

// Texts of the program (descriptions, names, files, console) are single-byte
// Windows-1252. These convert at the edges: constant texts are written in
// UTF-8 in the sources, and JSON output is UTF-8.
std::string Utf8VersCp1252(std::string_view utf8);
std::string Cp1252VersUtf8(std::string_view cp1252);

} // namespace Zent
