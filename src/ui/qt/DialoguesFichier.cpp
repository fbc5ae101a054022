#include "ui/qt/DialoguesFichier.h"

#include <QFileDialog>

namespace Zent {

QString DialoguesFichierQt::Ouvrir(QWidget* parent, const QString& filtres)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filtres);
}

QString DialoguesFichierQt::Enregistrer(QWidget* parent, const QString& proposition, const QString& filtres)
{
    QFileDialog dialogue(parent, QString(), QString(), filtres);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QStringLiteral("tir"));
    // The main window asks its own replace question and keeps a backup.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.selectFile(proposition);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return QString();
    return dialogue.selectedFiles().first();
}

} // namespace Zent
