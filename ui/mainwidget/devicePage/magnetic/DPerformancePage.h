#pragma once

#include <QString>
#include <QWidget>

class QPushButton;

// The performance tab: key locks, sleep times and the profile restore.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);

    void applyTheme();
    void loadProfileFunctionInfo();
    void retranslate();
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    QString profileXmlPath() const { return QString::fromLocal8Bit(m_profileXmlPath); }

signals:
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigResetoreCurrentProfile();

private slots:
    void on_pushButton_Restore_clicked();

private:
    QPushButton *m_restoreButton;
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
};
