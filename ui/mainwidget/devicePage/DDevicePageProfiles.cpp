// The device page's profile files and current profile.
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightDefaults.h"
#include "ui/mainwidget/devicePage/profiles/ProfileFolder.h"
#include "ui_DDevicePage.h"
#include "widgets/ThemeColorText.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <QToolButton>

#include <cstring>
#include <list>
#include <string>

namespace {

constexpr int kCurrentDeviceWaitMs = 1500;

CustomLightDefaults defaultsFor(const hidStructInfoAll &device)
{
    return CustomLightDefaults(device.keyCount, QString::fromUtf8(device.hidName),
                               DDataManager::instance()->isLightSynchronize());
}

} // namespace

void DDevicePage::setProfileXmlPath(const QByteArray &path)
{
    const size_t length = std::min(size_t(path.size()), sizeof(m_profileXmlPath) - 1);
    std::memcpy(m_profileXmlPath, path.constData(), length);
    std::memset(m_profileXmlPath + length, 0, sizeof(m_profileXmlPath) - length);
}

void DDevicePage::prepareProfileFiles(hidStructInfoAll record, int)
{
    // The current device may leave during the wait, and its link may go with it.
    const QPointer<DDeviceKeyboardLink> link = m_roster->currentLink();
    const bool hadLink = link;
    const auto stillCurrent = [this, link, hadLink] {
        return m_roster->currentLink() == link && bool(link) == hadLink;
    };
    if (link != nullptr && !link->isInquireOver())
        m_replyWait.waitUntil([&] { return !stillCurrent() || link->isInquireOver(); }, kCurrentDeviceWaitMs);
    if (!stillCurrent())
        return;
    m_serialNumber = link != nullptr ? link->getSN() : QString();
    m_roster->setCurrentDeviceRecord(record);
    m_currentLayer = 0;
    if (m_lightEngine) {
        m_lightEngine->setDeviceInfo(record);
        if (link)
            m_lightEngine->setLightModeSupport(link->getKeyboardLightModeSupport(), link->getSideLightModeSupport());
    }

    // Until this device has files of its own no tab may write into the previous device's files.
    setProfileXmlPath(QByteArray());
    m_deviceFolder.clear();
    if (std::strncmp(record.deviceKind, "keyboard", sizeof(record.deviceKind)) != 0)
        return;
    DDataManager *data = DDataManager::instance();
    const ProfileFolder folder(data->getUserConfigDir(), QString::fromUtf8(record.hidName), m_serialNumber,
                               data->isMagneticKeyboard());
    m_deviceFolder = folder.folder();
    setProfileXmlPath(folder.defaultFilePath());
    data->setMagneticProfileXmlPath(folder.magneticFilePath().constData());
    if (!folder.isValid() || folder.defaultFilePath().isEmpty())
        return;
    folder.prepare(defaultsFor(record));

    loadCurrentProfile();
    if (link != nullptr && !link->isProfileLightSaved()) {
        link->saveLightInfoToProfile(0);
        if (!link->getSideLightModeSupport().modes.isEmpty())
            link->saveLightInfoToProfile(1);
        link->setProfileLightSaved(true);
    }
    if (link != nullptr)
        link->checkSleepTime();
}

