#pragma once

#include <QString>

class QWidget;

namespace Zent {

// The open and save dialogs, behind an interface so tests can answer them.
class DialoguesFichier {
public:
    virtual ~DialoguesFichier() = default;
    // Empty when cancelled.
    virtual QString Ouvrir(QWidget* parent, const QString& filtres) = 0;
    virtual QString Enregistrer(QWidget* parent, const QString& proposition, const QString& filtres) = 0;
};

class DialoguesFichierQt : public DialoguesFichier {
public:
    QString Ouvrir(QWidget* parent, const QString& filtres) override;
    QString Enregistrer(QWidget* parent, const QString& proposition, const QString& filtres) override;
};

} // namespace Zent
