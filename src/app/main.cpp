// Zentora Suite: start-up.
#include "app/Version.h"
#include "files/Configuration.h"
#include "ui/qt/DialoguesFichier.h"
#include "ui/qt/FenetrePrincipale.h"
#include "ui/qt/QtDialogue.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentora Suite V3.6"));
    QApplication::setApplicationVersion(QString::fromLatin1(Zent::VersionProgramme));

    Zent::QtMessages messages;
    Zent::QtSons sons;
    Zent::DialoguesFichierQt dialogues;
    Zent::FenetrePrincipale fenetre(messages, sons, dialogues, Zent::SeparateurDecimalSysteme());
    messages.SetParent(&fenetre);

    const std::string configuration = Zent::CheminConfiguration();
    fenetre.SetFichierConfiguration(configuration);
    fenetre.SetVersion(QString::fromLatin1(Zent::VersionProgramme));
    const std::optional<int> langue = Zent::LitLangue(configuration);
    if (!langue) {
        QMessageBox::critical(nullptr, QStringLiteral("Zentora Suite"),
                              QStringLiteral("Le fichier de configuration %1 ne peut pas être créé.\n"
                                             "The configuration file %1 cannot be created.")
                                  .arg(QString::fromStdString(configuration)));
        return 1;
    }
    fenetre.SetLangue(*langue);
    fenetre.show();

    // A program file given on the command line is opened at once.
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(QLatin1Char('-')))
            fenetre.OuvreFichier(arguments[i]);
    return QApplication::exec();
}
