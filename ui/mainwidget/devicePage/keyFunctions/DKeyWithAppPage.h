#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

#include <QFileInfo>

#include <memory>

class ProfileDialogProvider;
class Ui_DKeyWithAppPage;

// The key-function page that makes a key launch a program (type 8): the path chosen in the file
// dialog is stored exactly as the dialog returned it.
class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;
    // The page's dialogs; the program's own until a test sets others (kept by the caller).
    void setDialogProvider(ProfileDialogProvider *dialogs);
    // The desktop folder, or the home folder where there is none.
    static QString startFolder();

private slots:
    void on_pushButton_selectAppPath_clicked();

private:
    void setOwnTexts();
    void saveKeyOperate();

    Ui_DKeyWithAppPage *m_ui;
    std::unique_ptr<ProfileDialogProvider> m_ownDialogs;
    ProfileDialogProvider *m_dialogs;
    QString m_chosenPath;
    QFileInfo m_chosenFile;
};
