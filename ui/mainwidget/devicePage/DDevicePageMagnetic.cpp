// The device page's selection area and its magnetic-switch commands and calibration.
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticCommands.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticReports.h"
#include "ui_DDevicePage.h"
#include "widgets/TextMoveWidget.h"
#include "widgets/dragShowArea.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"

QVector<QPoint> DDevicePage::selectedMatrixKeys() const
{
    QVector<QPoint> keys;
    if (m_keyView == nullptr)
        return keys;
    for (const keyboardButCustom *cap : m_keyView->getDragSelection())
        keys.append(QPoint(cap->getRowIndex(), cap->getColumnIndex()));
    return keys;
}

void DDevicePage::setKeysCalibrationMode(bool on)
{
    if (keySelectFrame *picture = DDataManager::instance()->getKeySelectFrame())
        picture->setKeysCalibrationMode(on);
}

void DDevicePage::showKeyPictureForCalibration(bool lightEdit, bool hover)
{
    if (m_dragArea != nullptr)
        m_dragArea->lower();
    if (m_keyView != nullptr) {
        m_keyView->raise();
        m_keyView->show();
        m_keyView->setLightEditMode(lightEdit);
    }
    if (keySelectFrame *picture = DDataManager::instance()->getKeySelectFrame()) {
        picture->setSideLightVisible(false);
        picture->setKeysHoverEnabled(hover);
    }
}

void DDevicePage::restoreViewAfterCalibration()
{
    if (m_keyView != nullptr) {
        m_keyView->lower();
        m_keyView->setLightEditMode(true);
    }
    if (m_dragArea != nullptr) {
        m_dragArea->raise();
        m_dragArea->show();
        m_dragArea->setDragEnabled(true);
    }
    DDataManager *data = DDataManager::instance();
    if (keySelectFrame *picture = data->getKeySelectFrame()) {
        picture->setSideLightVisible(false);
        picture->setKeysHoverEnabled(true);
    }
    for (keyboardButCustom *cap : data->getKeyInfoList()) {
        if (!cap)
            continue;
        cap->setLightPreviewEnabled(false);
        cap->setLightColor(Qt::transparent);
    }
}

// ---- Selection area ----

void DDevicePage::onDragArea_SelectKeys(int startX, int startY, int endX, int endY)
{
    if (m_keyView == nullptr || !MagneticReports::selectionAreaActive(m_currentPageIndex, m_currentKeyboardLightType))
        return;
    const std::optional<MagneticReports::Band> band = MagneticReports::normalizedBand(startX, startY, endX, endY);
    if (band)
        m_keyView->selectKeysInRect(band->x1, band->y1, band->x2, band->y2);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int moveX, int moveY)
{
    if (m_keyView != nullptr && MagneticReports::selectionAreaActive(m_currentPageIndex, m_currentKeyboardLightType))
        m_keyView->hoverKeyAt(moveX, moveY, m_currentPageIndex);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool isMousePress)
{
    if (m_keyView != nullptr && MagneticReports::selectionAreaActive(m_currentPageIndex, m_currentKeyboardLightType))
        m_keyView->toggleHoveredKey(isMousePress);
}

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    if (m_dragArea != nullptr)
        m_dragArea->setClickMode(isSelectedOneKey);
}

void DDevicePage::onTheDragAreaHaveChanged(int operateType, int, int indexX, int indexY)
{
    if (m_currentPageIndex != MagneticReports::triggerTab)
        return;
    syncProfileTools();
    m_magneticCommands->sendSelection(selectedMatrixKeys());
    m_triggerPage->clearDynamicDisplaySensitivityNum();
    // A clicked key: its live travel is asked for.
    if (operateType == 1)
        DDataManager::instance()->queryDynamicSensitivityNum(1, indexX, indexY);
}

// ---- Magnetic switches ----

void DDevicePage::onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                           int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R)
{
    syncProfileTools();
    m_magneticCommands->applyConfig(selMode, selectedMatrixKeys(), strengthNum_L, strengthNum_R,
                                    strengthNum_QuickTrigger_L, strengthNum_QuickTrigger_R);
}

