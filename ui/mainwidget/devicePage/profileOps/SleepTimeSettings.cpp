#include "ui/mainwidget/devicePage/profileOps/SleepTimeSettings.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/download/ReplyWait.h"
#include "ui/mainwidget/devicePage/profileOps/SleepTimeRules.h"

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
        ReplyWait().waitUntil([this] { return m_sleepTimeConfirmed; }, confirmWaitMs);
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
