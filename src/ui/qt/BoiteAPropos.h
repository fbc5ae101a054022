#pragma once

#include "model/Textes.h"

#include <QDialog>

namespace Zent {

// The about box: product, version, maker, with the site and the mail address
// opening in the user's browser and mail program.
class BoiteAPropos : public QDialog {
    Q_OBJECT
public:
    BoiteAPropos(Langue langue, const QString& version, QWidget* parent = nullptr);
};

} // namespace Zent
