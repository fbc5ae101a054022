#pragma once

#include "ui/core/TDilogueAfficheListe.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace Zent {

// The verification list dialog over TDilogueAfficheListe.
class DialogueListe : public QDialog {
    Q_OBJECT
public:
    DialogueListe(TDilogueAfficheListe& logique, QWidget* parent = nullptr);
    // Takes the logic's language and lists and refills the list box.
    void Actualise();
    QListWidget* Liste() const { return ListeBox; }
    QCheckBox* CaseErreurs() const { return CheckErreur; }
    QCheckBox* CaseAvertissements() const { return CheckWarning; }

private:
    TDilogueAfficheListe& Logique;
    QCheckBox* CheckErreur;
    QCheckBox* CheckWarning;
    QPushButton* ButtonFermer;
    QListWidget* ListeBox;
};

} // namespace Zent
