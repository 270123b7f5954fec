#pragma once

#include <QString>

class QWidget;

// The dialogs of the profile operations, behind one interface so tests answer them without blocking.
class ProfileDialogProvider
{
public:
    virtual ~ProfileDialogProvider() = default;

    // Empty when cancelled. An empty start folder leaves the choice to the dialog.
    virtual QString existingDirectory(QWidget *parent, const QString &caption, const QString &startFolder) = 0;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &startFolder,
                                 const QString &filter) = 0;
    // The number of the chosen button: 0 for the first, 1 for the second.
    virtual int question(QWidget *parent, const QString &title, const QString &text, const QString &button0,
                         const QString &button1) = 0;
};
