#include "ui/mainwidget/devicePage/download/OnboardDownload.h"

#include "sdk/protocol/OnboardLayout.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/download/DownloadWaiter.h"
#include "ui/mainwidget/devicePage/download/OnboardMacroImage.h"
#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"
#include "ui/mainwidget/devicePage/download/OnboardReports.h"

#include <QCoreApplication>
#include <QDebug>

#include <cstring>
#include <iterator>
#include <list>

namespace {

struct LayerPass
{
    const char *fileName;
    int layerCode;
};

const LayerPass kLayers[] = {
    {"/appProfile_Default.xml", 0},
    {"/appProfile_FN.xml", 2},
};

// The store takes paths in a 256-byte buffer.
constexpr int maxPathBytes = 255;

} // namespace

OnboardDownload::OnboardDownload(DownloadWaiter &waiter, QObject *parent)
    : QObject(parent)
    , m_waiter(waiter)
    , m_pendingMacroReport(OnboardLayout::reportSize, '\0')
{
}

void OnboardDownload::setTargetProvider(std::function<OnboardReportSink *()> provider)
{
    m_targetProvider = std::move(provider);
}

QString OnboardDownload::resultText(bool successful)
{
    return successful ? QCoreApplication::translate("QObject", "Download config successful")
                      : QCoreApplication::translate("QObject", "Download config failed, Please try again");
}

void OnboardDownload::onAcknowledged()
{
    m_macroAckReceived = true;
}

void OnboardDownload::onDownloadStatus(int status)
{
    m_downloadStatus = status;
}

bool OnboardDownload::run(const OnboardDownloadRequest &request)
{
    // The acknowledgement waits process events, so a second click can arrive in the middle.
    if (m_running)
        return false;
    m_running = true;
    m_stopped = false;
    m_overflow = false;
    m_target = m_targetProvider ? m_targetProvider() : nullptr;

    readAdvancedKeys(request);
    AttemptResult result = runAttempt(request);
    if (result == AttemptResult::Failed)
        result = runAttempt(request);

    m_running = false;
    return result == AttemptResult::Successful;
}

void OnboardDownload::readAdvancedKeys(const OnboardDownloadRequest &request)
{
    m_seniorKeyMap.clear();
    if (!request.magnetic)
        return;
    const QByteArray path = request.seniorKeyXmlPath.toLocal8Bit();
    std::list<SeniorKeyInfoStu> keys;
    if (path.size() > maxPathBytes || !CVorlanXML_SeniorKey_SelectAllInfoItem(path.constData(), &keys))
        return;
    for (const SeniorKeyInfoStu &key : keys)
        m_seniorKeyMap.insert(key.id, key);
}

void OnboardDownload::resetAttempt()
{
    m_macroSlotCounter = -1;
    m_macroAckReceived = true;
    m_downloadHealthy = true;
    m_downloadStatus = -1;
    m_pendingMacroReport.fill('\0');
    m_seniorKeyStoreCounter = -1;
}

OnboardDownload::AttemptResult OnboardDownload::runAttempt(const OnboardDownloadRequest &request)
{
    // A layer file that cannot be read starts the attempt over once; a second time it fails.
    bool layersSent = false;
    for (int start = 0; start < 2 && !layersSent; ++start) {
        resetAttempt();
        layersSent = true;
        for (int pass = 0; pass < int(std::size(kLayers)) && layersSent; ++pass)
            layersSent = sendLayer(request, pass);
        if (m_stopped)
            return AttemptResult::Unrepeatable;
    }
    if (!layersSent) {
        qDebug() << "On-board download: a layer file of" << request.deviceFolder << "cannot be read";
        return AttemptResult::Failed;
    }

    blankUnusedPlaces(request.magnetic);
    if (m_stopped)
        return AttemptResult::Unrepeatable;
    if (!m_downloadHealthy)
        return AttemptResult::Failed;
    // What did not fit would not fit a second time either.
    return m_overflow ? AttemptResult::Unrepeatable : AttemptResult::Successful;
}

bool OnboardDownload::sendLayer(const OnboardDownloadRequest &request, int pass)
{
    const LayerPass &layer = kLayers[pass];
    const QByteArray path = (request.deviceFolder + QLatin1String(layer.fileName)).toLocal8Bit();
    const int profileIndex =
        path.size() > maxPathBytes ? -1 : CVorlanXML_GetCreateXMLFileProfileIndex(path.constData());
    if (profileIndex == -1)
        return false;
    m_downloadXmlPath = path;
    m_downloadProfileIndex = QByteArray::number(profileIndex);

    const int keyCount = request.keyCodes.size();
    QVector<int> entryBytes;
    int packet = 0;
    for (int counter = 1; counter <= keyCount && !m_stopped; ++counter) {
        for (int byte : encodeKey(request.keyCodes[counter - 1], pass))
            entryBytes.append(byte);
        if (counter % OnboardLayout::keysPerReport == 0 || counter == keyCount) {
            sendOnboardKeyReport(layer.layerCode, packet++, entryBytes);
            entryBytes.clear();
        }
    }
    return true;
}

OnboardKeyEntry OnboardDownload::encodeKey(int keyCode, int pass)
{
    if (keyCode == 0)
        return {0, 0, 0, 0};
    KeyOperateInfo record;
    std::memset(&record, 0, sizeof(record));
    std::strcpy(record.operateType, "-1");
    CVorlanXML_SelectProFileKeyOperateInfo(m_downloadXmlPath.constData(), m_downloadProfileIndex.constData(),
                                           QByteArray::number(keyCode).constData(), &record);
    int bound = 0;
    switch (OnboardKeyEncoder::operateType(record)) {
    case OnboardKeyEncoder::macroOperation: bound = downloadMacroToNextSlot(record, pass); break;
    case OnboardKeyEncoder::advancedKeyOperation: bound = downloadSeniorKey(record); break;
    default: break;
    }
    // A macro or advanced key the keyboard cannot hold leaves the key its own function.
    if (bound < 0)
        return OnboardKeyEncoder::ownFunction(keyCode);
    return OnboardKeyEncoder::encode(keyCode, record, bound);
}

