#pragma once

#include "model/Textes.h"
#include "model/TypeListeSatelites.h"

#include <functional>
#include <string>
#include <vector>

namespace Zent {

class TFenetreEnfant;

// The delete-satellite dialog's rules: two lists kept on the same satellite
// (names and serial numbers), and the name chosen.
class TDialogSupressionSat {
public:
    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }
    void SetListeSatelites(const Sate::TypeListeSatelites* liste);
    void SetNomSateliteSelectionne(const std::string& nom);
    void ComboBoxNomSateliteSelect(int index);
    void ComboBoxNumSerieSelect(int index) { ComboBoxNomSateliteSelect(index); }
    const std::string& GetNomSateliteSelectionne() const { return NomChoisi; }

    std::vector<std::string> ItemsNoms() const;
    std::vector<std::string> ItemsNumSerie() const;
    int Index() const { return IndexCourant; }
    bool SupprimerActif() const { return IndexCourant > 0; }

    struct Textes {
        std::string Titre, LabelNom, LabelNumSerie, Supprimer, Annuler;
    };
    Textes LesTextes() const;

private:
    void SelectionneNom();
    void MiseAJourBouton();

    Langue LangueCourante = Francais;
    const Sate::TypeListeSatelites* Liste = nullptr;
    std::string NomChoisi;
    int IndexCourant = 0;
};

// The delete workflow: the satellite of the open tab is preselected; true
// when one was deleted. `montre` shows the dialog modally and tells whether
// it was confirmed.
bool FluxSuppressionSatelite(TFenetreEnfant& document, TDialogSupressionSat& dialogue,
                             const std::function<bool(TDialogSupressionSat&)>& montre);

} // namespace Zent
