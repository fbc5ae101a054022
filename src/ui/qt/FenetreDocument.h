#pragma once

#include "ui/core/TFenetreEnfant.h"
#include "ui/core/TDilogueAfficheListe.h"

#include <QMdiSubWindow>
#include <QWidget>

#include <array>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace Zent {

class VueAffectation;
class VueTableSatelite;
class VueTableTemps;

// The document window's widgets over its logic (TFenetreEnfant).
class FenetreDocument : public QWidget {
    Q_OBJECT
public:
    FenetreDocument(Messages& messages, Sons& sons, char separateur, HoteDocument* hote, QWidget* parent = nullptr);
    ~FenetreDocument() override;

    TFenetreEnfant& Document() { return *Logique; }
    VueTableTemps& Table() { return *VueTable; }
    // The outputs tab's view, once the first satellite exists.
    VueAffectation* Affectation() const { return VueSorties; }
    VueTableSatelite& TableSatelite() { return *VueSatelite; }
    QLineEdit* ChampTitre() const { return Titre; }
    QLineEdit* ChampSecours(int k) const { return Secours[static_cast<std::size_t>(k)]; }
    QTabBar* Onglets() const { return BarreOnglets; }
    // The verification list dialog's logic, kept for the life of the window.
    TDilogueAfficheListe& ListeVerification() { return Liste; }

    void AppliqueLangue(Langue langue);
    // Rewrites every widget from the logic.
    void Rafraichit();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

private:
    void AppliqueTextes();
    void RafraichitSecours();
    void RafraichitOnglets();
    void Fleche(int k, SensFleche sens);

    std::unique_ptr<TFenetreEnfant> Logique;
    TDilogueAfficheListe Liste;
    QLabel* LabelTitre;
    QLabel* LabelVersion;
    QLabel* LabelNumSerie;
    QLabel* TitreSecours;
    QLineEdit* Titre;
    QLineEdit* Version;
    QLineEdit* NumSerie;
    std::array<QLabel*, 4> LabelsSecours{};
    std::array<QLineEdit*, 4> Secours{};
    std::array<QToolButton*, 4> Hauts{};
    std::array<QToolButton*, 4> Bas{};
    QGroupBox* GroupeCreation;
    QGroupBox* GroupePriorite;
    std::array<QRadioButton*, 2> ItemsCreation{};
    std::array<QRadioButton*, 2> ItemsPriorite{};
    QTabBar* BarreOnglets;
    QStackedWidget* Pages;
    VueTableTemps* VueTable;
    VueAffectation* VueSorties = nullptr;
    VueTableSatelite* VueSatelite;
    bool MiseAJour = false;
};

// The MDI child that holds a document; closing goes through the document's
// close decision.
class SousFenetreDocument : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit SousFenetreDocument(FenetreDocument* document);
    FenetreDocument* Document() const { return Contenu; }
    // Closed and waiting for its deferred destruction: no longer a document.
    bool Fermee() const { return EstFermee; }

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    FenetreDocument* Contenu;
    bool EstFermee = false;
};

} // namespace Zent
