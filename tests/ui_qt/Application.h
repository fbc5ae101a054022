#pragma once

#include "../ui_core/Scripts.h"

#include "ui/qt/DialoguesFichier.h"
#include "ui/qt/FenetreDocument.h"
#include "ui/qt/FenetrePrincipale.h"
#include "ui/qt/Qt1252.h"
#include "ui/qt/VueTableTemps.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QDir>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <QTest>

#include <deque>
#include <functional>

namespace ZentTest {

// Acts on the next modal dialog of that type once it is shown; looks again
// while it is not there yet.
template <typename Dialogue>
void QuandModal(std::function<void(Dialogue&)> action, int essais = 200)
{
    QTimer::singleShot(20, [action, essais] {
        if (auto* d = qobject_cast<Dialogue*>(QApplication::activeModalWidget()))
            action(*d);
        else if (essais > 0)
            QuandModal<Dialogue>(action, essais - 1);
    });
}

class DialoguesScriptes : public Zent::DialoguesFichier {
public:
    std::deque<QString> reponses;
    QStringList propositions;
    QString Ouvrir(QWidget*, const QString&) override { return Suivante(); }
    QString Enregistrer(QWidget*, const QString& proposition, const QString&) override
    {
        propositions << proposition;
        return Suivante();
    }

private:
    QString Suivante()
    {
        if (reponses.empty())
            return QString();
        QString r = reponses.front();
        reponses.pop_front();
        return r;
    }
};

// The main window with scripted boxes and file dialogs, a configuration file
// in a temporary folder, and helpers that act as a user does.
class Application : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        fenetre = std::make_unique<Zent::FenetrePrincipale>(messages, sons, dialogues, ',');
        fenetre->SetFichierConfiguration(Chemin("ZentoraV1.CFG").toStdString());
        fenetre->SetVersion(QStringLiteral("3.6.7.68"));
        fenetre->show();
        Attend();
    }
    void TearDown() override
    {
        // Nothing may ask anything while the window goes.
        for (auto* d : fenetre->Documents())
            d->Document().SetNomFichier(std::string());
        messages.reponses.assign(20, Zent::Reponse::Non);
        fenetre.reset();
    }
    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }
    static void Attend() { QTest::qWait(20); }
    // Lets queued work (closes, deferred deletes) run until the condition
    // holds, for at most ten seconds: slow machines take longer.
    static bool AttendQue(const std::function<bool()>& condition)
    {
        for (int i = 0; i < 1000 && !condition(); ++i)
            QTest::qWait(10);
        return condition();
    }

    Zent::VueTableTemps& Table() { return fenetre->DocumentActif()->Table(); }
    // Moves to a cell of the time table (grid coordinates, title row 0).
    bool Va(int col, int lig)
    {
        Zent::VueTableTemps& t = Table();
        t.setCurrentIndex(t.Modele()->index(lig - 1, col - 1));
        return t.Table().Col() == col && t.Table().Row() == lig;
    }
    // Types into the current cell and ends with a key (Tab by default).
    void Tape(const QString& texte, Qt::Key fin = Qt::Key_Tab)
    {
        Zent::VueTableTemps& t = Table();
        t.setFocus();
        // The first key opens the editor (unless one is open); the others go
        // to it, as focus would send them.
        QWidget* editeur = t.Editeur();
        QString reste = texte;
        if (!editeur) {
            Touches(&t, texte.left(1));
            editeur = t.Editeur();
            reste = texte.mid(1);
        }
        ASSERT_NE(editeur, nullptr);
        Touches(editeur, reste);
        QTest::keyClick(editeur, fin);
        Attend();
    }
    // Key events with their text, accented letters included.
    static void Touches(QWidget* cible, const QString& texte)
    {
        for (QChar c : texte) {
            const int code = c.unicode() < 0x80 ? QChar(c).toUpper().unicode() : 0;
            QKeyEvent appui(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
            QKeyEvent relache(QEvent::KeyRelease, code, Qt::NoModifier, QString(c));
            QApplication::sendEvent(cible, &appui);
            QApplication::sendEvent(cible, &relache);
        }
    }
    QString Cellule(int col, int lig) { return Zent::VersQt(Table().Table().Cellule(col, lig)); }

    QTemporaryDir dossier;
    MessagesScriptes messages;
    SonsScriptes sons;
    DialoguesScriptes dialogues;
    std::unique_ptr<Zent::FenetrePrincipale> fenetre;
};

} // namespace ZentTest
