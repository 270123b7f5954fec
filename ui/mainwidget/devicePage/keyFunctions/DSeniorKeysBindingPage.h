#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

#include <QMap>

class Ui_DSeniorKeysBindingPage;

// The key-function page that binds an advanced key (DKS, MT, TGL) to a key (type 40), by the
// advanced key's id. Offered on magnetic keyboards only.
class DSeniorKeysBindingPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget *parent = nullptr);
    ~DSeniorKeysBindingPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

private slots:
    void on_comboBox_SeniorKeys_currentIndexChanged(const QString &text);
    void onComboxActivated(int index);

private:
    void saveKeyOperate();

    Ui_DSeniorKeysBindingPage *m_ui;
    char m_seniorKeyXmlPath[256] = {};
    int m_chosenId = 0;
    QMap<int, SeniorKeyInfoStu> m_seniorKeys;
};
