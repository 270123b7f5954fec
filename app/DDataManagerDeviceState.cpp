// Device state, key tables and signal relays of the data manager.

#include "app/DDataManager.h"

#include <QtDebug>

#include <cstring>

namespace {

constexpr size_t kPathCapacity = DDataManager::kPathBufferSize;

// A path that does not fit the fixed buffers is refused whole: a truncated path would name
// another file. The field is emptied so that no caller goes on with the previous device's file.
void storePath(char *field, const char *path, const char *what)
{
    const char *source = path != nullptr ? path : "";
    const size_t length = strnlen(source, kPathCapacity);
    if (length >= kPathCapacity) {
        qDebug().noquote() << QStringLiteral("%1 path refused, longer than %2 bytes: %3")
                                  .arg(QLatin1String(what))
                                  .arg(kPathCapacity - 1)
                                  .arg(QString::fromLocal8Bit(source));
        field[0] = '\0';
        return;
    }
    std::memcpy(field, source, length);
    std::memset(field + length, 0, kPathCapacity - length);
}

void copyPath(char *destination, const char *field)
{
    if (destination == nullptr)
        return;
    std::memcpy(destination, field, kPathCapacity);
    destination[kPathCapacity - 1] = '\0';
}

} // namespace

void DDataManager::setCurrentProfileXmlPath(const char *path)
{
    storePath(m_currentProfileXmlPath, path, "Profile");
}

void DDataManager::getCurrentProfileXmlPath(char *destination) const
{
    copyPath(destination, m_currentProfileXmlPath);
}

void DDataManager::setMagneticProfileXmlPath(const char *path)
{
    storePath(m_magneticProfileXmlPath, path, "Magnetic profile");
}

void DDataManager::getMagneticProfileXmlPath(char *destination) const
{
    copyPath(destination, m_magneticProfileXmlPath);
}

void DDataManager::setMacroXmlPath(const char *path)
{
    storePath(m_macroXmlPath, path, "Macro");
}

void DDataManager::getMacroXmlPath(char *destination) const
{
    copyPath(destination, m_macroXmlPath);
}

void DDataManager::setSeniorKeyXmlPath(const char *path)
{
    storePath(m_seniorKeyXmlPath, path, "Senior key");
}

void DDataManager::getSeniorKeyXmlPath(char *destination) const
{
    copyPath(destination, m_seniorKeyXmlPath);
}

void DDataManager::setCurrentProfileIndex(int index)
{
    m_currentProfileIndex = index;
}

int DDataManager::getCurrentProfileIndex() const
{
    return m_currentProfileIndex;
}

void DDataManager::setCurrentKey(int keyCode, const QString &keyName)
{
    m_currentKeyDec = keyCode;
    m_currentKeyName = keyName;
    emit sigKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, keyName);
}

void DDataManager::clearCurrentKey()
{
    m_currentKeyDec = -1;
    m_currentKeyName.clear();
}

int DDataManager::getCurrentKeyDec() const
{
    return m_currentKeyDec;
}

QString DDataManager::getCurrentKeyName() const
{
    return m_currentKeyName;
}

void DDataManager::setKeyNameMap(const QMap<int, QString> &map)
{
    m_keyNameMap = map;
}

QMap<int, QString> DDataManager::getKeyNameMap() const
{
    return m_keyNameMap;
}

void DDataManager::setVirtualKeyMap(const QMap<int, int> &map)
{
    m_virtualKeyMap = map;
}

QMap<int, int> DDataManager::getVirtualKeyMap() const
{
    return m_virtualKeyMap;
}

void DDataManager::setKeyButtonMap(const QMap<int, keyboardButCustom *> &map)
{
    m_keyButtonMap = map;
}

QMap<int, keyboardButCustom *> DDataManager::getKeyButtonMap() const
{
    return m_keyButtonMap;
}

void DDataManager::setKeyInfoList(const QList<keyboardButCustom *> &list)
{
    m_keyInfoList = list;
}

QList<keyboardButCustom *> DDataManager::getKeyInfoList() const
{
    return m_keyInfoList;
}

void DDataManager::setKeySelectFrame(keySelectFrame *frame)
{
    m_keySelectFrame = frame;
}

keySelectFrame *DDataManager::getKeySelectFrame() const
{
    return m_keySelectFrame;
}

QColor DDataManager::getAssignedKeyColor() const
{
    return QColor(30, 200, 35, 255);
}

