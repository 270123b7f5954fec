#pragma once

#include <QWidget>

// The settings dialog: a frameless dialog that deletes itself when it closes.
class DSettingsDia : public QWidget
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget *parent = nullptr);

signals:
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigUpdateApp();

private slots:
    void on_pushButton_Close_clicked();
};
