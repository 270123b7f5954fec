#pragma once

#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"

// The program's own dialogs: Qt's folder and file dialogs and a question box.
class QtProfileDialogProvider : public ProfileDialogProvider
{
public:
    QString existingDirectory(QWidget *parent, const QString &caption, const QString &startFolder) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &startFolder,
                         const QString &filter) override;
    int question(QWidget *parent, const QString &title, const QString &text, const QString &button0,
                 const QString &button1) override;
};
