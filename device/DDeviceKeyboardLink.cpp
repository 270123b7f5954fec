#include "device/DDeviceKeyboardLink.h"

#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "device/DDeviceHidCmdSend.h"
#include "device/DeviceReplyDecoder.h"
#include "device/ForwardedKeyReport.h"
#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"
#include "platform/DesktopHostKeyActions.h"
#include "sdk/protocol/HidText.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/store/VorlanXml.h"

#include <QDebug>

#include <cstring>

namespace {

constexpr int kSerialLength = 32;
constexpr int kProfilePathCapacity = 255;
constexpr int kKeyboardArea = 0;
constexpr int kSideLightArea = 1;
constexpr int kCustomLightMode = 10;

template <std::size_t N>
QByteArray fieldText(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(strnlen(field, N)));
}

} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject *parent)
    : QObject(parent)
    , m_hostKeyActions(DesktopHostKeyActions::instance())
{
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    // The I/O object stops and joins its thread before it goes; the builder only points at it.
    delete m_cmdSend;
    delete m_hidInterface;
}

const char *DDeviceKeyboardLink::keyboardModeModelName()
{
    return "Breeze84W";
}

void DDeviceKeyboardLink::setHostKeyActions(HostKeyActions *actions)
{
    m_hostKeyActions = actions;
}

void DDeviceKeyboardLink::openHidDevice(int threadIndex, const hidStructInfoAll &record)
{
    if (m_hidInterface) {
        qWarning().noquote() << "Device link already opened:" << m_hidName;
        return;
    }
    m_deviceRecord = record;
    m_deviceRecord.hidPath[sizeof(m_deviceRecord.hidPath) - 1] = '\0';
    m_deviceRecord.hidName[sizeof(m_deviceRecord.hidName) - 1] = '\0';
    m_hidName = QString::fromLocal8Bit(fieldText(m_deviceRecord.hidName));

    m_hidInterface = new MainHidInterFace(threadIndex, m_hidName, nullptr);
    connect(m_hidInterface, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hidInterface, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);

    if (m_hidInterface->openHid(QString::fromLatin1(fieldText(m_deviceRecord.hidPath))) == 0) {
        m_hidInterface->start(QThread::InheritPriority);
        m_cmdSend = new DDeviceHidCmdSend(nullptr);
        m_cmdSend->setHidInterface(m_hidInterface);
    } else {
        qDebug().noquote() << "Open the device-failed";
    }
}

void DDeviceKeyboardLink::setCurrentProfileXmlPath(const char *path)
{
    m_profilePath = path ? QByteArray(path, static_cast<int>(strnlen(path, kProfilePathCapacity))) : QByteArray();
}

void DDeviceKeyboardLink::setCurrentProfileIndex(int index)
{
    m_profileIndex = index;
}

void DDeviceKeyboardLink::setDongleWatchEnabled(bool enabled)
{
    m_dongleWatch = enabled;
}

void DDeviceKeyboardLink::inquireLightConfig()
{
    if (m_cmdSend) {
        m_cmdSend->inquireKeyboardLightConfig();
        m_cmdSend->inquireSideLightConfig();
        m_cmdSend->checkLayoutSupportCustom();
    }
    m_lightSaving = true;
}

void DDeviceKeyboardLink::resetKeyboard()
{
    if (m_cmdSend)
        m_cmdSend->resetKeyboard();
}

void DDeviceKeyboardLink::checkSleepTime()
{
    if (m_cmdSend)
        m_cmdSend->checkSleepTime();
}

void DDeviceKeyboardLink::setSleepTime(int light, int keyboard, int prohibit)
{
    if (m_cmdSend)
        m_cmdSend->setSleepTime(light, keyboard, prohibit);
}

int DDeviceKeyboardLink::setLockWinConfig(int feature1, int feature2, int feature3, int feature4)
{
    return m_cmdSend ? m_cmdSend->setLockWin(feature1, feature2, feature3, feature4) : -1;
}

bool DDeviceKeyboardLink::hasProfile() const
{
    return !m_profilePath.isEmpty();
}

QByteArray DDeviceKeyboardLink::profileIndexText() const
{
    return QByteArray::number(m_profileIndex);
}

// ---- Serial number -------------------------------------------------------------------------------

