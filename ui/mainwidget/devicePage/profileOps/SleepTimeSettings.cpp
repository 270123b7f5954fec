#include "SleepTimeSettings.h"

#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "SleepTimeRules.h"
#include "VorlanXml.h"

#include <QEventLoop>
#include <QTimer>

SleepTimeSettings::SleepTimeSettings(QObject *parent)
    : QObject(parent)
{
}

void SleepTimeSettings::setDeviceLink(DDeviceKeyboardLink *link)
{
    if (m_link)
        disconnect(m_link, nullptr, this, nullptr);
    m_link = link;
    if (m_link)
        connect(m_link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this,
                &SleepTimeSettings::onSleepTimeSetSuccessful);
}

void SleepTimeSettings::setProfile(const QByteArray &profileXmlPath, int profileIndex)
{
    m_profileXmlPath = profileXmlPath;
    m_profileIndex = profileIndex;
}

void SleepTimeSettings::onSleepTimeSetSuccessful()
{
    m_sleepTimeConfirmed = true;
    emit sigConfirmed();
}

bool SleepTimeSettings::request(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    const SleepTimeRules::Check check = SleepTimeRules::check(lightSleepTime, keyboardSleepTime);
    if (check != SleepTimeRules::Check::Accepted) {
        emit sigNotice(SleepTimeRules::refusalText(check));
        return false;
    }

    m_sleepTimeConfirmed = false;
    if (m_link) {
        m_link->setSleepTime(lightSleepTime, keyboardSleepTime, prohibitSleepStatus);
        // The confirmation arrives through the link's reply dispatch, so events keep flowing.
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(this, &SleepTimeSettings::sigConfirmed, &loop, &QEventLoop::quit);
        timeout.start(confirmWaitMs);
        if (!m_sleepTimeConfirmed)
            loop.exec();
    }
    if (!m_sleepTimeConfirmed) {
        emit sigNotice(QObject::tr("Sleep time set failed"));
        return false;
    }

    DDataManager::instance()->setProhibitSleep(prohibitSleepStatus);
    CVorlanXML_SetProFileIntoSleepTimeInfo(m_profileXmlPath.constData(), QByteArray::number(m_profileIndex).constData(),
                                           lightSleepTime, SleepTimeRules::storedKeyboardMinutes(keyboardSleepTime));
    emit sigNotice(QObject::tr("Sleep time has been set"));
    return true;
}
