#include "DDevicePage.h"

#include "ArrowWidget.h"
#include "BatteryItem.h"
#include "CbNotice.h"
#include "DCustomKeysPage.h"
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDeviceListItem.h"
#include "DLightsConfigPage.h"
#include "DPerformancePage.h"
#include "dragShowArea.h"
#include "DToolTipExplain.h"
#include "DTriggerSettingPage.h"
#include "keyboardButCustom.h"
#include "lightDealMain.h"
#include "MainHidInterFace.h"
#include "ProfileDialogProvider.h"
#include "TextMoveWidget.h"
#include "ThemeColorText.h"
#include "Ui_DDevicePage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {
const char *const defaultConfigPath = ":/images/configDir/VorlanDefaultConfig.ini";
const char *const builtInCompanyLink = "https://osterlin.example/";

QFont sizedFont(const QFont &base, int pointSize)
{
    QFont font = base;
    font.setPointSize(pointSize);
    return font;
}
}

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DDevicePage)
{
    m_ui->setupUi(this);

    for (QWidget *testWidget : {static_cast<QWidget *>(m_ui->pushButton_Test),
                                static_cast<QWidget *>(m_ui->pushButton_ChangModeTest),
                                static_cast<QWidget *>(m_ui->label_ChangModeTest),
                                static_cast<QWidget *>(m_ui->label_Multiple)})
        testWidget->hide();

    m_desktopFolder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    m_ui->label->setText(QObject::tr("Device List"));
    m_ui->label_Tip->setText(QObject::tr("Device not connected"));
    m_ui->pushButton_Reset->setText(QObject::tr("Reset"));

    QSettings defaults(defaultConfigPath, QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    m_companyLink = defaults.value("CompanyLink/ComLink", builtInCompanyLink).toString();
    m_ui->label_Url->setText(companyLinkText(m_companyLink, "255,143,31"));
    m_ui->label_Url->setAlignment(Qt::AlignCenter);
    m_ui->frame_Url->setVisible(defaults.value("MainPageCompanyLinkFrame/showStatus", false).toBool());
    connect(m_ui->label_Url, &QLabel::linkActivated, this, &DDevicePage::onLickActivited, Qt::DirectConnection);

    m_ui->label_ElectricityNum->setBatteryLevel(60);

    m_pageToast = new CbNotice(this);
    m_pageToast->setPixelSize(14);

    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);

    m_lightEngine = std::make_unique<lightDealMain>(nullptr);

    createSubPages();
    createProfileTools();

    for (QToolButton *button : {m_ui->toolButton_CustomKey, m_ui->toolButton_LightConfig, m_ui->toolButton_MacroDialog,
                                m_ui->toolButton_Performance, m_ui->toolButton_TriggerSetting,
                                m_ui->toolButton_SeniorKey})
        button->installEventFilter(this);

    m_tabButtonGroup = new QButtonGroup(this);
    m_tabButtonGroup->addButton(m_ui->toolButton_CustomKey, 0);
    m_tabButtonGroup->addButton(m_ui->toolButton_LightConfig, 1);
    m_tabButtonGroup->addButton(m_ui->toolButton_Performance, 2);
    m_tabButtonGroup->addButton(m_ui->toolButton_TriggerSetting, 4);
    m_ui->toolButton_CustomKey->setChecked(true);
    connect(m_tabButtonGroup, &QButtonGroup::idClicked, this,
            &DDevicePage::onCurIndexChangedMainPage);

    m_ui->label_Charging->hide();
    m_batteryAnimationLevel = 0;
    m_batteryTimer = new QTimer(this);
    m_batteryTimer->setInterval(50);
    connect(m_batteryTimer, &QTimer::timeout, this, &DDevicePage::onTimerChangingBatteryNum);

    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);

    DDataManager *data = DDataManager::instance();
    connect(data, &DDataManager::sigQueryDynamicDisplaySensitivityNum, this,
            &DDevicePage::onQueryDynamicDisplaySensitivityNum);
    connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationPoint, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationPoint);
    connect(data, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationStatusBack);
    connect(data, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, this,
            &DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack);

    QTimer::singleShot(200, this, &DDevicePage::onLoadDeviceList);
}

