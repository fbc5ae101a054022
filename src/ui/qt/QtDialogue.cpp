#include "ui/qt/QtDialogue.h"

#include "ui/qt/Qt1252.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

namespace Zent {

Reponse QtMessages::Affiche(GenreMessage genre, const std::string& texte, Boutons boutons)
{
    QMessageBox::Icon icone = QMessageBox::Information;
    switch (genre) {
    case GenreMessage::Erreur: icone = QMessageBox::Critical; break;
    case GenreMessage::Avertissement: icone = QMessageBox::Warning; break;
    case GenreMessage::Confirmation: icone = QMessageBox::Question; break;
    case GenreMessage::Information: icone = QMessageBox::Information; break;
    }
    QMessageBox::StandardButtons choix = QMessageBox::Ok;
    switch (boutons) {
    case Boutons::Ok: choix = QMessageBox::Ok; break;
    case Boutons::OuiNon: choix = QMessageBox::Yes | QMessageBox::No; break;
    case Boutons::OkAnnuler: choix = QMessageBox::Ok | QMessageBox::Cancel; break;
    case Boutons::OuiNonAnnuler: choix = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case Boutons::AbandonReessayer: choix = QMessageBox::Abort | QMessageBox::Retry; break;
    }
    // The texts end lines with "\n\r": the carriage returns mean nothing here.
    QString message = VersQt(texte);
    message.remove(QLatin1Char('\r'));
    QMessageBox boite(icone, QStringLiteral("Zentora Suite"), message.trimmed(), choix, Parent);
    switch (boite.exec()) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    case QMessageBox::Cancel: return Reponse::Annuler;
    case QMessageBox::Abort: return Reponse::Abandon;
    case QMessageBox::Retry: return Reponse::Reessayer;
    default: return boutons == Boutons::OuiNonAnnuler || boutons == Boutons::OkAnnuler ? Reponse::Annuler
                                                                                       : Reponse::Ok;
    }
}

void QtSons::Joue(Son) { QApplication::beep(); }

char SeparateurDecimalSysteme()
{
    const QString separateur = QLocale::system().decimalPoint();
    return separateur == QStringLiteral(",") ? ',' : '.';
}

} // namespace Zent
