#pragma once

#include <QString>

class QKeyEvent;

#include <string>

namespace Zent {

// The core speaks Windows-1252; widgets speak QString. A character outside
// the code page becomes "?" rather than a byte that means something else.
QString VersQt(const std::string& cp1252);
std::string DepuisQt(const QString& texte);

// A key as the logic classes take it: Backspace, Tab and Enter as their
// codes, a printable character in Windows-1252. False for keys that stay
// the widget's own business (arrows, Home, Delete...).
bool CaractereDeTouche(const QKeyEvent* touche, char& caractere);

} // namespace Zent