void DDeviceKeyboardLink::onHidSNDataArrived(const QByteArray &data, const QString &strHidName)
{
    const QByteArray payload = data.mid(6, kSerialLength);
    const int end = payload.indexOf('\0');
    const QString serial = QString::fromLatin1(end < 0 ? payload : payload.left(end));
    if (!m_cmdSend)
        return;

    if (serial.size() == kSerialLength)
        m_serialNumber = serial;
    else
        m_serialNumber = m_cmdSend->writeSN(QString());

    m_cmdSend->inquireKeyboardLightConfig();
    m_cmdSend->inquireSideLightConfig();
    m_cmdSend->inquireLightMode();
    if (ModelCatalog::isMagneticModel(strHidName.toStdString())) {
        m_cmdSend->querySensitivity();
        m_cmdSend->queryAntiShake();
        m_cmdSend->queryRateOfReturn();
    }
}

// ---- Reply dispatcher ----------------------------------------------------------------------------

void DDeviceKeyboardLink::onHidDataArrived(const QByteArray &data, int length, int threadIndex)
{
    Q_UNUSED(length)
    Q_UNUSED(threadIndex)
    const HidCmdReport report = HidCmdReport::fromBytes(data);

    switch (report.command()) {
    case CMD_STATUS: onStatusReport(report); break;
    case CMD_KEYBOARD_LIGHT_MODES: onLightModeList(report, false); break;
    case CMD_SIDE_LIGHT_MODES: onLightModeList(report, true); break;
    case CMD_SIDE_LIGHT: onLightRecord(report, kKeyboardArea); break;
    case CMD_CUSTOM_LIGHT: onLightRecord(report, kSideLightArea); break;
    case CMD_LIGHT_MODES: onCustomLightSlot(report); break;
    case CMD_LIGHT_STREAM: onKeyBitmap(report); break;
    case CMD_SN_INQUIRY: onSettingsReply(report); break;
    case CMD_LAYOUT_CHECK:
        emit sigWaitForDataReturn_0x0d(QString::fromLatin1(fieldText(m_deviceRecord.hidPath)),
                                       DeviceReplyDecoder::layoutCheckField(report));
        break;
    case CMD_QN9080: emit sigQN9080Recv0x0bCmd(report[2]); break;
    case CMD_ONBOARD_MACRO: emit sigRuningOnboard0x18Cmd(); break;
    case CMD_ONBOARD_ACK: emit sigRuningOnboard0x19Cmd(); break;
    case CMD_MAGNETIC_REPLY: onMagneticReply(report); break;
    case CMD_FULL_KEY: onForwardedKeyReport(report); break;
    case CMD_MULTIMEDIA: onMultimediaReport(report); break;
    case CMD_HOST_KEY: onHostKeyEvent(report); break;
    default:
        // Outgoing-only and unknown codes carry nothing for the PC.
        break;
    }
}

void DDeviceKeyboardLink::onStatusReport(const HidCmdReport &data)
{
    if (data[5] == 0)
        return;

    m_keyLock = data[6] == 1;
    emit sigSendChargingStatusAndElectricity(data[9], data[10], data[11], data[12], m_serialNumber);

    if (m_dongleWatch) {
        const int linkState = data[12];
        if (data[11] == 1 && linkState != m_lastDongleState)
            emit sigDongleStatus(linkState, QString::fromLatin1(fieldText(m_deviceRecord.hidPath)), m_hidName);
        m_lastDongleState = linkState;
    }

    if (data[13] != 0)
        emit sigRuningOnboardDownloadStatus(data[13]);

    if (m_hidName == QLatin1String(keyboardModeModelName())) {
        const int mode = data[14];
        if (m_lastKeyboardMode == -1 || m_lastKeyboardMode != mode) {
            emit sigTheKeyboardModeChanged(mode);
            m_lastKeyboardMode = mode;
        }
    }
}

void DDeviceKeyboardLink::onLightModeList(const HidCmdReport &data, bool sideLight)
{
    const LightModeSupport support = DeviceReplyDecoder::lightModeSupport(data);
    if (!sideLight) {
        m_keyboardLightModeSupport = support;
        if (m_cmdSend)
            m_cmdSend->inquireSideLightMode();
        return;
    }

    m_sideLightModeSupport = support;
    DDataManager::instance()->setSideLightModesReported(!support.modes.isEmpty());
    m_inquireOver = true;
    if (m_cmdSend)
        m_cmdSend->checkLayoutSupportCustom();
}

