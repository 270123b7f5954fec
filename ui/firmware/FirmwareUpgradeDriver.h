#pragma once

#include "device/hidStructInfoAll.h"
#include "ui/firmware/BootloaderCalls.h"
#include "ui/firmware/FirmwareImageChecker.h"
#include "ui/firmware/FirmwareUpgradeTimings.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class DDeviceKeyboardLink;
class DUpdateFirmwareDia;
class QTimer;
class QWidget;

// The main window's firmware check and upgrade: the two triggers, the upgrade window over its
// overlay, and the two routes (".bin" images through a bootloader and the SDK, ".ufw" images
// through the upgrade library). Workers run one at a time on a thread this object owns; every
// report they make reaches the window through this object on the GUI thread.
class FirmwareUpgradeDriver : public QObject
{
    Q_OBJECT

public:
    // What the driver reads of the main window and its device page.
    struct Sources
    {
        std::function<QMap<QString, hidStructInfoAll>()> hidInfoMap;
        std::function<QMap<QString, QPointer<DDeviceKeyboardLink>>()> deviceLinkMap;
        std::function<bool()> appVersionChanged;
    };

    FirmwareUpgradeDriver(QWidget *window, Sources sources, UfwLibraryCalls ufwCalls,
                          BootloaderCalls bootloaderCalls = BootloaderCalls::real(),
                          FirmwareUpgradeTimings timings = FirmwareUpgradeTimings(), QString imageFolder = QString());
    ~FirmwareUpgradeDriver() override;

    // Start-up listing done: the automatic check, in a run whose program version changed.
    void onHaveCheckUpgradeFirmwareNUC();
    // Rebuilds the list and opens the window for it; false when nothing can be upgraded.
    bool checkUpgradeDeviceList(bool manual);
    bool checkFirmwareImage(hidStructInfoAll device);
    // A bootloader arrived (after the settle time).
    void ontheHidIntoFirmwareUpgrade();

    const FirmwareUpgradeTimings &timings() const { return m_timings; }
    DUpdateFirmwareDia *upgradeDialog() const;
    QWidget *upgradeOverlay() const { return m_upgradeOverlay.data(); }
    QList<hidStructInfoAll> upgradeList() const { return m_upgradeList; }
    QString ufwDriveLetter() const { return m_ufwDriveLetter; }

public slots:
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle);

private:
    // Opens the first bootloader that opens and starts an attempt on it; false when none did.
    bool openBootloaderHid();
    void runHidUpgrade(intptr_t handle, QString model, int usbOrDongle);
    void onHidAttemptDone(int result, bool imageMissing);
    void retryHidUpgrade();
    void queryUfwUpgradeDrive(const QString &model, bool receiver);
    void runUfwUpgrade(char letter);
    void onUfwAttemptDone(int result);
    void onBootloaderDeadline();
    void startWorker(std::function<void()> work);
    void finishUpgrade(bool success);

    // The relay: any thread may call these; the work happens queued on the GUI thread.
    struct WorkerReport
    {
        enum Kind { Progress, HidAttemptDone, UfwAttemptDone } kind;
        int first;  // total, or the attempt's result
        int second; // current, or 1 when the image was missing
    };
    static void hidUpgradeProgressCallback(int total, int current);
    static void ufwUpgradeProgressCallback(int percent);
    void postReport(WorkerReport report);
    Q_INVOKABLE void deliverReports();

    QWidget *m_window;
    Sources m_sources;
    UfwLibraryCalls m_ufwCalls;
    BootloaderCalls m_bootloaderCalls;
    FirmwareUpgradeTimings m_timings;
    FirmwareImageChecker m_checker;

    QList<hidStructInfoAll> m_upgradeList;
    QString m_upgradeImageVersion;
    bool m_manualCheck = false;
    QPointer<QWidget> m_upgradeOverlay;
    QPointer<DUpdateFirmwareDia> m_upgradeDialog;

    QString m_upgradeHidName;
    int m_upgradeUsbOrDongle = 0;
    int m_upgradeRetryCount = 0;
    QString m_ufwDriveLetter = "A:";
    // A ".bin" upgrade waits for its bootloader or runs; arrivals mean nothing otherwise.
    bool m_binPending = false;
    bool m_attemptRunning = false;
    bool m_deadlinePassed = false;
    // Bootloaders of this upgrade that identified as another model.
    QSet<QString> m_refusedPaths;
    QTimer *m_bootloaderDeadline;
    std::thread m_worker;
    // The bootloader the running ".bin" attempt flashes.
    QString m_attemptPath;
    // Reports of the worker, handed to the GUI thread under the lock: the hand-over stays visible
    // to the thread checker, which does not see through Qt's own queue.
    std::mutex m_reportsMutex;
    std::vector<WorkerReport> m_reports;

    // The callbacks carry no context: they find the relay here.
    static std::atomic<FirmwareUpgradeDriver *> s_relay;
};
