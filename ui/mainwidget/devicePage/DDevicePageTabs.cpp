// The device page's tab switch, layer switch, key locks and zoom.
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "device/MainHidInterFace.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "ui/mainwidget/devicePage/profiles/ProfilePath.h"
#include "ui_DDevicePage.h"
#include "widgets/CbNotice.h"
#include "widgets/KeyViewGeometry.h"
#include "widgets/dragShowArea.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"

#include <QDebug>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>

namespace {

constexpr int kTriggerTab = 4;

// Magnetic sub-command 3: the trigger tab was left.
QByteArray triggerTabLeftReport()
{
    QByteArray report(64, '\0');
    report[0] = 1;
    report[1] = 0x29;
    report[5] = 0x18;
    report[6] = 3;
    return report;
}

} // namespace

void DDevicePage::setLightEditView(bool lightEdit)
{
    QWidget *bottom = lightEdit ? static_cast<QWidget *>(m_keyView) : static_cast<QWidget *>(m_dragArea);
    QWidget *top = lightEdit ? static_cast<QWidget *>(m_dragArea) : static_cast<QWidget *>(m_keyView);
    if (bottom != nullptr)
        bottom->lower();
    if (top != nullptr) {
        top->raise();
        top->show();
    }
    if (m_keyView != nullptr)
        m_keyView->setLightEditMode(lightEdit);
}

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    const bool trigger = selIndex == kTriggerTab;
    m_ui->frame_4->setVisible(!trigger);
    m_ui->frame_5->setVisible(!trigger);
    m_ui->frame_2->setContentsMargins(9, 0, trigger ? 182 : 0, 0);

    DDataManager *data = DDataManager::instance();
    if (m_currentPageIndex == kTriggerTab && data->isKeyCalibrationRunning()) {
        m_ui->toolButton_TriggerSetting->setChecked(true);
        onEveryPageBackTip(QObject::tr("Key calibration in progress, please wait a moment"));
        return;
    }
    MainHidInterFace *hid = m_roster->currentHidInterface();
    if (m_currentPageIndex == kTriggerTab && !trigger && hid != nullptr) {
        const QByteArray report = triggerTabLeftReport();
        if (hid->sendCommand(reinterpret_cast<const unsigned char *>(report.constData())) < 0)
            qDebug().noquote() << "USB serial port [Write Sensitivity-data] Failed ...";
    }

    m_currentKeyboardLightType = -1;
    m_currentPageIndex = selIndex;
    keySelectFrame *picture = data->getKeySelectFrame();
    if (picture != nullptr)
        picture->setKeysCalibrationMode(false);
    m_calibrationPoint = QPoint(-1, -1);

    setLightEditView(selIndex == 1);
    if (picture != nullptr) {
        picture->setSideLightVisible(selIndex == 1);
        if (selIndex != 1)
            picture->setKeysHoverEnabled(true);
    }
    if (trigger) {
        setLightEditView(true);
        if (picture != nullptr) {
            picture->setSideLightVisible(false);
            picture->setKeysHoverEnabled(true);
        }
        if (m_dragArea != nullptr)
            m_dragArea->setDragEnabled(true);
        for (keyboardButCustom *cap : data->getKeyInfoList()) {
            if (cap == nullptr)
                continue;
            cap->setLightPreviewEnabled(false);
            cap->setLightColor(QColor(0, 0, 0, 0));
        }
    }
    m_triggerPage->exitCalibrationMode();

    switch (selIndex) {
    case 0:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_CustomKeys);
        m_customKeysPage->enterPage(m_currentLayer);
        m_ui->label_ChangModeTest->setText("CustomKeys");
        break;
    case 1:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_LightsConfig);
        m_lightsPage->loadProfileLightMode();
        m_ui->label_ChangModeTest->setText("LightsConfig");
        break;
    case 2:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Performance);
        m_performancePage->loadProfileFunctionInfo();
        m_ui->label_ChangModeTest->setText("Performance");
        break;
    case 3: emit sigShowMacroPage(); break;
    case kTriggerTab:
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_TriggerSetting);
        m_triggerPage->loadInitData();
        m_ui->label_ChangModeTest->setText("TriggerSetting");
        break;
    default: break;
    }
    qDebug() << "Operate changed:" << m_ui->label_ChangModeTest->text();
}

