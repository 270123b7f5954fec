#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

class DDeviceKeyboardLink;

// Sends the light and keyboard sleep times to the current keyboard and stores them in the current
// profile only after the keyboard confirmed them, so the file and the keyboard agree.
class SleepTimeSettings : public QObject
{
    Q_OBJECT

public:
    static constexpr int confirmWaitMs = 1400;

    explicit SleepTimeSettings(QObject *parent = nullptr);

    void setDeviceLink(DDeviceKeyboardLink *link);
    void setProfile(const QByteArray &profileXmlPath, int profileIndex);

    // Returns whether the keyboard confirmed; every outcome is shown through sigNotice.
    bool request(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);

public slots:
    void onSleepTimeSetSuccessful();

signals:
    void sigNotice(const QString &text);
    void sigConfirmed();

private:
    QPointer<DDeviceKeyboardLink> m_link;
    QByteArray m_profileXmlPath;
    int m_profileIndex = 1;
    bool m_sleepTimeConfirmed = false;
};
