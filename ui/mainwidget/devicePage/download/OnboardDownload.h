#pragma once

#include "sdk/store/VorlanXmlRecords.h"
#include "ui/mainwidget/devicePage/download/OnboardKeyEncoder.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class DownloadWaiter;
class OnboardReportSink;

// What one download sends: the current device's key list and files.
struct OnboardDownloadRequest
{
    // Key codes of the layout's caps in layout order, gaps as 0 (the data manager's key list).
    QVector<int> keyCodes;
    bool magnetic = false;
    // The current device's profile folder, holding the layer files.
    QString deviceFolder;
    QString seniorKeyXmlPath;
};

// Writes the current profile's default and FN layers, the macros and the advanced keys their keys
// use into the keyboard's on-board memory, then blanks the macro slots and advanced-key places no key
// took. Runs inside the caller (the GUI thread); only the macro acknowledgement waits process events.
// A failed attempt is repeated once.
class OnboardDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int ackWaitMs = 100;
    static constexpr int ackWaits = 4;
    static constexpr int pauseMs = 400;

    explicit OnboardDownload(DownloadWaiter &waiter, QObject *parent = nullptr);

    // The device that currently receives commands (the device page's current HID I/O object); read at
    // the start of a download and after every wait, so a switch or unplug stops the download.
    void setTargetProvider(std::function<OnboardReportSink *()> provider);

    // True when the keyboard took everything; false at once while a download runs.
    bool run(const OnboardDownloadRequest &request);
    bool isRunning() const { return m_running; }
    int downloadStatus() const { return m_downloadStatus; }

    // The toast after a download.
    static QString resultText(bool successful);

public slots:
    // A macro report was acknowledged (incoming 0x19).
    void onAcknowledged();
    // The keyboard's on-board download status; kept, not deciding.
    void onDownloadStatus(int status);

private:
    enum class AttemptResult { Successful, Failed, Unrepeatable };

    void readAdvancedKeys(const OnboardDownloadRequest &request);
    void resetAttempt();
    AttemptResult runAttempt(const OnboardDownloadRequest &request);
    bool sendLayer(const OnboardDownloadRequest &request, int pass);
    OnboardKeyEntry encodeKey(int keyCode, int pass);
    int downloadMacroToNextSlot(const KeyOperateInfo &record, int pass);
    void downloadMacro(const KeyOperateInfo &record, int slot);
    int downloadSeniorKey(const KeyOperateInfo &record);
    void sendOnboardKeyReport(int layerCode, int packet, const QVector<int> &entryBytes);
    void sendMacroReportAcknowledged(const QByteArray &report);
    void blankUnusedPlaces(bool magnetic);
    bool send(const QByteArray &report);
    bool targetChanged();

    DownloadWaiter &m_waiter;
    std::function<OnboardReportSink *()> m_targetProvider;
    OnboardReportSink *m_target = nullptr;
    bool m_running = false;
    bool m_stopped = false;  // the target went away: nothing more is sent
    bool m_overflow = false; // something did not fit the keyboard's memory

    QMap<int, SeniorKeyInfoStu> m_seniorKeyMap;
    QByteArray m_downloadXmlPath;
    QByteArray m_downloadProfileIndex;
    int m_macroSlotCounter = -1;
    int m_seniorKeyStoreCounter = -1;
    bool m_macroAckReceived = true;
    bool m_downloadHealthy = true;
    int m_downloadStatus = -1;
    QByteArray m_pendingMacroReport;
};