int DDataManager::getSoftKeyboardLayoutIndex(const QString &model) const
{
    Q_UNUSED(model)
    // Every model uses the US on-screen keyboard, "softKeyInfoNormalUS.config".
    return 31;
}

void DDataManager::setHidDeviceType(int type)
{
    m_hidDeviceType = type;
}

int DDataManager::getHidDeviceType() const
{
    return m_hidDeviceType;
}

void DDataManager::setSpecialEnterKey(bool special)
{
    m_specialEnterKey = special;
}

bool DDataManager::isSpecialEnterKey() const
{
    return m_specialEnterKey;
}

void DDataManager::setCurrentDeviceName(const QString &name)
{
    m_currentDeviceName = name;
}

QString DDataManager::getCurrentDeviceName() const
{
    return m_currentDeviceName;
}

void DDataManager::setMagneticKeyboard(bool magnetic)
{
    m_magneticKeyboard = magnetic;
}

bool DDataManager::isMagneticKeyboard() const
{
    return m_magneticKeyboard;
}

void DDataManager::setMagneticLayerActive(bool active)
{
    m_magneticLayerActive = active;
}

bool DDataManager::isMagneticLayerActive() const
{
    return m_magneticLayerActive;
}

void DDataManager::setKeyCalibrationRunning(bool running)
{
    m_keyCalibrationRunning = running;
}

bool DDataManager::isKeyCalibrationRunning() const
{
    return m_keyCalibrationRunning;
}

void DDataManager::setSideLightModesReported(bool reported)
{
    m_sideLightModesReported = reported;
}

bool DDataManager::isSideLightModesReported() const
{
    return m_sideLightModesReported;
}

void DDataManager::setProhibitSleep(int value)
{
    m_prohibitSleep = value;
}

int DDataManager::getProhibitSleep() const
{
    return m_prohibitSleep;
}

void DDataManager::setKeyboardSensitivity(int value)
{
    m_keyboardSensitivity = value;
}

int DDataManager::getKeyboardSensitivity() const
{
    return m_keyboardSensitivity;
}

void DDataManager::setAntiShakeValue(int value)
{
    m_antiShakeValue = value;
}

int DDataManager::getAntiShakeValue() const
{
    return m_antiShakeValue;
}

void DDataManager::setRateOfReturnValue(int value)
{
    m_rateOfReturnValue = value;
}

int DDataManager::getRateOfReturnValue() const
{
    return m_rateOfReturnValue;
}

bool DDataManager::requestMacroRecordHook(bool start)
{
    emit sigHookRuningStrtusCtrl_MacroRecord(start);
    return m_macroRecordHookResult;
}

void DDataManager::setMacroRecordHookResult(bool result)
{
    m_macroRecordHookResult = result;
}

void DDataManager::relayMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    emit sigRecviveStreamEX_MacroKeyboard(keyCode, scCode, flag, hookFlag);
}

void DDataManager::relayMacroMouseEvent(int nCode, WPARAM wParam, LPARAM lParam)
{
    emit sigRecviveStreamEX_MacroMouse(nCode, wParam, lParam);
}

void DDataManager::relayDynamicSensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    emit sigBackDynamicDisplaySensitivityNum(indexX, indexY, sensitivityNum);
}

void DDataManager::queryDynamicSensitivityNum(int mode, int indexX, int indexY)
{
    m_sensitivityQueryMode = mode;
    emit sigQueryDynamicDisplaySensitivityNum(indexX, indexY);
}

void DDataManager::relayDynamicSensitivityInfo(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                                               int quickTriggerReleaseNum)
{
    // Mode 0 is a hover query of the keyboard view; any other, and no query yet, is a click.
    if (m_sensitivityQueryMode == 0)
        emit sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(type, pressNum, releaseNum);
    else
        emit sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(type, pressNum, releaseNum,
                                                                        quickTriggerPressNum, quickTriggerReleaseNum);
}

void DDataManager::relayCalibrationPoint(int keyPointX, int keyPointY)
{
    emit sigTheMagneticKeyboardCalibrationPoint(keyPointX, keyPointY);
}

void DDataManager::relayCalibrationStatus(int keyCalibrationStatus)
{
    emit sigTheMagneticKeyboardCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::relayAllKeysCalibrationStatus(int keyCalibrationStatus)
{
    emit sigMagneticKeyboardAllKeysCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::notifySeniorKeysListChanged()
{
    emit sigSeniorKeysListItemHaveChanged();
}