void DDevicePage::onMagnetsKeyboardDefaultSensitivity()
{
    syncProfileTools();
    m_magneticCommands->restoreDefaults();
    m_triggerPage->loadInitData();
}

void DDevicePage::onKeyAntiShakeCurrentNum(int num)
{
    syncProfileTools();
    m_magneticCommands->setAntiShake(num);
}

void DDevicePage::onKeyRateOfReturnCurrentNum(int num)
{
    syncProfileTools();
    m_magneticCommands->setReportRate(num);
}

void DDevicePage::onCalibrationMode(int on)
{
    syncProfileTools();
    setKeysCalibrationMode(on != 0);
    if (on != 0)
        showKeyPictureForCalibration(true, true);
    else
        restoreViewAfterCalibration();
    m_magneticCommands->setCalibrationMode(on != 0);
    m_calibrationPoint = m_magneticCommands->calibrationPoint();
    m_triggerPage->clearDynamicDisplaySensitivityNum();
}

void DDevicePage::onKeyCalibrationStartRuning()
{
    syncProfileTools();
    m_magneticCommands->startKeyCalibration();
}

void DDevicePage::onAllKeysCalibrationMode(int on)
{
    syncProfileTools();
    m_ui->widget_MoveTip->setVisible(on != 0);
    if (on != 0)
        onEveryPageBackTip(QObject::tr("The key calibration runing"));
    setKeysCalibrationMode(on != 0);
    // The keys are calibrated on the keyboard, not picked on the picture.
    if (on != 0)
        showKeyPictureForCalibration(false, false);
    else
        restoreViewAfterCalibration();
    m_magneticCommands->setAllKeysCalibration(on != 0);
    m_calibrationPoint = m_magneticCommands->calibrationPoint();
}

void DDevicePage::onQueryDynamicDisplaySensitivityNum(int indexX, int indexY)
{
    syncProfileTools();
    m_magneticCommands->queryKey(indexX, indexY);
}

void DDevicePage::onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    syncProfileTools();
    m_magneticCommands->chooseCalibrationKey(keyPointX, keyPointY);
    m_calibrationPoint = m_magneticCommands->calibrationPoint();
    m_triggerPage->clearDynamicDisplaySensitivityNum();
}

void DDevicePage::onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    onEveryPageBackTip(MagneticReports::calibrationStatusText(keyCalibrationStatus));
}

void DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus)
{
    DDeviceKeyboardLink *link = m_roster->currentLink();
    if ((keyCalibrationStatus == 0 || keyCalibrationStatus == 1) && link) {
        // The link keeps column c's bits under key c.
        QByteArray columns(MagneticReports::matrixColumns, '\0');
        const QMap<int, int> map = link->getAllKeysCalibrationMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            if (it.key() >= 0 && it.key() < columns.size())
                columns[it.key()] = static_cast<char>(it.value());
        }
        m_calibratedKeys.clear();
        for (const QPoint &key : MagneticReports::bitmapKeys(columns)) {
            if (keyboardButCustom *cap = m_keyMatrix[key.x()][key.y()]) {
                cap->setSelected(true, true);
                m_calibratedKeys.append(cap);
            }
        }
    }
    if (keyCalibrationStatus == 1)
        return;

    m_ui->widget_MoveTip->hide();
    m_triggerPage->clearAllKeysCalibrationToggle();
    for (keyboardButCustom *cap : qAsConst(m_calibratedKeys))
        cap->setSelected(false, true);
    onEveryPageBackTip(MagneticReports::calibrationStatusText(keyCalibrationStatus == 0 ? 0 : 2));
    m_calibratedKeys.clear();
    DDataManager::instance()->setKeyCalibrationRunning(false);
    setKeysCalibrationMode(false);
    m_calibrationPoint = QPoint(-1, -1);
    restoreViewAfterCalibration();
}
