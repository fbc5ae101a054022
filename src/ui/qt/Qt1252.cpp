#include "ui/qt/Qt1252.h"

#include "model/Cp1252.h"
#include "ui/core/GrilleTexte.h"

#include <QKeyEvent>

namespace Zent {

QString VersQt(const std::string& cp1252) { return QString::fromStdString(Cp1252VersUtf8(cp1252)); }

std::string DepuisQt(const QString& texte) { return Utf8VersCp1252(texte.toStdString()); }

bool CaractereDeTouche(const QKeyEvent* touche, char& caractere)
{
    switch (touche->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: caractere = ToucheTab; return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: caractere = ToucheEntree; return true;
    case Qt::Key_Backspace: caractere = ToucheRetour; return true;
    default: break;
    }
    const std::string texte = DepuisQt(touche->text());
    if (texte.size() != 1 || static_cast<unsigned char>(texte[0]) < 0x20)
        return false;
    caractere = texte[0];
    return true;
}

} // namespace Zent