void DDeviceKeyboardLink::onLightRecord(const HidCmdReport &data, int area)
{
    const colorInfoData record = DeviceReplyDecoder::lightRecord(data, area);
    if (area == kKeyboardArea) {
        m_keyboardLightRecord = record;
        m_keyboardRecordReceived = true;
    } else {
        m_sideLightRecord = record;
        m_sideRecordReceived = true;
    }
    if (m_lightSaving)
        saveLightInfoToProfile(area);
}

void DDeviceKeyboardLink::saveLightInfoToProfile(int area)
{
    colorInfoData record{};
    if (area == kKeyboardArea && m_keyboardRecordReceived)
        record = m_keyboardLightRecord;
    else if (area == kSideLightArea && m_sideRecordReceived)
        record = m_sideLightRecord;
    else
        return;

    const int mode = record.lightMode;
    if (hasProfile()) {
        const QByteArray index = profileIndexText();
        if (CVorlanXML_IsProFileAlreadyHaveLightInfo(m_profilePath.constData(), index.constData(), area, mode))
            CVorlanXML_ModifyProFileLightInfoItem(m_profilePath.constData(), index.constData(), area, mode, record);
        else
            CVorlanXML_AddProFileLightInfoItem(m_profilePath.constData(), index.constData(), record);
        CVorlanXML_ModifyProFileMouseLightUsingIndex(m_profilePath.constData(), index.constData(), area, mode);
    }

    if (m_lightSaving)
        emit sigLightConfigHaveChanged_HidSend(area, mode);
    m_lightSaving = true;
}

void DDeviceKeyboardLink::onCustomLightSlot(const HidCmdReport &data)
{
    if (hasProfile()) {
        CVorlanXML_ModifyProFileMouseLightUsingIndex(m_profilePath.constData(), profileIndexText().constData(),
                                                     kKeyboardArea, kCustomLightMode);
    }
    emit sigCustomLight_ConfigHaveChanged_HidSend0x09(kKeyboardArea, kCustomLightMode, data[2]);
}

void DDeviceKeyboardLink::onKeyBitmap(const HidCmdReport &data)
{
    const QMap<int, int> columns = DeviceReplyDecoder::columnBitmap(data, 6);
    for (auto it = columns.constBegin(); it != columns.constEnd(); ++it)
        m_keyBitmap.insert(it.key(), it.value());
    // The list is never cleared: each reply appends its keys after the earlier ones.
    m_keyPositionList += DeviceReplyDecoder::keyPositions(m_keyBitmap);
}

void DDeviceKeyboardLink::onSettingsReply(const HidCmdReport &data)
{
    switch (data[2]) {
    case 0: emit sigSleepTimeSetSuccessful(); break;
    case 2: {
        const int lightSleep = data.bigEndian16(9);
        const int keyboardSleep = data.bigEndian16(11);
        DDataManager::instance()->setProhibitSleep(data[13]);
        // The profile keeps the keyboard sleep in minutes.
        if (hasProfile()) {
            CVorlanXML_SetProFileIntoSleepTimeInfo(m_profilePath.constData(), profileIndexText().constData(),
                                                   lightSleep, keyboardSleep / 60);
        }
        break;
    }
    default: break;
    }
}

void DDeviceKeyboardLink::onMagneticReply(const HidCmdReport &data)
{
    DDataManager *manager = DDataManager::instance();
    switch (data[6]) {
    case 1: manager->relayDynamicSensitivityNum(data[7], data[8], data[9]); break;
    case 4: manager->setKeyboardSensitivity(data[7]); break;
    case 5: manager->relayDynamicSensitivityInfo(data[7], data[8], data[9], data[10], data[11]); break;
    case 7: manager->relayCalibrationStatus(data[7]); break;
    case 8: {
        m_allKeysCalibrationMap.clear();
        const int status = data[7];
        // Columns are only meaningful while the calibration succeeds or runs.
        if (status == 0 || status == 1) {
            const QMap<int, int> columns = DeviceReplyDecoder::columnBitmap(data, 8);
            for (auto it = columns.constBegin(); it != columns.constEnd(); ++it) {
                if (it.value() != 0)
                    m_allKeysCalibrationMap.insert(it.key(), it.value());
            }
        }
        manager->relayAllKeysCalibrationStatus(status);
        break;
    }
    case 9: manager->setRateOfReturnValue(data[7]); break;
    case 10: manager->setAntiShakeValue(data[7]); break;
    default: break;
    }
}

