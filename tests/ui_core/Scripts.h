#pragma once

#include "model/Cp1252.h"
#include "ui/core/Dialogue.h"
#include "ui/core/GrilleTexte.h"

#include <deque>
#include <string>
#include <vector>

namespace ZentTest {

// Records every box shown (texts in UTF-8 for readable assertions) and
// answers from a queue, OK or Yes when the queue is empty.
class MessagesScriptes : public Zent::Messages {
public:
    struct Affiche_ {
        Zent::GenreMessage genre;
        std::string texte;
        Zent::Boutons boutons;
    };
    std::vector<Affiche_> affiches;
    std::deque<Zent::Reponse> reponses;

    Zent::Reponse Affiche(Zent::GenreMessage genre, const std::string& texte, Zent::Boutons boutons) override
    {
        affiches.push_back({genre, Zent::Cp1252VersUtf8(texte), boutons});
        if (!reponses.empty()) {
            const Zent::Reponse r = reponses.front();
            reponses.pop_front();
            return r;
        }
        return boutons == Zent::Boutons::Ok ? Zent::Reponse::Ok : Zent::Reponse::Oui;
    }
    std::string Dernier() const { return affiches.empty() ? std::string() : affiches.back().texte; }
};

class SonsScriptes : public Zent::Sons {
public:
    std::vector<Zent::Son> joues;
    void Joue(Zent::Son son) override { joues.push_back(son); }
};

// Types a text into a cell as the toolkit would: key down, key press, and
// the editor's text growing by each accepted key.
inline void Tape(Zent::GrilleTexte& grille, const std::string& texte, bool effacer = true)
{
    const int col = grille.Col(), lig = grille.Row();
    std::string edition = effacer ? std::string() : grille.Cellule(col, lig);
    for (char c : texte) {
        grille.KeyDown(Zent::ToucheBas::Autre);
        grille.KeyPress(c);
        if (c != 0) {
            edition += c;
            grille.SetEditText(col, lig, edition);
        }
    }
}

inline void Touche(Zent::GrilleTexte& grille, char c, Zent::ToucheBas bas = Zent::ToucheBas::Autre)
{
    grille.KeyDown(bas);
    grille.KeyPress(c);
}

} // namespace ZentTest
