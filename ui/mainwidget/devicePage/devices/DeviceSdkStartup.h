#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QLibrary>
#include <QList>
#include <QString>

// Entry points of the chip vendor's upgrade library, kept for the firmware upgrade driver.
// Each is null when the library or the entry point is absent.
struct UpgradeLibraryEntries
{
    QFunctionPointer loadUfwData = nullptr;
    QFunctionPointer getUfwCrc = nullptr;
    QFunctionPointer getUfwPidVid = nullptr;
    QFunctionPointer upgradeDevice = nullptr;
    QFunctionPointer queryDevicePidVid = nullptr;

    bool isComplete() const;
};

// The SDK calls of the start-up; the real SDK by default, replaceable in tests.
struct DeviceSdkCalls
{
    void (*versionStr)(char *versionStr);
    int (*xmlInit)();
    int (*hidInit)();
    int (*lightInit)();
    bool (*createMacroFile)(const char *path);
    bool (*createSeniorKeyFile)(const char *path);
    bool (*createSeniorKeyParentNode)(const char *path);
    void (*supportInfoList)(std::list<SupportInfoStu> *supportList);

    static DeviceSdkCalls real();
};

// Starts the device SDK once at program start: version, the three initialisations, the macro and
// advanced-key files, the supported-device list and the chip vendor's upgrade library.
class DeviceSdkStartup
{
public:
    explicit DeviceSdkStartup(DeviceSdkCalls calls = DeviceSdkCalls::real());

    // userConfigDir: the user configuration folder. upgradeLibrary: the library's file name
    // without platform prefix and suffix, in the executable's folder unless a path is given.
    void run(const QString &userConfigDir, const QString &upgradeLibrary);

    QString version() const { return m_version; }
    // False when an initialisation failed: nothing after it ran.
    bool isStarted() const { return m_started; }
    // Local 8-bit paths, NUL-terminated in 256 bytes; empty when not started.
    const char *macroXmlPath() const { return m_macroXmlPath; }
    const char *seniorKeyXmlPath() const { return m_seniorKeyXmlPath; }
    const QList<SupportInfoStu> &supportInfoList() const { return m_supportInfoList; }
    const UpgradeLibraryEntries &upgradeEntries() const { return m_upgradeEntries; }

    static const char *const upgradeLibraryName;

private:
    // Fills the buffer with the file's path; false (and an empty buffer) when it does not fit.
    static bool storePath(char (&buffer)[256], const QString &path);
    void loadUpgradeLibrary(const QString &name);

    DeviceSdkCalls m_calls;
    QString m_version;
    bool m_started = false;
    char m_macroXmlPath[256] = {};
    char m_seniorKeyXmlPath[256] = {};
    QList<SupportInfoStu> m_supportInfoList;
    QLibrary m_upgradeLibrary;
    UpgradeLibraryEntries m_upgradeEntries;
};