void DDevicePage::loadCurrentProfile()
{
    DDataManager *data = DDataManager::instance();
    data->clearCurrentKey();
    m_ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(0);
    if (m_keyView != nullptr)
        m_keyView->exitLightEditMode();

    m_profileIndex = CVorlanXML_GetCreateXMLFileProfileIndex(m_profileXmlPath);
    if (DDeviceKeyboardLink *link = m_roster->currentLink()) {
        link->setCurrentProfileIndex(m_profileIndex);
        link->setCurrentProfileXmlPath(m_profileXmlPath);
    }
    data->setCurrentProfileIndex(m_profileIndex);
    data->setCurrentProfileXmlPath(m_profileXmlPath);

    const QByteArray index = QByteArray::number(m_profileIndex);
    m_keyboardLightTypeInUse = CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, index.constData(), 0);
    m_sideLightTypeInUse = CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath, index.constData(), 1);
    m_lightRunningStatus = CVorlanXML_SelectProFileLightTypeRuningStatus(m_profileXmlPath, index.constData());
    m_lightSyncStatus = CVorlanXML_SelectProFileLightSynchronizeStatus(m_profileXmlPath, index.constData());

    m_customKeysPage->setProfileIndex(m_profileIndex);
    m_customKeysPage->setProfileXmlPath(m_profileXmlPath);
    m_lightsPage->setProfileIndex(m_profileIndex);
    m_lightsPage->setProfileXmlPath(m_profileXmlPath);
    m_lightsPage->setHidInterface(m_roster->currentHidInterface());
    if (const DDeviceKeyboardLink *link = m_roster->currentLink())
        m_lightsPage->setLightModeSupport(link->getKeyboardLightModeSupport(), link->getSideLightModeSupport());
    else
        m_lightsPage->setLightModeSupport(LightModeSupport(), LightModeSupport());
    m_performancePage->setProfileIndex(m_profileIndex);
    m_performancePage->setProfileXmlPath(m_profileXmlPath);
    if (m_lightEngine)
        m_lightEngine->setHidInterface(m_roster->currentHidInterface());

    refreshProfileList();
    if (data->isMagneticKeyboard() && m_currentLayer == 0)
        markMagneticLayerKeys();
}

void DDevicePage::markMagneticLayerKeys()
{
    DDataManager *data = DDataManager::instance();
    char magneticPath[256] = {};
    data->getMagneticProfileXmlPath(magneticPath);
    std::list<std::string> keyCodes;
    CVorlanXML_ProFileKeyInfoSelectAll(magneticPath, "1", &keyCodes);
    const QMap<int, keyboardButCustom *> caps = data->getKeyButtonMap();
    const QColor green = data->getAssignedKeyColor();
    for (const std::string &code : keyCodes) {
        keyboardButCustom *cap = caps.value(std::atoi(code.c_str()));
        if (cap == nullptr)
            continue;
        cap->setMarkColor(green);
        cap->setMarkBorderColor(green);
        cap->setMarked(true);
    }
}

void DDevicePage::refreshProfileList()
{
    ProfileNodeList nodes;
    CVorlanXML_SelectProFileAllNodes(m_profileXmlPath, &nodes);
    QComboBox *list = m_ui->comboBox_profileList;
    const QSignalBlocker blocker(list);
    list->clear();
    QString currentName;
    for (const auto &node : nodes) {
        const QString name = QString::fromStdString(node.second);
        const int index = std::atoi(node.first.c_str());
        list->addItem(name, index);
        if (index == m_profileIndex && currentName.isNull())
            currentName = name;
    }
    // Names may repeat: the first item of that name is shown as current.
    list->setCurrentIndex(list->findText(currentName));

    DDataManager *data = DDataManager::instance();
    const QColor themeColour = opaqueThemeColor(data->getThemeInfo().TextCheckedColor);
    const QMap<int, keyboardButCustom *> caps = data->getKeyButtonMap();
    for (keyboardButCustom *cap : caps) {
        cap->setMarkColor(themeColour);
        cap->setMarkBorderColor(themeColour);
        cap->setMarked(false);
    }
    std::list<std::string> keyCodes;
    CVorlanXML_ProFileKeyInfoSelectAll(m_profileXmlPath, QByteArray::number(m_profileIndex).constData(), &keyCodes);
    for (const std::string &code : keyCodes) {
        if (keyboardButCustom *cap = caps.value(std::atoi(code.c_str())))
            cap->setMarked(true);
    }
}

void DDevicePage::addDefaultLightInfo(int profileIndex)
{
    defaultsFor(m_roster->currentDevice()).addDefaultLightInfo(QByteArray(m_profileXmlPath), profileIndex);
}

void DDevicePage::addDefaultCustomLights(int profileIndex)
{
    defaultsFor(m_roster->currentDevice()).addDefaultCustomLights(QByteArray(m_profileXmlPath), profileIndex);
}

void DDevicePage::addDefaultCustomLightItems(int profileIndex, int setIndex)
{
    defaultsFor(m_roster->currentDevice())
        .addDefaultCustomLightItems(QByteArray(m_profileXmlPath), profileIndex, setIndex);
}
