#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

#include <QMap>

class Ui_DChangProfilePage;

// The key-function page that makes a key switch to a profile of the current layer file (type 7).
// Only a pick of another entry stores; the page keeps its form's colours in every theme.
class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

    void retranslate() override;
    void loadCurrentKeyInfo() override;

private slots:
    void on_comboBox_Profile_currentIndexChanged(const QString &text);

private:
    void saveKeyOperate();

    Ui_DChangProfilePage *m_ui;
    QMap<int, QString> m_profileNames;
};
