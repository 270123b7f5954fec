#include "ui/mainwidget/devicePage/devices/DeviceSdkStartup.h"

#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/store/VorlanXml.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <list>

const char *const DeviceSdkStartup::upgradeLibraryName = "jl_firmware_upgrade_x86";

bool UpgradeLibraryEntries::isComplete() const
{
    return loadUfwData && getUfwCrc && getUfwPidVid && upgradeDevice && queryDevicePidVid;
}

DeviceSdkCalls DeviceSdkCalls::real()
{
    return {CVorlanSDK_VersionStr,
            CVorlanXML_Init,
            CVorlanHid_Init,
            CVorlanLight_Init,
            CVorlanXML_CreateXMLFile,
            CVorlanXML_SeniorKey_CreateXMLFile,
            CVorlanXML_SeniorKey_CreateProFileXmlParentNode,
            CVorlanHid_GetSupportInfoList};
}

DeviceSdkStartup::DeviceSdkStartup(DeviceSdkCalls calls)
    : m_calls(calls)
{
}

void DeviceSdkStartup::run(const QString &userConfigDir, const QString &upgradeLibrary)
{
    char version[1024] = {};
    m_calls.versionStr(version);
    version[sizeof(version) - 1] = '\0';
    m_version = QString::fromLocal8Bit(version);

    // All three run whatever the first returned; only their joint success lets the start-up go on.
    const int xml = m_calls.xmlInit();
    const int hid = m_calls.hidInit();
    const int light = m_calls.lightInit();
    if (xml != 0 || hid != 0 || light != 0)
        return;
    m_started = true;

    const QString macroFile = userConfigDir + "/appMacro.xml";
    if (storePath(m_macroXmlPath, macroFile) && !QFileInfo(macroFile).isFile())
        m_calls.createMacroFile(m_macroXmlPath);

    const QString seniorKeyFile = userConfigDir + "/SeniorKeyConfig.xml";
    if (storePath(m_seniorKeyXmlPath, seniorKeyFile) && !QFileInfo(seniorKeyFile).isFile()) {
        m_calls.createSeniorKeyFile(m_seniorKeyXmlPath);
        m_calls.createSeniorKeyParentNode(m_seniorKeyXmlPath);
    }

    std::list<SupportInfoStu> supported;
    m_calls.supportInfoList(&supported);
    m_supportInfoList = QList<SupportInfoStu>(supported.begin(), supported.end());

    loadUpgradeLibrary(upgradeLibrary);
}

bool DeviceSdkStartup::storePath(char (&buffer)[256], const QString &path)
{
    const QByteArray local = path.toLocal8Bit();
    std::memset(buffer, 0, sizeof(buffer));
    // A cut path would name another file: leave it empty instead.
    if (local.size() >= int(sizeof(buffer))) {
        qDebug().noquote() << "SDK start-up: path too long for the SDK:" << path;
        return false;
    }
    std::memcpy(buffer, local.constData(), size_t(local.size()));
    return true;
}

void DeviceSdkStartup::loadUpgradeLibrary(const QString &name)
{
    const QString file = QFileInfo(name).isAbsolute() || name.contains('/')
                             ? name
                             : QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    m_upgradeLibrary.setFileName(file);
    if (m_upgradeLibrary.load()) {
        m_upgradeEntries.loadUfwData = m_upgradeLibrary.resolve("JL_loadUfwData");
        m_upgradeEntries.getUfwCrc = m_upgradeLibrary.resolve("JL_getUfwCrc");
        m_upgradeEntries.getUfwPidVid = m_upgradeLibrary.resolve("JL_getUfwPidVid");
        m_upgradeEntries.upgradeDevice = m_upgradeLibrary.resolve("JL_upgradeDevice");
        m_upgradeEntries.queryDevicePidVid = m_upgradeLibrary.resolve("JL_queryDevicePidVid");
    }
    if (!m_upgradeEntries.isComplete())
        qDebug().noquote() << "-------------------- *** [ Load JL dll Failed ] *** -----------------------";
}
