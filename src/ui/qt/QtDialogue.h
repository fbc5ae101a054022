#pragma once

#include "ui/core/Dialogue.h"

class QWidget;

namespace Zent {

// Message boxes as QMessageBox, with the button sets and icons of the core.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr) : Parent(parent) {}
    void SetParent(QWidget* parent) { Parent = parent; }
    Reponse Affiche(GenreMessage genre, const std::string& texte, Boutons boutons) override;

private:
    QWidget* Parent;
};

class QtSons : public Sons {
public:
    void Joue(Son son) override;
};

// The user's decimal separator, from the regional settings.
char SeparateurDecimalSysteme();

} // namespace Zent
