#pragma once

#include "device/TConfPort.h"
#include "ui/core/TFenetreEnfant.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace Zent {

class DialoguesFichier;
class FenetreDocument;
class SousFenetreDocument;

// Every command of the main window, as actions of its menus and tool bar.
enum class Action {
    Nouveau, Ouvrir, Enregistrer, EnregistrerSous, Fermer, ConfigImprimante, Imprimer, Quitter,
    Annuler, Refaire, Couper, Copier, Coller, SupprimerTir, InsererTir, Rafale, AjoutSatelite, SuppressionSatelite,
    ConfigurationPort, CodeSecret, Transfert, Verification, ListesSatelites, ProgrammerSatelite,
    Mosaique, Cascade, Reorganiser, APropos, NbActions
};

// The multi-document frame (TMainForm): menus, tool bar, status line, the
// document windows, the language, and the closing protocol.
class FenetrePrincipale : public QMainWindow, public HoteDocument {
    Q_OBJECT
public:
    FenetrePrincipale(Messages& messages, Sons& sons, DialoguesFichier& dialogues, char separateurDecimal);
    ~FenetrePrincipale() override;

    void SetFichierConfiguration(const std::string& nom) { FichierConfiguration = nom; }
    void SetVersion(const QString& version) { TexteVersion = version; }
    Langue GetLangue() const { return LangueCourante; }
    void SetLangue(Langue langue);

    // The application-wide port selector, created at start-up.
    TConfPort& SelecteurPort() { return *Selecteur; }

    QAction* Commande(Action action) const { return Actions[static_cast<std::size_t>(action)]; }
    QAction* ItemLangue(Langue langue) const { return ItemsLangue[static_cast<std::size_t>(langue)]; }
    QMdiArea* Zone() const { return Mdi; }
    FenetreDocument* DocumentActif() const;
    std::vector<FenetreDocument*> Documents() const;

    // The commands, also run by the actions.
    FenetreDocument* FileNew();
    void FileOpen();
    // Opens a file as the open command does once the name is chosen.
    FenetreDocument* OuvreFichier(const QString& nom);
    void FileSave();
    void FileSaveAs();
    void FermeDocumentActif();
    void AjoutSatelite();
    void SuppressionSatelite();

    // HoteDocument
    void ActiveCommande(CommandeDocument commande, bool active) override;
    void NotifieFermeture(TFenetreEnfant& document, ReponseFermeture reponse) override;
    void AfficheListeVerification(TFenetreEnfant& document) override;

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void CreeActions();
    void AppliqueTextes();
    FenetreDocument* NouvelleFenetre(const QString& titre);
    FenetreDocument* DocumentDe(const TFenetreEnfant& document) const;
    SousFenetreDocument* SousFenetreActive() const;
    std::vector<SousFenetreDocument*> SousFenetres() const;
    void Enregistre(FenetreDocument* document, bool sous);
    void TraiteFermeture(ReponseFermeture reponse);
    void EtatSansDocument();
    void EtatAvecDocument();
    void PasEncoreDisponible();
    void SurDocument(const std::function<void(FenetreDocument&)>& commande);
    void Reorganise();
    void APropos();
    void Active(Action action, bool active);

    Messages& Msg;
    Sons& Sonore;
    DialoguesFichier& Dialogues;
    char Separateur;
    Langue LangueCourante = Francais;
    std::string FichierConfiguration;
    QString TexteVersion;
    bool FermetureEnCours = false;

    QMdiArea* Mdi;
    QPointer<SousFenetreDocument> Precedente;
    std::array<QAction*, static_cast<std::size_t>(Action::NbActions)> Actions{};
    std::array<QAction*, 2> ItemsLangue{};
    std::map<QString, QMenu*> Menus;
    QToolBar* Barre;
    SourcePortsSysteme Source;
    std::unique_ptr<TConfPort> Selecteur;
};

} // namespace Zent
