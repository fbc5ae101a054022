#include "ui/qt/Qt1252.h"

#include "model/Cp1252.h"

namespace Zent {

QString VersQt(const std::string& cp1252) { return QString::fromStdString(Cp1252VersUtf8(cp1252)); }

std::string DepuisQt(const QString& texte) { return Utf8VersCp1252(texte.toStdString()); }

} // namespace Zent
