#pragma once

#include "model/Cp1252.h"
#include "ui/core/Dialogue.h"

#include <iostream>

namespace Zent {

// Message boxes of a program without a window: texts go to stderr in
// UTF-8, questions get their negative answer.
class MessagesConsole : public Messages {
public:
    Reponse Affiche(GenreMessage genre, const std::string& texte, Boutons boutons) override
    {
        std::string ligne = Cp1252VersUtf8(texte);
        for (char& c : ligne)
            if (c == '\r')
                c = ' ';
        std::cerr << (genre == GenreMessage::Erreur ? "error: " : genre == GenreMessage::Avertissement ? "warning: " : "")
                  << ligne << '\n';
        switch (boutons) {
        case Boutons::OuiNon:
        case Boutons::OuiNonAnnuler:
            return Reponse::Non;
        case Boutons::OkAnnuler:
            return Reponse::Annuler;
        case Boutons::AbandonReessayer:
            return Reponse::Abandon;
        default:
            return Reponse::Ok;
        }
    }
};

class SonsMuets : public Sons {
public:
    void Joue(Son) override {}
};

} // namespace Zent
