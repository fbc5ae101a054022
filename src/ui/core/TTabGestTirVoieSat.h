#pragma once

#include "model/CQ52.h"
#include "model/TypeListeSatelites.h"
#include "ui/core/Dialogue.h"
#include "ui/core/GrilleTexte.h"
#include "ui/core/TTabSelectLigneSateite.h"

#include <functional>
#include <string>
#include <vector>

namespace Zent {

// The outputs tab: one row per shot with its channel, one column per
// satellite with the output that carries that channel. Bindings change only
// through the output picker.
class TTabGestTirVoieSat : public GrilleTexte {
public:
    explicit TTabGestTirVoieSat(Sons& sons);

    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }
    void GestTitreTablTirVoieSatLang();
    void SetZentora(CQ52* programme);
    void NumerotationLigTirEtVoie();
    void SetListeSatelites(Sate::TypeListeSatelites* liste);
    void GestionAffichageSatelite();
    bool RechNomSatDansListe(const std::string& nom, Sate::CQ31*& satelite) const;
    bool IsCelulleSelectionnable(int col, int lig) const;
    int EextraitLigneCellule(int col, int lig) const;
    void GestionVisuTabSelSat(int col, int lig);
    void ValidationValeurCellule(int col, int lig);
    void ActualisleAffichageTabLigneDeLaVoie(int voie, int sortie, int col);
    void VoieSateliteSelectionnee();
    void TabVisuLigSatOnExit();
    void ValidationDonnee();
    int TextPourLeTireDesColones(std::vector<std::string>& textes) const;
    int ListTexteUnTir(std::int32_t tir, std::vector<std::string>& textes) const;

    TTabSelectLigneSateite& Selecteur() { return Picker; }
    std::function<void()> OnChange;
    // Geometry the view knows: a cell's rectangle and the client size, in
    // the grid's client coordinates.
    std::function<Rectangle(int, int)> RectangleCellule;
    int LargeurClient = 800;
    int HauteurClient = 600;

    bool SelectCell(int col, int lig) override;
    void KeyPress(char& touche) override;
    std::string GetEditText(int col, int lig) override;
    void Click() override;

private:
    int VoieDeLigne(int lig) const;
    void FinDeChoix();

    Sons& Sonore;
    Langue LangueCourante = Francais;
    CQ52* Programme = nullptr;
    Sate::TypeListeSatelites* Liste = nullptr;
    TTabSelectLigneSateite Picker;
};

} // namespace Zent
