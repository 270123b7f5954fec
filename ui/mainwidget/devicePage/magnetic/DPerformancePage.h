#pragma once

#include "platform/KeyboardSettingsCommand.h"

#include <QString>
#include <QWidget>

#include <optional>

class Ui_DPerformancePage;

// The performance tab: the four key locks of the profile, the sleep times and the desktop's
// keyboard settings. Stores the locks itself; everything for the keyboard leaves as signals.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    void applyTheme();
    void loadProfileFunctionInfo();
    void retranslate();
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    // A path that does not fit the 256-byte buffer is refused (logged) and leaves the path empty.
    void setProfileXmlPath(const char *path);
    QString profileXmlPath() const { return QString::fromLocal8Bit(m_profileXmlPath); }
    // Replaces the desktop's keyboard settings command (tests).
    void setKeyboardSettingsCommand(const DesktopCommand &command) { m_keyboardSettingsCommand = command; }

signals:
    void sigResetoreCurrentProfile();
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);

private slots:
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableWindowsKey_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();
    void on_checkBox_ProhibitSleep_clicked();
    void on_pushButton_SubmitSleepTime_clicked();

private:
    void setOwnTexts();
    void saveProfileFunctionInfo();
    QByteArray profileIndexText() const;

    Ui_DPerformancePage *m_ui;
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    std::optional<DesktopCommand> m_keyboardSettingsCommand;
};
