#pragma once

#include "model/Textes.h"
#include "ui/core/Dialogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Zent {

class TFenetreEnfant;

// The add-satellite dialog's rules: what was typed and what OK does.
class TDialogAjoutSatelite {
public:
    TDialogAjoutSatelite(Messages& messages, Sons& sons) : Msg(messages), Sonore(sons) {}

    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }
    std::string Nom;       // as typed, not trimmed
    std::string NumSerie;  // digits only, at most 10
    int ItemSoixantaine = 0;

    const std::string& GetNomSaisi() const { return Nom; }
    std::uint32_t GetNumSerieSaisi() const;
    int GetSoixantaine() const { return ItemSoixantaine - 1; }
    void LabelEditNumSerieKeyPress(char& touche);
    // OK: false keeps the dialog open (Retry after the empty-name message);
    // otherwise `confirme` tells how it closes.
    bool BitBtnOkClick(bool& confirme);

    struct Textes {
        std::string Titre, LabelNom, LabelNumSerie, LabelSoixantaine, HintSoixantaine, Ok, Annuler;
        std::vector<std::string> Items;
    };
    Textes LesTextes() const;

private:
    Messages& Msg;
    Sons& Sonore;
    Langue LangueCourante = Francais;
};

// How the add dialog is shown: true when it closed confirmed.
class VueAjoutSatelite {
public:
    virtual ~VueAjoutSatelite() = default;
    virtual bool Montre(TDialogAjoutSatelite& dialogue) = 0;
};

// The add workflow on a document; true when a satellite was added.
bool FluxAjoutSatelite(TFenetreEnfant& document, TDialogAjoutSatelite& dialogue, VueAjoutSatelite& vue,
                       Messages& messages, Sons& sons);

} // namespace Zent
