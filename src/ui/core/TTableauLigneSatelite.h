#pragma once

#include "model/CQ31.h"
#include "model/Textes.h"
#include "ui/core/GrilleTexte.h"

#include <functional>
#include <string>
#include <vector>

namespace Zent {

// A satellite's tab: its 60 outputs with their channels; only the
// descriptions are edited here.
class TTableauLigneSatelite : public GrilleTexte {
public:
    TTableauLigneSatelite();

    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }
    void InitTitreLangueTableau();
    void SetSatelite(Sate::CQ31* satelite);
    Sate::CQ31* GetSatelite() const { return Satelite; }
    void VideTableau();
    void InitialisationLigneSatelite();
    void ActualiseAffichageDonnee();
    void CalculLargeurMaxDescription(int largeurClient);
    void ValideValeurSaisie(int col, int lig);
    void ValidationDonnee() { ValideValeurSaisie(Col(), Row()); }
    // Escape in the editor: the typed text is dropped, the model shown again.
    void AnnuleSaisie();
    void TextPourLeTireDesColones(std::vector<std::string>& textes, bool avecVoies) const;

    std::function<void()> OnChange;

    bool SelectCell(int col, int lig) override;
    void KeyPress(char& touche) override;
    void KeyDown(ToucheBas touche) override;
    std::string GetEditText(int col, int lig) override;
    void Resize(int largeurClient) override;
    StyleCellule Style(int col, int lig) const override;

private:
    Langue LangueCourante = Francais;
    Sate::CQ31* Satelite = nullptr;
    bool Edition = false;
};

} // namespace Zent