DDevicePage::~DDevicePage()
{
    delete m_profileMenuPopup.data();
    delete m_ui;
}

void DDevicePage::createSubPages()
{
    m_customKeysPage = new DCustomKeysPage(m_ui->page_CustomKeys);
    m_ui->page_CustomKeys->layout()->addWidget(m_customKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch, this,
            &DDevicePage::onDefaultLayerAndFnLayerSwitch);
    connect(m_customKeysPage, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this,
            &DDevicePage::onEveryPageBackTip);
    // Direct: the whole download runs inside the click.
    connect(m_customKeysPage, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this,
            &DDevicePage::onTheKeyboardIntoDownloading, Qt::DirectConnection);
    connect(m_customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this, &DDevicePage::onAutoIntoCustomKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this, &DDevicePage::onInteractLightsPointXY);

    m_lightsPage = new DLightsConfigPage(m_ui->page_LightsConfig);
    m_ui->page_LightsConfig->layout()->addWidget(m_lightsPage);
    connect(m_lightsPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this, &DDevicePage::onEveryPageBackTip);
    connect(m_lightsPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_KB);
    connect(m_lightsPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_Side);
    connect(m_lightsPage, &DLightsConfigPage::sigLightConfigHaveChanged, this, &DDevicePage::onLightConfigHaveChanged);
    connect(m_lightsPage, &DLightsConfigPage::sigCustomLightItemHaveChanged, this,
            &DDevicePage::onCustomLightItemHaveChanged);
    connect(m_lightsPage, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this,
            &DDevicePage::onLightConfigHaveChanged_Custom);

    m_performancePage = new DPerformancePage(m_ui->page_Performance);
    m_ui->page_Performance->layout()->addWidget(m_performancePage);
    connect(m_performancePage, &DPerformancePage::sigResetoreCurrentProfile, this,
            &DDevicePage::onResetoreCurrentProfile);
    connect(m_performancePage, &DPerformancePage::sigLightAndKeyboardSleepTime, this,
            &DDevicePage::onLightAndKeyboardSleepTime);
    connect(m_performancePage, &DPerformancePage::sigLockWinKeyAbout, this, &DDevicePage::onLockWinKeyAbout);

    m_triggerPage = new DTriggerSettingPage(m_ui->page_TriggerSetting);
    m_ui->page_TriggerSetting->layout()->addWidget(m_triggerPage);
    connect(m_triggerPage, &DTriggerSettingPage::sigMagnetsKeysApplyConfig, this, &DDevicePage::onMagnetsKeysApplyConfig);
    connect(m_triggerPage, &DTriggerSettingPage::sigMagnetsKeyboardDefaultSensitivity, this,
            &DDevicePage::onMagnetsKeyboardDefaultSensitivity);
    connect(m_triggerPage, &DTriggerSettingPage::sigKeyAntiShakeCurrentNum, this, &DDevicePage::onKeyAntiShakeCurrentNum);
    connect(m_triggerPage, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum, this,
            &DDevicePage::onKeyRateOfReturnCurrentNum);
    connect(m_triggerPage, &DTriggerSettingPage::sigCalibrationMode, this, &DDevicePage::onCalibrationMode);
    connect(m_triggerPage, &DTriggerSettingPage::sigKeyCalibrationStartRuning, this,
            &DDevicePage::onKeyCalibrationStartRuning);
    connect(m_triggerPage, &DTriggerSettingPage::sigAllKeysCalibrationMode, this, &DDevicePage::onAllKeysCalibrationMode);
}

// ---- Texts and theme ----

QString DDevicePage::companyLinkText(const QString &link, const QString &colour)
{
    return QString("<span style=\"font-size:12pt; color:#ff6666; font-family:'%3';\"></span>"
                   "<a href=\"Company|%1|\"><span style=\"font-size:10pt; text-decoration:underline; "
                   "color:rgb(%2);\">%1</span></a>")
        .arg(link, colour, "Microsoft YaHei");
}

QString DDevicePage::moveTipText() const
{
    return QObject::tr("All keys calibration in progress ...") + "(" + QObject::tr("Please press all keys") + ")";
}

