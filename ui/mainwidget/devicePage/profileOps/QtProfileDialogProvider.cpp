#include "ui/mainwidget/devicePage/profileOps/QtProfileDialogProvider.h"

#include <QFileDialog>
#include <QMessageBox>

QString QtProfileDialogProvider::existingDirectory(QWidget *parent, const QString &caption, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, caption, startFolder,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

QString QtProfileDialogProvider::openFileName(QWidget *parent, const QString &caption, const QString &startFolder,
                                              const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, startFolder, filter);
}

int QtProfileDialogProvider::question(QWidget *parent, const QString &title, const QString &text,
                                      const QString &button0, const QString &button1)
{
    // The first button is the default; there is no escape button.
    return QMessageBox::question(parent, title, text, button0, button1, QString(), 0, -1);
}
