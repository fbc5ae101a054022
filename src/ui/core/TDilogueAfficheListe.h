#pragma once

#include "model/Textes.h"

#include <string>
#include <vector>

namespace Zent {

// The verification list dialog's logic: two lists shown by reference, each
// with its check box, merged in byte order so that entries come in shot
// order.
class TDilogueAfficheListe {
public:
    void SetListeErreurs(const std::vector<std::string>* liste);
    void SetListeAvertissements(const std::vector<std::string>* liste);
    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }

    bool ErreursCochees() const { return CocheErreurs; }
    bool AvertissementsCoches() const { return CocheAvertissements; }
    bool ErreursActives() const { return Erreurs != nullptr; }
    bool AvertissementsActifs() const { return Avertissements != nullptr; }
    void CheckErreurClick(bool coche);
    void CheckWarningClick(bool coche);

    // What the list box shows.
    std::vector<std::string> Contenu() const;

    struct Legendes {
        std::string Titre, CheckErreur, CheckWarning, Fermer;
    };
    static Legendes Textes(Langue langue);

private:
    const std::vector<std::string>* Erreurs = nullptr;
    const std::vector<std::string>* Avertissements = nullptr;
    bool CocheErreurs = false;
    bool CocheAvertissements = false;
    Langue LangueCourante = Francais;
};

} // namespace Zent
