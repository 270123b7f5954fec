#include "ui/firmware/FirmwareUpgradeDriver.h"

#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/ModelCatalog.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/ExtractedFirmwareImage.h"
#include "ui/firmware/FirmwareImageRules.h"
#include "ui/mainwidget/devicePage/devices/HotPlugGate.h"

#include <QDebug>
#include <QThread>
#include <QTimer>
#include <QWidget>

std::atomic<FirmwareUpgradeDriver *> FirmwareUpgradeDriver::s_relay{nullptr};

namespace {
// Every image goes to the SDK with this size argument, whatever its layout.
constexpr int kFlashSizeArgument = 262144;
} // namespace

FirmwareUpgradeDriver::FirmwareUpgradeDriver(QWidget *window, Sources sources, UfwLibraryCalls ufwCalls,
                                             BootloaderCalls bootloaderCalls, FirmwareUpgradeTimings timings,
                                             QString imageFolder)
    : QObject(window)
    , m_window(window)
    , m_sources(std::move(sources))
    , m_ufwCalls(ufwCalls)
    , m_bootloaderCalls(bootloaderCalls)
    , m_timings(timings)
    , m_checker(ufwCalls, imageFolder)
    , m_bootloaderDeadline(new QTimer(this))
{
    m_bootloaderDeadline->setSingleShot(true);
    connect(m_bootloaderDeadline, &QTimer::timeout, this, &FirmwareUpgradeDriver::onBootloaderDeadline);
    s_relay.store(this);
}

FirmwareUpgradeDriver::~FirmwareUpgradeDriver()
{
    FirmwareUpgradeDriver *self = this;
    s_relay.compare_exchange_strong(self, nullptr);
    // A running SDK or library call ends by itself; its reports are dropped with this object.
    if (m_worker.joinable())
        m_worker.join();
}

DUpdateFirmwareDia *FirmwareUpgradeDriver::upgradeDialog() const
{
    return m_upgradeDialog.data();
}

// ---- Triggers and the check ----

void FirmwareUpgradeDriver::onHaveCheckUpgradeFirmwareNUC()
{
    if (!m_sources.appVersionChanged || !m_sources.appVersionChanged())
        return;
    QTimer::singleShot(m_timings.checkDelayMs, this, [this] { checkUpgradeDeviceList(false); });
}

bool FirmwareUpgradeDriver::checkUpgradeDeviceList(bool manual)
{
    m_upgradeList.clear();
    const QMap<QString, hidStructInfoAll> devices =
        m_sources.hidInfoMap ? m_sources.hidInfoMap() : QMap<QString, hidStructInfoAll>();
    for (hidStructInfoAll device : devices) {
        if (!checkFirmwareImage(device))
            continue;
        FirmwareImageRules::storeNewVersion(&device, m_upgradeImageVersion);
        m_upgradeList.append(device);
    }
    if (m_upgradeList.isEmpty())
        return false;
    m_manualCheck = manual;
    if (manual)
        onUpdateFirmwareWindowOpen();
    else
        QTimer::singleShot(m_timings.openDelayMs, this, &FirmwareUpgradeDriver::onUpdateFirmwareWindowOpen);
    return true;
}

bool FirmwareUpgradeDriver::checkFirmwareImage(hidStructInfoAll device)
{
    QString version;
    if (!m_checker.checkFirmwareImage(device, &version))
        return false;
    m_upgradeImageVersion = version;
    return true;
}

// ---- The window ----

