#pragma once

#include <QString>

#include <string>

namespace Zent {

// The core speaks Windows-1252; widgets speak QString. A character outside
// the code page becomes "?" rather than a byte that means something else.
QString VersQt(const std::string& cp1252);
std::string DepuisQt(const QString& texte);

} // namespace Zent
