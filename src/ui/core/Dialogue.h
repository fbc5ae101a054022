#pragma once

#include <string>

namespace Zent {

enum class GenreMessage { Erreur, Avertissement, Information, Confirmation };
enum class Boutons { Ok, OuiNon, OkAnnuler, OuiNonAnnuler, AbandonReessayer };
enum class Reponse { Ok, Oui, Non, Annuler, Abandon, Reessayer };

// Modal message boxes. Texts are Windows-1252; the toolkit converts them.
class Messages {
public:
    virtual ~Messages() = default;
    virtual Reponse Affiche(GenreMessage genre, const std::string& texte, Boutons boutons) = 0;
};

enum class Son { Defaut, Erreur, Avertissement };

class Sons {
public:
    virtual ~Sons() = default;
    virtual void Joue(Son son) = 0;
};

} // namespace Zent
