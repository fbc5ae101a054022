#pragma once

#include "ui/core/TDialogAjoutSatelite.h"
#include "ui/core/TDialogSupressionSat.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Zent {

// The add-satellite dialog over TDialogAjoutSatelite.
class DialogueAjoutSatelite : public QDialog, public VueAjoutSatelite {
    Q_OBJECT
public:
    explicit DialogueAjoutSatelite(QWidget* parent = nullptr);
    bool Montre(TDialogAjoutSatelite& logique) override;
    QLineEdit* ChampNom() const { return Nom; }
    QLineEdit* ChampNumSerie() const { return NumSerie; }
    QPushButton* BoutonOk() const { return Ok; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    TDialogAjoutSatelite* Logique = nullptr;
    QLabel* LabelNom;
    QLabel* LabelNumSerie;
    QLineEdit* Nom;
    QLineEdit* NumSerie;
    QComboBox* Soixantaine;
    QPushButton* Ok;
    QPushButton* Annuler;
};

// The delete-satellite dialog over TDialogSupressionSat.
class DialogueSuppressionSat : public QDialog {
    Q_OBJECT
public:
    DialogueSuppressionSat(TDialogSupressionSat& logique, QWidget* parent = nullptr);
    QComboBox* ListeNoms() const { return Noms; }
    QComboBox* ListeNumSerie() const { return Series; }
    QPushButton* BoutonSupprimer() const { return Supprimer; }

private:
    void Actualise();
    TDialogSupressionSat& Logique;
    QComboBox* Noms;
    QComboBox* Series;
    QPushButton* Supprimer;
};

} // namespace Zent
