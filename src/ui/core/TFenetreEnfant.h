#pragma once

#include "model/CQ52.h"
#include "model/Textes.h"
#include "model/TypeListeSatelites.h"
#include "ui/core/Dialogue.h"
#include "ui/core/TTabGestTempsTirZent.h"
#include "ui/core/TTabGestTirVoieSat.h"
#include "ui/core/TTableauLigneSatelite.h"

#include <array>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace Zent {

namespace Fichier {
struct ProgrammeLu;
enum class ErreurLecture;
} // namespace Fichier

class TFenetreEnfant;

// Main-window commands whose state a document decides.
enum class CommandeDocument { Annuler, Refaire, SupprimerTir, InsererTir, SupprimerSatelite, ProgrammerSatelite, Enregistrer };
// Answer of a closing document (first parameter of window message 1026).
enum class ReponseFermeture { Fermer = 0, Enregistrer = 1, Annuler = 2 };
enum class SensFleche { Haut, Bas, Aucun };
enum class VueOnglet { TableTemps, Affectation, Satelite };

// What a document needs of the main window around it.
class HoteDocument {
public:
    virtual ~HoteDocument() = default;
    virtual void ActiveCommande(CommandeDocument, bool) {}
    // Must reach the main window queued, after the close handling returns.
    virtual void NotifieFermeture(TFenetreEnfant&, ReponseFermeture) {}
    // Shows the verification lists of the document, modally.
    virtual void AfficheListeVerification(TFenetreEnfant&) {}
};

// Codes of the satellite check.
inline constexpr int ErrNomSatVide = 11;
inline constexpr int AvertNumSerieVide = 12;
inline constexpr int ErrSoixantaineInconnue = 13;
inline constexpr int ErrNomSatExiste = 100030;
inline constexpr int ErrNumSerieSatExiste = 100031;

inline constexpr std::size_t LongueurTitreMax = 24;
inline constexpr std::size_t LongueurNumSerieMax = 10;
inline constexpr std::size_t LongueurVoieSecoursMax = 3;

// Texts of the document window's controls in one language.
struct TextesFenetreEnfant {
    std::string LabelTitre, HintTitre, LabelVersion, HintVersion, LabelNumSerie, HintNumSerie, TitreSecours;
    std::array<std::string, 4> LabelsSecours, HintsSecours;
    std::string CaptionModeCreation;
    std::array<std::string, 2> ItemsModeCreation;
    std::string CaptionPriorite, HintPriorite;
    std::array<std::string, 2> ItemsPriorite;
    std::string OngletTemps, OngletSorties;
};

// The logic of one open firing program: it owns the model, the satellites
// and the time table, the header and backup fields, the tabs, the file
// name, the modified flag and the undo state.
class TFenetreEnfant {
public:
    TFenetreEnfant(Messages& messages, Sons& sons, char separateurDecimal, HoteDocument* hote = nullptr);

    Langue GetLangue() const { return LangueCourante; }
    void AppliqueLangue(Langue langue);
    static TextesFenetreEnfant Textes(Langue langue);

    CQ52& Modele() { return Programme; }
    Sate::TypeListeSatelites& Satelites() { return ListeSatelites; }
    TTabGestTempsTirZent& TableTemps() { return Table; }
    // Created with the first satellite and kept for the life of the window.
    TTabGestTirVoieSat* GrilleAffectation() { return Affectation.get(); }
    TTableauLigneSatelite& TableSortiesSatelite() { return TableSatelite; }

    // Header fields
    const std::string& Titre() const { return ChampTitre; }
    const std::string& Version() const { return ChampVersion; }
    const std::string& NumeroSerie() const { return ChampNumSerie; }
    void StringTitreChange(const std::string& texte);
    void VersionChange(const std::string& texte);
    void NumeroSerieChange(const std::string& texte);
    void NumeroSerieKeyPress(char& touche);

    // Backup fields F5 to F8 (index 0 to 3)
    const std::string& TexteSecours(int k) const { return ChampsSecours[static_cast<std::size_t>(k)].Texte; }
    int PositionFleches(int k) const { return ChampsSecours[static_cast<std::size_t>(k)].Position; }
    void SecoursChange(int k, const std::string& texte);
    void LabelEditVoieSecourKeyPress(char& touche);
    void LabelEditVoieSecourChange();
    // Arrow step proposing position p; false when refused. On success the
    // arrows stand at PositionFleches(k).
    bool UpDownVoieSecourChangingEx(int k, int p, SensFleche sens);

