#pragma once

#include "app/ThemeColorInfo.h"

#include <QDialog>
#include <QString>

class CbNotice;
class QSettings;

namespace Ui {
class DSettingsDia;
}

// The settings and About dialog: language, start with the session, close to tray, firmware
// check, the company information, and the firmware information behind a double click on the
// title logo. A frameless tool window that deletes itself when it closes.
class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    explicit DSettingsDia(QWidget *parent = nullptr);
    ~DSettingsDia() override;

    void showNoUpgradeableDevices();
    void loadAppInfo();
    void showFirmwareInfo();
    void applyTheme();

signals:
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigUpdateApp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

public slots:
    void reject() override;

private slots:
    void onCurIndexChanged(int selIndex);
    void onLickActivited(QString str);
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Close_clicked();
    void on_comboBox_Language_currentIndexChanged(QString text);
    void on_comboBox_Theme_currentIndexChanged(QString text);
    void on_pushButton_UpgradeCheck_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckAppUpdate_clicked();

private:
    // Dark, Light, Blue, Pink, Other, in the current language.
    static QStringList themeNames();
    void setCodeTexts();
    void fillThemeList();
    void showNotice(const QString &text);
    void notifyClosed();
    QString linkText(const ThemeColorInfo &theme) const;

    Ui::DSettingsDia *m_ui;
    CbNotice *m_notice = nullptr;
    QString m_companyLink;
    QString m_companyName;
    QString m_configFilePath;
    QSettings *m_settings = nullptr;
    int m_themeIndex = 0;
    bool m_closeNotified = false;
};