void FirmwareUpgradeDriver::onUpdateFirmwareWindowOpen()
{
    if (m_upgradeDialog)
        return;
    auto *overlay = new QWidget(m_window);
    overlay->setObjectName("widget");
    overlay->setStyleSheet("#widget {background-color:rgba(10, 10, 10, 100);}");
    overlay->resize(m_window->size());
    // A manual check runs from the settings dialog, whose overlay is already shown.
    if (!m_manualCheck)
        overlay->show();
    m_upgradeOverlay = overlay;

    auto *dialog = new DUpdateFirmwareDia(m_window);
    m_upgradeDialog = dialog;
    dialog->setUpgradeDeviceList(m_upgradeList, m_sources.deviceLinkMap
                                                    ? m_sources.deviceLinkMap()
                                                    : QMap<QString, QPointer<DDeviceKeyboardLink>>());
    connect(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this,
            &FirmwareUpgradeDriver::onUpdateFirmwareWindowClose);
    connect(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &FirmwareUpgradeDriver::onStartHidUpgrade);
    dialog->move(m_window->x() + (m_window->width() - dialog->width()) / 2,
                 m_window->y() + (m_window->height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void FirmwareUpgradeDriver::onUpdateFirmwareWindowClose()
{
    if (m_upgradeOverlay)
        m_upgradeOverlay->hide();
    m_upgradeDialog = nullptr;
}

// ---- Start of an upgrade ----

void FirmwareUpgradeDriver::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    Q_UNUSED(strHidPath);
    Q_UNUSED(strSN);
    const FirmwareImageRow *row = ModelCatalog::findFirmwareImage(strHidName.toStdString());
    if (!row)
        return;
    if (m_attemptRunning) {
        // An attempt started from a window closed since still runs: one flash at a time.
        if (m_upgradeDialog)
            m_upgradeDialog->setUpgradeFirmwareFailed();
        return;
    }
    m_upgradeRetryCount = 0;
    if (row->kind == FirmwareImageKind::ImageUfw) {
        m_binPending = false;
        m_bootloaderDeadline->stop();
        QThread::msleep(static_cast<unsigned long>(m_timings.ufwPauseMs));
        queryUfwUpgradeDrive(strHidName, hidUsbOrDongle != 0);
        return;
    }
    m_upgradeHidName = strHidName;
    m_upgradeUsbOrDongle = hidUsbOrDongle;
    m_binPending = true;
    m_deadlinePassed = false;
    m_refusedPaths.clear();
    m_bootloaderDeadline->start(m_timings.bootloaderWaitMs);
    // A keyboard that stayed in its bootloader sends no arrival: look at once.
    openBootloaderHid();
}

void FirmwareUpgradeDriver::onBootloaderDeadline()
{
    m_deadlinePassed = true;
    if (m_binPending && !m_attemptRunning)
        finishUpgrade(false);
}

void FirmwareUpgradeDriver::finishUpgrade(bool success)
{
    m_binPending = false;
    m_bootloaderDeadline->stop();
    if (!m_upgradeDialog)
        return;
    if (success)
        m_upgradeDialog->setUpgradeFirmwareSuc();
    else
        m_upgradeDialog->setUpgradeFirmwareFailed();
}

void FirmwareUpgradeDriver::startWorker(std::function<void()> work)
{
    // The previous attempt has reported, so its thread has ended or is about to.
    if (m_worker.joinable())
        m_worker.join();
    m_attemptRunning = true;
    m_worker = std::thread(std::move(work));
}

// ---- ".bin": bootloader and SDK ----

void FirmwareUpgradeDriver::ontheHidIntoFirmwareUpgrade()
{
    // Without a pending upgrade an arrival would flash an earlier start's model; during an
    // attempt a second flash would run on the same device.
    if (!m_binPending || m_attemptRunning)
        return;
    openBootloaderHid();
}

bool FirmwareUpgradeDriver::openBootloaderHid()
{
    std::list<std::string> paths;
    m_bootloaderCalls.listPaths(&paths);
    for (const std::string &path : paths) {
        const QString text = QString::fromStdString(path);
        if (!HotPlugGate::isUpgradeModeDevice(text) || m_refusedPaths.contains(text))
            continue;
        const intptr_t handle = m_bootloaderCalls.open(path.c_str());
        if (handle == 0)
            continue;
        const QString model = m_upgradeHidName;
        const int usbOrDongle = m_upgradeUsbOrDongle;
        m_attemptPath = text;
        startWorker([this, handle, model, usbOrDongle] { runHidUpgrade(handle, model, usbOrDongle); });
        return true;
    }
    return false;
}

void FirmwareUpgradeDriver::runHidUpgrade(intptr_t handle, QString model, int usbOrDongle)
{
    const QString name = QString(usbOrDongle != 0 ? "%1_Dongle.bin" : "%1.bin").arg(model);
    int result = -1;
    bool imageMissing = false;
    {
        const ExtractedFirmwareImage image(m_checker.imageFolder(), name);
        if (image.path().isEmpty()) {
            imageMissing = true;
        } else {
            const QByteArray local = image.path().toLocal8Bit();
            result = m_bootloaderCalls.flash(handle, local.constData(), kFlashSizeArgument, 0, usbOrDongle != 0 ? 1 : 0,
                                             &FirmwareUpgradeDriver::hidUpgradeProgressCallback);
        }
    }
    m_bootloaderCalls.close(handle);
    postReport({WorkerReport::HidAttemptDone, result, imageMissing ? 1 : 0});
}

void FirmwareUpgradeDriver::onHidAttemptDone(int result, bool imageMissing)
{
    m_attemptRunning = false;
    if (m_worker.joinable())
        m_worker.join();
    if (result == 0) {
        finishUpgrade(true);
        return;
    }
    if (imageMissing) {
        finishUpgrade(false);
        return;
    }
    if (result == FirmwareUpgradeOtherModel) {
        // Another keyboard's bootloader: not one of this upgrade's attempts. Its own keyboard may
        // still arrive before the deadline.
        m_refusedPaths.insert(m_attemptPath);
        if (!openBootloaderHid() && m_deadlinePassed)
            finishUpgrade(false);
        return;
    }
    retryHidUpgrade();
}

void FirmwareUpgradeDriver::retryHidUpgrade()
{
    if (m_upgradeRetryCount < 3) {
        ++m_upgradeRetryCount;
        if (openBootloaderHid())
            return;
    }
    finishUpgrade(false);
}

// ---- ".ufw": the upgrade library ----

void FirmwareUpgradeDriver::queryUfwUpgradeDrive(const QString &model, bool receiver)
{
    // The library flashes the image it loaded last, which may be another keyboard's.
    if (!m_ufwCalls.canUpgrade() || !m_checker.loadUfwImage(model, receiver)) {
        finishUpgrade(false);
        return;
    }
    char out16[16] = {};
    char out8[8] = {};
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        m_ufwDriveLetter = QString(QChar(letter)) + ":";
        const int result = m_ufwCalls.queryDevicePidVid(letter, out16, sizeof(out16), out8, sizeof(out8));
        if (result == 0) {
            startWorker([this, letter] { runUfwUpgrade(letter); });
            return;
        }
        if (result == -5 && letter != 'Z')
            continue;
        qDebug().noquote() << "JL m_queryDevicePidVid()  csErrorText:"
                           << FirmwareImageRules::jlErrorText(result, false);
        break;
    }
    finishUpgrade(false);
}

void FirmwareUpgradeDriver::runUfwUpgrade(char letter)
{
    const int result = m_ufwCalls.upgradeDevice(letter, 1, 1, &FirmwareUpgradeDriver::ufwUpgradeProgressCallback);
    postReport({WorkerReport::UfwAttemptDone, result, 0});
}

void FirmwareUpgradeDriver::onUfwAttemptDone(int result)
{
    m_attemptRunning = false;
    if (m_worker.joinable())
        m_worker.join();
    if (result != 0)
        qDebug().noquote() << "JL m_upgradeDevice()  csErrorText:" << FirmwareImageRules::jlErrorText(result, true);
    finishUpgrade(result == 0);
}

// ---- Relay ----

void FirmwareUpgradeDriver::hidUpgradeProgressCallback(int total, int current)
{
    FirmwareUpgradeDriver *relay = s_relay.load();
    if (relay)
        relay->postReport({WorkerReport::Progress, total, current});
}

void FirmwareUpgradeDriver::ufwUpgradeProgressCallback(int percent)
{
    hidUpgradeProgressCallback(100, percent);
}

void FirmwareUpgradeDriver::postReport(WorkerReport report)
{
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(m_reportsMutex);
        wake = m_reports.empty();
        m_reports.push_back(report);
    }
    // One queued call per batch; by name, so nothing but the lock carries data between threads.
    if (wake)
        QMetaObject::invokeMethod(this, "deliverReports", Qt::QueuedConnection);
}

void FirmwareUpgradeDriver::deliverReports()
{
    std::vector<WorkerReport> reports;
    {
        const std::lock_guard<std::mutex> lock(m_reportsMutex);
        reports.swap(m_reports);
    }
    for (const WorkerReport &report : reports) {
        switch (report.kind) {
        case WorkerReport::Progress:
            if (m_upgradeDialog)
                m_upgradeDialog->setUpgradeProgress(report.first, report.second);
            break;
        case WorkerReport::HidAttemptDone: onHidAttemptDone(report.first, report.second != 0); break;
        case WorkerReport::UfwAttemptDone: onUfwAttemptDone(report.first); break;
        }
    }
}