void DDevicePage::onAutoIntoCustomKeysPage()
{
    m_ui->toolButton_CustomKey->setChecked(true);
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_CustomKeys);
}

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int layer)
{
    if (layer == m_currentLayer)
        return;
    m_currentLayer = layer;
    qDebug() << "Operate changed Start [CustomKeys->DefaultLayerAndFnLayerSwitch] 0Default 1Fn:" << layer;
    // A path that does not fit leaves the buffer empty rather than naming another file.
    setProfileXmlPath(ProfilePath::layerFilePath(QByteArray(m_profileXmlPath), layer));
    loadCurrentProfile();
    if (m_roster->currentLink() != nullptr) {
        for (const QPair<int, int> &position : m_roster->currentLink()->getKeyPositionList()) {
            const int row = position.first;
            const int column = position.second;
            if (row >= 0 && row < 6 && column >= 0 && column < 22 && m_keyMatrix[row][column] != nullptr)
                m_keyMatrix[row][column]->setRemappable(layer == 0);
        }
    }
    DDataManager *data = DDataManager::instance();
    if (data->isMagneticKeyboard()) {
        m_customKeysPage->setPressModeSelectVisible(layer);
        data->setMagneticLayerActive(layer == 0);
    }
    qDebug() << "Operate changed Over [CustomKeys->DefaultLayerAndFnLayerSwitch]";
}

void DDevicePage::onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4)
{
    if (m_roster->currentLink() != nullptr)
        m_roster->currentLink()->setLockWinConfig(feature1, feature2, feature3, feature4);
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    if (m_roster->currentLink() == nullptr)
        return;
    // The keyboard may name a profile this file does not hold; switching to it would leave every
    // tab on a profile without a node.
    const QByteArray index = QByteArray::number(changeProfileIndex);
    if (!CVorlanXML_IsExistenceSelectProfileNode(m_profileXmlPath, index.constData())) {
        qDebug() << "Profile switch from the keyboard ignored, no profile" << changeProfileIndex;
        return;
    }
    m_profileIndex = changeProfileIndex;
    CVorlanXML_ModifyXMLFileProfileIndex(m_profileXmlPath, changeProfileIndex);
    loadCurrentProfile();
}

void DDevicePage::applyZoom(double zoomFactor)
{
    m_zoomFactor = zoomFactor;
    m_ui->label_Multiple->setText(QString::number(m_zoomFactor, 'f', 1));
    applyViewScale();
}

void DDevicePage::applyViewScale()
{
    if (m_keyView == nullptr)
        return;
    const QSize available =
        m_ui->hidDeviceShowFrame->contentsRect().marginsRemoved(m_ui->horizontalLayout_17->contentsMargins()).size();
    const float scale = KeyViewGeometry::fittingScale(m_keyView->pictureSize(), available, float(m_zoomFactor));
    if (qFuzzyCompare(scale, m_viewScale))
        return;
    m_viewScale = scale;
    m_keyView->setKeyboardScale(scale);
}

void DDevicePage::on_pushButton_MoreBig_clicked()
{
    if (m_ui->label_Multiple->text() != QLatin1String("2.0") && m_zoomFactor < 1.95)
        applyZoom(m_zoomFactor + 0.1);
}

void DDevicePage::on_pushButton_ChangModeTest_clicked()
{
    m_lightEditTest = !m_lightEditTest;
    m_ui->label_ChangModeTest->setText(m_lightEditTest ? QStringLiteral("Light") : QStringLiteral("Keyboard"));
    if (m_keyView == nullptr || m_dragArea == nullptr)
        return;
    if (m_lightEditTest) {
        m_keyView->lower();
        m_dragArea->raise();
        m_dragArea->show();
    } else {
        m_dragArea->lower();
        m_keyView->raise();
        m_keyView->show();
    }
    m_keyView->setLightEditMode(m_lightEditTest);
}

// A hidden developer button: it has no effect.
void DDevicePage::on_pushButton_Test_clicked() {}

void DDevicePage::on_pushButton_MoreSmall_clicked()
{
    // The label is empty until the first zoom, so the factor guards the lower end too.
    if (m_ui->label_Multiple->text() != QLatin1String("1.0") && m_zoomFactor > 1.05)
        applyZoom(m_zoomFactor - 0.1);
}