void DDevicePage::retranslate()
{
    m_ui->retranslateUi(this);
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->label_Url->setText(companyLinkText(m_companyLink, theme.TextCheckedColor));
    m_ui->label_Url->setAlignment(Qt::AlignCenter);
    m_ui->label->setText(QObject::tr("Device List"));
    m_ui->label_Tip->setText(QObject::tr("Device not connected"));
    m_ui->pushButton_Reset->setText(QObject::tr("Reset"));
    m_ui->widget_MoveTip->setText(moveTipText());

    if (m_currentDeviceItem) {
        m_customKeysPage->retranslate();
        m_lightsPage->retranslate();
        m_performancePage->retranslate();
        m_triggerPage->retranslate();
    }
}

void DDevicePage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const QFont boldFont = data->getFont(0);
    const QFont normalFont = data->getFont(1);
    const ThemeColorInfo theme = data->getThemeInfo();

    m_ui->label_Url->setText(companyLinkText(m_companyLink, theme.TextCheckedColor));
    m_ui->label_Url->setAlignment(Qt::AlignCenter);

    QColor toastBackground = opaqueThemeColor(theme.AllBgColor);
    toastBackground.setAlpha(200);
    m_pageToast->setBackgroundColor(toastBackground);
    m_pageToast->setBorderColor(opaqueThemeColor(theme.TextCheckedColor));
    QFont toastFont(theme.TextFont);
    toastFont.setPixelSize(14);
    m_pageToast->setTextFont(toastFont);

    const QColor accent = opaqueThemeColor(theme.TextCheckedColor);
    if (m_dragArea)
        m_dragArea->setAreaColor(accent.red(), accent.green(), accent.blue());

    m_ui->widget_MoveTip->setTextFont("Microsoft Yahei", 12);
    m_ui->widget_MoveTip->setBackground(QColor(0, 0, 0, 1));
    m_ui->widget_MoveTip->setForeground(accent);
    m_ui->widget_MoveTip->setText(moveTipText());
    m_ui->widget_MoveTip->hide();

    m_ui->frame->setStyleSheet(QString("QFrame#frame{background-color: rgb(%1);}").arg(theme.DeviceLeftBgColor));
    m_ui->label->setStyleSheet(QString("QLabel#label{color: rgb(%1);}").arg(theme.TextDefaultColor));
    m_ui->frame_Url->setStyleSheet(
        QString("QFrame#frame_Url{border: none; border-top: 3px solid rgb(%1); background-color: rgb(%2);}")
            .arg(theme.DeviceBorderColor, theme.DeviceLeftBgColor));
    m_ui->label_Url->setStyleSheet(QString("QLabel#label_Url{color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->scrollAreaWidgetContents_2->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}").arg(theme.DeviceLeftBgColor));
    m_scrollBarSheet =
        QString("QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}"
                "QScrollBar::handle:vertical{background: rgba(%1); min-height: 20px; border-radius: 2px;}"
                "QScrollBar::handle:vertical:hover{background: rgba(%2);}"
                "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height: 0px;}"
                "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background: rgba(%3); border-radius: 3px;}")
            .arg(theme.AllScrollBarColorDef, theme.AllScrollBarColorHover, theme.AllScrollBgColor);
    for (DDeviceListItem *item : qAsConst(m_deviceItemMap))
        item->applyTheme();
    m_ui->frame_Right->setStyleSheet(
        QString("QFrame#frame_Right{background-color: rgb(%1);}").arg(theme.DeviceRightBgColor));
    m_ui->comboBox_profileList->setStyleSheet(
        QString("QComboBox{background-color: rgb(%1); padding-left: 5px; border: 1px solid rgb(%2); color: rgb(%3);"
                " font: 75 10pt \"%4\"; border-radius: 4px;}"
                "QComboBox:hover{border: 1px solid rgb(%5);}"
                "QComboBox QAbstractItemView{outline: 0px;}"
                "QComboBox QAbstractItemView::item{height: 40px; padding-left: 10px;}"
                "QComboBox::drop-down{width: 20px; background: transparent; border: none;}"
                "QComboBox::down-arrow{image: url(:/images/publicIco/comboxDef.png); width: 10px; height: 10px;}"
                "QComboBox::down-arrow:on{image: url(:/images/publicIco/comboxSel.png);}")
            .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextDefaultColor, theme.TextFont,
                 theme.TextCheckedColor));
    m_ui->lineEdit_profileName->setStyleSheet(
        QString("QLineEdit{background-color: rgb(%1); color: rgb(%2); font: 75 10pt \"%3\";"
                " border: 1px solid rgb(%4); border-radius: 4px;}"
                "QLineEdit:hover,QLineEdit:pressed{border: 1px solid rgb(%5);}")
            .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextFont, theme.DeviceBorderColor,
                 theme.TextCheckedColor));
    m_ui->label_Tip->setStyleSheet(QString("QLabel#label_Tip{color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->label_Mode->setStyleSheet(QString("QLabel#label_Mode{color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->widget_RightBottom->setStyleSheet(
        QString("QWidget#widget_RightBottom{border: none; border-top: 3px solid rgb(%1);}").arg(theme.DeviceBorderColor));
    m_ui->pushButton_Reset->setStyleSheet(
        QString("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); color: rgb(%3);}"
                "QPushButton:hover{background-color: rgb(%2); border: 2px solid rgb(%4);}"
                "QPushButton:pressed{color: rgb(%4); border: 2px solid rgb(%4); background-color: rgb(%2);}")
            .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor));

    m_ui->label_Tip->setFont(sizedFont(boldFont, 20));
    m_ui->label_Mode->setFont(sizedFont(normalFont, 13));
    m_ui->label->setFont(sizedFont(normalFont, 12));
    m_ui->pushButton_Reset->setFont(sizedFont(normalFont, 11));

    QTimer::singleShot(200, this, &DDevicePage::onScrollSheetSet);

    m_performancePage->applyTheme();
    m_lightsPage->applyTheme();
    m_customKeysPage->applyTheme();
    m_triggerPage->applyTheme();

    for (keyboardButCustom *keyCap : data->getKeyInfoList()) {
        if (!keyCap)
            continue;
        keyCap->setThemeColors(QColor(220, 40, 45, 255), accent);
        keyCap->setLightPreviewEnabled(true);
    }
}