    // Choices
    int ModeCreation() const { return ItemModeCreation; }
    int Priorite() const { return ItemPriorite; }
    void RadioGroupModeCreationClick(int item);
    void RadioGroupPrioriteClick(int item);

    // Tabs
    const std::vector<std::string>& Onglets() const { return ListeOnglets; }
    int OngletCourant() const { return IndexOnglet; }
    void TabControlTableauChange(int index);
    void AfficheOnglet();
    VueOnglet Vue() const { return VueCourante; }
    Sate::CQ31* SateliteAffiche() const { return SateliteVue; }
    int TypeOngletCourant() const;

    // File, caption, modified flag
    const std::string& NomFichier() const { return CheminFichier; }
    void SetNomFichier(const std::string& nom) { CheminFichier = nom; }
    const std::string& Caption() const { return Titrefenetre; }
    void SetCaption(const std::string& caption) { Titrefenetre = caption; }
    bool FichierModifie() const { return Modifie; }
    void TableauOnChange();
    bool EcritureFichier();
    bool LectureFichier(const std::string& chemin);
    // The same from any byte stream (the fuzzer feeds it directly).
    bool LectureFlux(std::istream& flux);

    // Verification
    void VerificationProgramme();
    void AfficheVerification();
    const std::vector<std::string>& ListeErreurs() const { return Erreurs; }
    const std::vector<std::string>& ListeAvertissements() const { return Avertissements; }

    // Satellites
    int ControleNouveauSatelite(const std::string& nom, std::uint32_t numSerie, int soixantaine) const;
    int AjoutSatelite(const std::string& nom, std::uint32_t numSerie, int soixantaine);
    bool SuppressionSatelite(const std::string& nom);
    bool SuppressionSatPossible() const;
    std::string NomSateliteOngletCourant() const;
    Sate::CQ31* RechSatelite(const std::string& nom) const { return ListeSatelites.RechSatelite(nom); }

    // Undo and redo
    int EtatAnnulation() const { return Etat; }
    void PrendEtatAnnulation(bool copie);
    void Annuler();
    void Refaire();

    // Window events
    void ValidationSaisies();
    void Rafraichit();
    int IndexTirSelectionne() const { return Table.Row() - 1; }
    void FormActivate();
    void FormDeactivate() { ValidationSaisies(); }
    void FormHide() { ValidationSaisies(); }
    void FormMouseMove() { ValidationSaisies(); }
    ReponseFermeture FormClose();

private:
    struct ChampSecours {
        std::string Texte;
        bool Modifie = false;
        int Position = 0;
    };
    void Commande(CommandeDocument commande, bool active);
    void MiseAJourCommandesAnnulation();
    // Undo and redo: the choices given back, the fields rewritten, the new state.
    void RemetEtat(bool creation0, bool priorite0, int etat);
    void EcritChampSecours(int k);
    void PriseEnCompteSecours();
    void AjouteOngletSorties();
    void Erreur(const std::string& texte);
    bool AppliqueLecture(Fichier::ErreurLecture erreur, Fichier::ProgrammeLu& lu);

    Messages& Msg;
    Sons& Sonore;
    char Separateur;
    HoteDocument* Hote;
    Langue LangueCourante = Francais;

    Sate::TypeListeSatelites ListeSatelites;
    CQ52 Programme;
    std::string ChampTitre, ChampVersion, ChampNumSerie;
    std::array<ChampSecours, 4> ChampsSecours;
    std::vector<std::string> ListeOnglets;
    int IndexOnglet = 0;
    VueOnglet VueCourante = VueOnglet::TableTemps;
    Sate::CQ31* SateliteVue = nullptr;
    TTabGestTempsTirZent Table;
    TTableauLigneSatelite TableSatelite;
    std::unique_ptr<TTabGestTirVoieSat> Affectation;
    int ItemModeCreation = 0;
    int ItemPriorite = 0;

    std::string CheminFichier;
    std::string Titrefenetre;
    bool Modifie = false;
    int Etat = 0;
    // Item 0 selected in the creation-mode and priority groups, kept for
    // undo and for redo.
    bool AnnulCreation0 = false, AnnulPriorite0 = false, RetabCreation0 = false, RetabPriorite0 = false;
    std::vector<std::string> Erreurs, Avertissements;
};

} // namespace Zent