int OnboardDownload::downloadMacroToNextSlot(const KeyOperateInfo &record, int pass)
{
    ++m_macroSlotCounter;
    if (m_macroSlotCounter >= OnboardLayout::macroSlots) {
        qDebug() << "On-board download: more macro keys than the keyboard's" << OnboardLayout::macroSlots
                 << "macro slots; layer pass" << pass << "macro"
                 << OnboardKeyEncoder::fieldText(record.value, sizeof(record.value));
        m_overflow = true;
        return -1;
    }
    downloadMacro(record, m_macroSlotCounter);
    return m_macroSlotCounter;
}

void OnboardDownload::downloadMacro(const KeyOperateInfo &record, int slot)
{
    const QByteArray macroIndex(record.value, int(strnlen(record.value, sizeof(record.value))));
    std::list<MacroEvent> events;
    CVorlanXML_ProFileMacroWithKeyInfoSelectAll(m_downloadXmlPath.constData(), m_downloadProfileIndex.constData(),
                                                macroIndex.constData(), "", &events);
    const OnboardMacroImage image = OnboardMacroImage::build(events);
    if (!image.isComplete()) {
        qDebug() << "On-board download: macro" << macroIndex << "has" << events.size() << "events, a slot holds"
                 << OnboardMacroImage::maxEvents;
        m_overflow = true;
    }
    const QVector<QByteArray> parts = OnboardReports::macroReports(
        slot, image, OnboardKeyEncoder::fieldInt(record.mode), OnboardKeyEncoder::fieldInt(record.count));
    for (const QByteArray &part : parts)
        sendMacroReportAcknowledged(part);
}

int OnboardDownload::downloadSeniorKey(const KeyOperateInfo &record)
{
    const int id = OnboardKeyEncoder::fieldInt(record.value);
    const auto key = m_seniorKeyMap.constFind(id);
    if (key == m_seniorKeyMap.constEnd()) {
        // Deleted after it was bound, or a keyboard without magnetic switches: nothing to send.
        qDebug() << "On-board download: no advanced key" << id << "to send";
        return -1;
    }
    if (m_seniorKeyStoreCounter + 1 >= OnboardLayout::advancedKeyPlaces) {
        qDebug() << "On-board download: more advanced keys than the keyboard's" << OnboardLayout::advancedKeyPlaces
                 << "places; advanced key" << id;
        m_overflow = true;
        return -1;
    }
    const int storeIndex = ++m_seniorKeyStoreCounter;
    if (!send(OnboardReports::advancedKeyReport(storeIndex, key.value())))
        qDebug() << "USB serial port [Write SeniorKes-data] Failed ...";
    return storeIndex;
}

void OnboardDownload::sendOnboardKeyReport(int layerCode, int packet, const QVector<int> &entryBytes)
{
    if (!m_downloadHealthy)
        return;
    if (!send(OnboardReports::keyReport(layerCode, packet, entryBytes)))
        qDebug() << "USB serial port [Write keyboard Onboard-data] Failed ...";
}

void OnboardDownload::sendMacroReportAcknowledged(const QByteArray &report)
{
    int tries = 0;
    while (m_downloadHealthy && !m_stopped) {
        m_waiter.waitProcessingEvents([this] { return m_macroAckReceived; }, ackWaitMs);
        if (targetChanged())
            return;
        if (m_macroAckReceived)
            break;
        if (++tries == ackWaits)
            m_downloadHealthy = false;
        else
            send(m_pendingMacroReport);
    }
    if (!m_downloadHealthy || m_stopped)
        return;
    m_pendingMacroReport = report;
    m_macroAckReceived = false;
    if (!send(report))
        qDebug() << "USB serial port [Write keyboard Macro-data list Failed ...";
}

void OnboardDownload::blankUnusedPlaces(bool magnetic)
{
    m_waiter.pause(pauseMs);
    if (targetChanged())
        return;
    for (int slot = m_macroSlotCounter + 1; slot < OnboardLayout::macroSlots && !m_stopped; ++slot) {
        for (const QByteArray &part : OnboardReports::blankMacroReports(slot))
            sendMacroReportAcknowledged(part);
    }
    if (!magnetic || m_stopped)
        return;
    m_waiter.pause(pauseMs);
    if (targetChanged())
        return;
    for (int index = m_seniorKeyStoreCounter + 1; index < OnboardLayout::advancedKeyPlaces; ++index) {
        if (!send(OnboardReports::blankAdvancedKeyReport(index)))
            qDebug() << "USB serial port [Write ADD SeniorKes-data] Failed ...";
    }
}

bool OnboardDownload::send(const QByteArray &report)
{
    // Without a device the reports are built but go nowhere; that is not a queueing failure.
    if (m_stopped || !m_target)
        return true;
    return m_target->sendCommand(reinterpret_cast<const unsigned char *>(report.constData())) >= 0;
}

bool OnboardDownload::targetChanged()
{
    if (m_stopped)
        return true;
    if (m_targetProvider && m_targetProvider() != m_target) {
        qDebug() << "On-board download: the keyboard changed during the download; stopped";
        m_stopped = true;
    }
    return m_stopped;
}