void DDevicePage::onScrollSheetSet()
{
    m_ui->widget_4->setStyleSheet(m_scrollBarSheet);
}

// ---- Frame services ----

void DDevicePage::setDeviceListVisible(bool visible)
{
    m_ui->frame_left->setVisible(visible);
}

void DDevicePage::stopLightDealWork()
{
    if (m_lightEngine->isKeyTickerRuning() || m_lightEngine->isSideTickerRuning())
        stopLightEngine();
}

void DDevicePage::closeDeviceLinks()
{
    for (DDeviceKeyboardLink *link : qAsConst(m_deviceLinkMap)) {
        if (link && link->getHidInterface())
            link->getHidInterface()->closeHid();
    }
}

void DDevicePage::stopLightEngine()
{
    m_lightEngine->setLightSynchronous(false);
    m_lightEngine->setLightPreviewEnabled(false);
    m_lightEngine->setLightTickerRuning(false);
}

QPoint DDevicePage::toastPosition() const
{
    return QPoint(rect().center().x(), 40);
}

void DDevicePage::onEveryPageBackTip(QString strTip)
{
    m_pageToast->showNotice(strTip, toastPosition());
}

void DDevicePage::clearDeviceList()
{
    m_deviceListLayout = m_ui->verticalLayout_17;
    if (!m_deviceListLayout)
        return;
    // The trailing spacer stays: new cards go in before it.
    const int cards = m_deviceListLayout->count() - 1;
    for (int i = 0; i < cards; ++i) {
        QLayoutItem *item = m_deviceListLayout->takeAt(0);
        if (QWidget *widget = item->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

bool DDevicePage::eventFilter(QObject *watched, QEvent *event)
{
    static const char *const tipButtons[] = {"toolButton_CustomKey",  "toolButton_LightConfig",
                                             "toolButton_MacroDialog", "toolButton_Performance",
                                             "toolButton_TriggerSetting", "toolButton_SeniorKey"};
    for (int index = 0; index < 6; ++index) {
        if (watched->objectName() != QLatin1String(tipButtons[index]))
            continue;
        if (event->type() == QEvent::Enter)
            showTabTip(index);
        else if (event->type() == QEvent::Leave && m_profileMenuPopup)
            m_profileMenuPopup->hide();
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void DDevicePage::showTabTip(int index)
{
    static const char *const tipTexts[] = {QT_TRANSLATE_NOOP("QObject", "Key Custom"),
                                           QT_TRANSLATE_NOOP("QObject", "Light Setting"),
                                           QT_TRANSLATE_NOOP("QObject", "Macro"),
                                           QT_TRANSLATE_NOOP("QObject", "Performance"),
                                           QT_TRANSLATE_NOOP("QObject", "Trigger Setting"),
                                           QT_TRANSLATE_NOOP("QObject", "Senior Keys")};
    QToolButton *const buttons[] = {m_ui->toolButton_CustomKey,  m_ui->toolButton_LightConfig,
                                    m_ui->toolButton_MacroDialog, m_ui->toolButton_Performance,
                                    m_ui->toolButton_TriggerSetting, m_ui->toolButton_SeniorKey};
    if (index < 0 || index > 5)
        return;

    // A pop-up the page no longer points to would never be deleted.
    if (m_profileMenuPopup) {
        m_profileMenuPopup->hide();
        m_profileMenuPopup->deleteLater();
    }
    auto *tip = new DToolTipExplain(nullptr);
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_profileMenuPopup = popup;
    popup->setWidgetSize(250, 70);
    popup->setArrowPosition(30);
    popup->setCenterWidget(tip);

    const QToolButton *button = buttons[index];
    const int w = button->width();
    const int h = button->height();
    const QPoint anchor = button->mapToGlobal(QPoint(w / 2, h));
    popup->move(anchor - QPoint(38, h + 74));
    tip->setText(QObject::tr(tipTexts[index]));
    popup->show();
}

void DDevicePage::onCloseMenuWidow()
{
    if (m_profileMenuPopup)
        m_profileMenuPopup->hide();
}

void DDevicePage::onLickActivited(QString str)
{
    Q_UNUSED(str);
    QDesktopServices::openUrl(QUrl(m_companyLink, QUrl::TolerantMode));
}

void DDevicePage::on_toolButton_MacroDialog_clicked()
{
    qDebug() << "Operate changed:" << "MacroDialog";
    m_customKeysPage->setInteractLightHook(false, 0);
    emit sigShowMacroPage();
}

void DDevicePage::on_toolButton_SeniorKey_clicked()
{
    qDebug() << "Operate changed:" << "SeniorKeyDialog";
    emit sigShowSeniorKeysPage();
}

// ---- Device list, tabs, lighting, profiles, download and magnetic switches ----
// These handlers belong to the page's device handling; until it exists there is no current
// device, so each of them has nothing to act on.

void DDevicePage::onLoadDeviceList()
{
}

void DDevicePage::updateHidList(int changeCode, QString)
{
    m_changeCode = changeCode;
}

void DDevicePage::onCurIndexChangedMainPage(int) {}
void DDevicePage::onAutoIntoCustomKeysPage() {}
void DDevicePage::onDefaultLayerAndFnLayerSwitch(int) {}
void DDevicePage::onLockWinKeyAbout(int, int, int, int) {}
void DDevicePage::onInteractLightsPointXY(int, int) {}
void DDevicePage::onSelectCurrentLightTypeIndex_KB(int, colorInfoData) {}
void DDevicePage::onSelectCurrentLightTypeIndex_Side(int, colorInfoData) {}
void DDevicePage::onLightConfigHaveChanged(int, colorInfoData) {}
void DDevicePage::onLightConfigHaveChanged_Custom(int, colorInfoData) {}
void DDevicePage::onCustomLightItemHaveChanged(int, QString, QString) {}
void DDevicePage::onMacroListHaveChangedSendToDevice(QString, QString) {}
void DDevicePage::onTimerChangingBatteryNum() {}

void DDevicePage::onTheKeyboardIntoDownloading()
{
    // Nothing to download to without a current device: end the tab's animation at once.
    m_customKeysPage->stopDownloadAnimation();
}
