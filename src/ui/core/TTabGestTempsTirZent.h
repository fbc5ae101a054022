#pragma once

#include "model/CQ52.h"
#include "ui/core/Dialogue.h"
#include "ui/core/GrilleTexte.h"
#include "model/Textes.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Zent {

// The time table: one row per shot, seven columns, an entry row after the
// last shot. Every edit goes through the model's operations; refused values
// are reported and the cell is repaired. Keeps a one-level undo and redo.
class TTabGestTempsTirZent : public GrilleTexte {
public:
    TTabGestTempsTirZent(Messages& messages, Sons& sons, char separateurDecimal);

    static constexpr int GetNumeroColoneNumeroDeTir() { return 0; }
    static constexpr int GetNumeroColoneNumeroDeVoie() { return 1; }
    static constexpr int GetNumeroColoneTypeDeVoie() { return 2; }
    static constexpr int GetNumeroColoneRetardDeVoie() { return 3; }
    static constexpr int GetNumeroColoneRetardAbsoluVoie() { return 4; }
    static constexpr int GetNumeroColoneRetardHHmmss() { return 5; }
    static constexpr int GetNumeroColoneNumeroDescritiionVoie() { return 6; }
    static constexpr int GetNumeroLigneDeTitre() { return 0; }
    static constexpr int GetNumeroLigneDonnee() { return 1; }
    static constexpr int GetNbColoneTab() { return 7; }

    void SetZentora(CQ52* modele);
    CQ52* GetZentora() const { return Modele; }
    void SetLangue(Langue langue);
    Langue GetLangue() const { return LangueCourante; }
    void SetModeCreationVoie(int mode);
    TypeTypeDeTir GetModeCreationVoie() const { return ModeCreationVoie; }
    char SeparateurDecimal() const { return Separateur; }

    void ActulaiserAffichage();
    std::string SecondToString(double secondes) const;
    bool ValidationDonnee();
    // Escape in the cell editor: the pending text is dropped, the row shows the model again.
    void AnnuleSaisie();
    void InsertLigneApresSelect();
    void SupprLigneSelect();
    void AnnuleDerniereAction();
    void RefaireDerniereAction();
    void ActiveMenuUndo(bool notifier);
    CodeRetour ChangementRetardAbsolu(std::int32_t index, double temps, bool avecAnnulation);
    CodeRetour RegenAffichTirAutoEtSuiv(int ligne);
    void InitValeurLigneSansNumVoie(std::int32_t index);
    void TextTitreColone(std::vector<std::string>& textes) const;
    bool TextLigneDeTir(std::int32_t index, std::vector<std::string>& textes) const;
    void TextPourDefTailleColone(std::vector<std::string>& textes) const;
    std::string TextTypeTir(TypeTypeDeTir type) const;
    void CalculLargeurMaxDescription(int largeurClient);

    // The type drop-down over column 2.
    struct Liste {
        bool Visible = false;
        int Index = 0;
        std::array<std::string, 2> Items;
    };
    const Liste& ListeDeroulante() const { return ListeType; }
    // An item of the drop-down was chosen.
    void ChoixListeDeroulante(int item);

    bool SaisieEnCours() const { return Saisie; }
    bool AnnulationPossible() const { return CopieAnnulation != nullptr; }

    // Owner notifications: the change event, the undo notification (window
    // message 1000) and the selected row.
    std::function<void()> OnTableauChange;
    std::function<void()> OnAnnulation;
    std::function<void(int)> OnLigneSelectionnee;

    bool SelectCell(int col, int lig) override;
    void KeyPress(char& touche) override;
    void KeyDown(ToucheBas touche) override;
    std::string GetEditText(int col, int lig) override;
    void SetEditText(int col, int lig, const std::string& texte) override;
    void Exit() override;
    void Resize(int largeurClient) override;
    StyleCellule Style(int col, int lig) const override;

private:
    std::int32_t NbTirs() const { return static_cast<std::int32_t>(Modele->GetNbTirs()); }
    std::string Decimal(double valeur) const;
    void EcritLigne(std::int32_t index);
    void EcritTemps(int ligne);
    void AppliqueCourante(bool avecAnnulationDescription);
    void AppliqueVoie(int ligne);
    void AppliqueType(int ligne, int item);
    void AppliqueRetard(int ligne);
    void AppliqueRetardAbsolu(int ligne);
    void AppliqueDescription(int ligne, bool avecAnnulation);
    void SignaleResultatTemps(CodeRetour code, int ligne, int colonne, double saisi, const std::string& ancien);
    void Message(GenreMessage genre, const std::string& texte);
    void Change();
    void AjoutLigneEnFinDeTabSiNessecaire(int col, int lig);
    void ElargitColonnes();

    Messages& Msg;
    Sons& Sonore;
    char Separateur;
    CQ52* Modele = nullptr;
    Langue LangueCourante = Francais;
    TypeTypeDeTir ModeCreationVoie = TirManuel;
    bool Saisie = false;
    bool ToucheDecimale = true;
    Liste ListeType;
    std::unique_ptr<CQ52> CopieAnnulation;
    std::unique_ptr<CQ52> CopieRetablir;
};

} // namespace Zent