// ---- Forwarded keys and host key actions ---------------------------------------------------------

void DDeviceKeyboardLink::updateOutgoingKey(int usage, bool pressed)
{
    m_outgoingKeyReport.update(usage, pressed);
}

int DDeviceKeyboardLink::modifierBitToUsage(int modifierByte)
{
    return ForwardedKeyReport::modifierBitToUsage(modifierByte);
}

void DDeviceKeyboardLink::onForwardedKeyEvent(int command, int unused, int usage, bool pressed)
{
    Q_UNUSED(command)
    Q_UNUSED(unused)
    // The answer follows the forwarded keys, so the locks below have keys to act on.
    updateOutgoingKey(usage, pressed);
}

void DDeviceKeyboardLink::onForwardedKeyReport(const HidCmdReport &data)
{
    const QByteArray keyState = data.toByteArray().mid(6, OutgoingKeyReport::Size);
    for (const ForwardedKeyChange &change : ForwardedKeyReport::changes(m_lastKeyState, keyState))
        onForwardedKeyEvent(CMD_FULL_KEY, -1, change.usage, change.pressed);
    m_lastKeyState = keyState;

    if (m_keyLock) {
        ProFileFunctionInfo locks{};
        if (hasProfile())
            CVorlanXML_GetProFileFunctionInfo(m_profilePath.constData(), profileIndexText().constData(), &locks);
        m_outgoingKeyReport.applyKeyLocks(locks);
    }
    if (m_cmdSend)
        m_cmdSend->writeKey(m_outgoingKeyReport.bytes());
}

void DDeviceKeyboardLink::onMultimediaReport(const HidCmdReport &data)
{
    if (m_cmdSend)
        m_cmdSend->writeFullKey(data);
}

void DDeviceKeyboardLink::onHostKeyEvent(const HidCmdReport &report)
{
    const int keyCode = report[9];
    if (report[10] == 0)
        return;

    KeyOperateInfo info{};
    copyHidText(info.keyIndex, "-1");
    copyHidText(info.keyName, "-1");
    copyHidText(info.operateType, "-1");
    copyHidText(info.count, "-1");
    copyHidText(info.mode, "-1");
    copyHidText(info.value, "-1");
    if (hasProfile()) {
        CVorlanXML_SelectProFileKeyOperateInfo(m_profilePath.constData(), profileIndexText().constData(),
                                               QByteArray::number(keyCode).constData(), &info);
    }

    switch (fieldText(info.operateType).toInt()) {
    case 6:
        // The record's value field holds 5120 bytes; a text of 5000 characters needs up to 15000.
        pasteKeyText(QString::fromUtf8(KeyOperateValue::readWhole(m_profilePath.constData(), m_profileIndex, keyCode)));
        break;
    case 7: switchKeyProfile(info); break;
    case 8: launchKeyApplication(info); break;
    default: break;
    }
}

void DDeviceKeyboardLink::pasteKeyText(const QString &text)
{
    if (!m_hostKeyActions)
        return;
    m_hostKeyActions->setClipboardText(text);
    m_hostKeyActions->sendVirtualKey(HostKeyActions::VirtualKeyControl, false);
    m_hostKeyActions->sendVirtualKey(HostKeyActions::VirtualKeyV, false);
    m_hostKeyActions->sendVirtualKey(HostKeyActions::VirtualKeyV, true);
    m_hostKeyActions->sendVirtualKey(HostKeyActions::VirtualKeyControl, true);
}

void DDeviceKeyboardLink::switchKeyProfile(const KeyOperateInfo &info)
{
    bool ok = false;
    const int profileIndex = fieldText(info.value).trimmed().toInt(&ok);
    if (!ok) {
        qWarning().noquote() << "Key profile switch without a profile number:" << fieldText(info.value);
        return;
    }
    emit sigCustomEventChangProfile(profileIndex);
}

void DDeviceKeyboardLink::launchKeyApplication(const KeyOperateInfo &info)
{
    if (m_hostKeyActions)
        m_hostKeyActions->launch(QString::fromUtf8(fieldText(info.value)));
}
