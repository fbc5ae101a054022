#pragma once

#include "device/TConfPort.h"
#include "ui/core/Dialogue.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

namespace Zent {

// The serial port selection dialog over TConfPort: one radio button per
// port, in columns of ten.
class DialoguePort : public QDialog {
    Q_OBJECT
public:
    DialoguePort(TConfPort& selecteur, Messages& messages, QWidget* parent = nullptr);
    // Searches, fills the group and runs the dialog; false when no port list
    // could be read (the message has been shown).
    bool Montre();
    QButtonGroup* Choix() const { return Boutons; }
    QPushButton* BoutonValider() const { return Valider; }

private:
    void Remplit();
    TConfPort& Selecteur;
    Messages& Msg;
    QGroupBox* Groupe;
    QButtonGroup* Boutons;
    QPushButton* Valider;
    QPushButton* Recherche;
};

} // namespace Zent
