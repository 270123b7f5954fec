#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

#include <QMap>

class QIntValidator;
class Ui_DMacroCmdPage;

// The key-function page that binds a macro to a key (type 1) with a play mode and, for mode 2, a
// play count. Every choice is stored at once; the first key of a profile bound to a macro also
// makes the profile's copy of that macro, which is what a download sends.
class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

    int macroIndex() const { return m_macroIndex; }

private slots:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhellKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString &text);
    void on_comboBox_Macro_currentIndexChanged(const QString &text);
    void onComboxActivated(int index);
    void onScrollSheetSet();

private:
    void setOwnTexts();
    void choosePlayMode(int mode);
    void saveCurrentChoice();
    void saveKeyOperate(int count, int mode, int macroIndex);

    Ui_DMacroCmdPage *m_ui;
    QIntValidator *m_countValidator;
    char m_macroXmlPath[256] = {};
    // 0 while the list offers no macro.
    int m_macroIndex = 0;
    int m_playCount = 1;
    int m_playMode = 1;
    QMap<int, QString> m_macroNames;
    QString m_scrollStyleSheet;
};
