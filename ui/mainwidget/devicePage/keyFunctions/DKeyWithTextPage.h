#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

class Ui_DKeyWithTextPage;

// The key-function page that makes a key type a text (type 6): up to 5000 UTF-16 code units of
// plain text, stored on OK as UTF-8, untrimmed.
class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

    QString currentText() const { return m_currentText; }

signals:
    void sigClickedCancel();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);

private slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void onScrollSheetSet();

private:
    void setOwnTexts();
    void saveKeyOperate();

    Ui_DKeyWithTextPage *m_ui;
    QString m_currentText;
    QString m_scrollStyleSheet;
};
