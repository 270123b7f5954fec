#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/protocol/HidText.h"
#include "ui/mainwidget/devicePage/CurrentDeviceDownload.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/devices/DeviceListRules.h"
#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/devices/KeyboardStatusRules.h"
#include "ui/mainwidget/devicePage/download/BoundMacroCopy.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"
#include "ui_DDevicePage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/BatteryItem.h"
#include "widgets/CbNotice.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/TextMoveWidget.h"
#include "widgets/ThemeColorText.h"
#include "widgets/dragShowArea.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"

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
#include <QStackedLayout>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char *const defaultConfigPath = ":/images/configDir/VorlanDefaultConfig.ini";
const char *const builtInCompanyLink = "https://osterlin.example/";

QFont sizedFont(const QFont &base, int pointSize)
{
    QFont font = base;
    font.setPointSize(pointSize);
    return font;
}
} // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DDevicePage)
{
    m_ui->setupUi(this);
    // The style sheet's row height and hover colours apply only through a styled delegate.
    m_ui->comboBox_profileList->setItemDelegate(new QStyledItemDelegate(m_ui->comboBox_profileList));

    for (QWidget *testWidget :
         {static_cast<QWidget *>(m_ui->pushButton_Test), static_cast<QWidget *>(m_ui->pushButton_ChangModeTest),
          static_cast<QWidget *>(m_ui->label_ChangModeTest), static_cast<QWidget *>(m_ui->label_Multiple)})
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
    m_ui->label_ElectricityNum->setVisible(false);

    m_pageToast = new CbNotice(this);
    m_pageToast->setPixelSize(14);

    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);

    m_lightEngine = std::make_unique<lightDealMain>(nullptr);
    m_roster = new DeviceRoster(m_replyWait, this);
    connectRoster();
    m_download = new CurrentDeviceDownload([this] { return m_roster->currentHidInterface(); }, this);

    createSubPages();
    createProfileTools();

    for (QToolButton *button :
         {m_ui->toolButton_CustomKey, m_ui->toolButton_LightConfig, m_ui->toolButton_MacroDialog,
          m_ui->toolButton_Performance, m_ui->toolButton_TriggerSetting, m_ui->toolButton_SeniorKey})
        button->installEventFilter(this);
    m_ui->hidDeviceShowFrame->installEventFilter(this);

    m_tabButtonGroup = new QButtonGroup(this);
    m_tabButtonGroup->addButton(m_ui->toolButton_CustomKey, 0);
    m_tabButtonGroup->addButton(m_ui->toolButton_LightConfig, 1);
    m_tabButtonGroup->addButton(m_ui->toolButton_Performance, 2);
    m_tabButtonGroup->addButton(m_ui->toolButton_TriggerSetting, 4);
    m_ui->toolButton_CustomKey->setChecked(true);
    connect(m_tabButtonGroup, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedMainPage);

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
    connect(m_customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this,
            &DDevicePage::onAutoIntoCustomKeysPage);
    connect(m_customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this, &DDevicePage::onInteractLightsPointXY);

    m_lightsPage = new DLightsConfigPage(m_ui->page_LightsConfig);
    m_ui->page_LightsConfig->layout()->addWidget(m_lightsPage);
    connect(m_lightsPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this,
            &DDevicePage::onEveryPageBackTip);
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
    connect(m_triggerPage, &DTriggerSettingPage::sigMagnetsKeysApplyConfig, this,
            &DDevicePage::onMagnetsKeysApplyConfig);
    connect(m_triggerPage, &DTriggerSettingPage::sigMagnetsKeyboardDefaultSensitivity, this,
            &DDevicePage::onMagnetsKeyboardDefaultSensitivity);
    connect(m_triggerPage, &DTriggerSettingPage::sigKeyAntiShakeCurrentNum, this,
            &DDevicePage::onKeyAntiShakeCurrentNum);
    connect(m_triggerPage, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum, this,
            &DDevicePage::onKeyRateOfReturnCurrentNum);
    connect(m_triggerPage, &DTriggerSettingPage::sigCalibrationMode, this, &DDevicePage::onCalibrationMode);
    connect(m_triggerPage, &DTriggerSettingPage::sigKeyCalibrationStartRuning, this,
            &DDevicePage::onKeyCalibrationStartRuning);
    connect(m_triggerPage, &DTriggerSettingPage::sigAllKeysCalibrationMode, this,
            &DDevicePage::onAllKeysCalibrationMode);
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

    m_pageToast->applyTheme(theme);

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
        QString(
            "QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}"
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
                "QComboBox QAbstractItemView{outline: 0px; background-color: %6; color: rgb(%3);}"
                "QComboBox QAbstractItemView::item{height: 40px; padding-left: 10px;}"
                "QComboBox QAbstractItemView::item:hover,QComboBox QAbstractItemView::item:selected"
                "{background-color: rgb(%5); color: %7;}"
                "QComboBox::drop-down{width: 20px; background: transparent; border: none;}"
                "QComboBox::down-arrow{image: url(:/images/publicIco/comboxDef.png); width: 10px; height: 10px;}"
                "QComboBox::down-arrow:on{image: url(:/images/publicIco/comboxSel.png);}")
            .arg(theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextDefaultColor, theme.TextFont,
                 theme.TextCheckedColor, opaqueThemeColor(theme.DeviceRightBgColor).name(),
                 readableTextColor(opaqueThemeColor(theme.TextCheckedColor)).name()));
    m_ui->lineEdit_profileName->setStyleSheet(
        QString("QLineEdit{background-color: rgb(%1); color: rgb(%2); font: 75 10pt \"%3\";"
                " border: 1px solid rgb(%4); border-radius: 4px;}"
                "QLineEdit:hover,QLineEdit:pressed{border: 1px solid rgb(%5);}")
            .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextFont, theme.DeviceBorderColor,
                 theme.TextCheckedColor));
    m_ui->label_Tip->setStyleSheet(QString("QLabel#label_Tip{color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->label_Mode->setStyleSheet(QString("QLabel#label_Mode{color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->widget_RightBottom->setStyleSheet(
        QString("QWidget#widget_RightBottom{border: none; border-top: 3px solid rgb(%1);}")
            .arg(theme.DeviceBorderColor));
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
    m_roster->closeLinks();
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
    if (watched == m_ui->hidDeviceShowFrame) {
        if (event->type() == QEvent::Resize)
            applyViewScale();
        return QWidget::eventFilter(watched, event);
    }
    static const char *const tipButtons[] = {"toolButton_CustomKey",      "toolButton_LightConfig",
                                             "toolButton_MacroDialog",    "toolButton_Performance",
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
    static const char *const tipTexts[] = {
        QT_TRANSLATE_NOOP("QObject", "Key Custom"),      QT_TRANSLATE_NOOP("QObject", "Light Setting"),
        QT_TRANSLATE_NOOP("QObject", "Macro"),           QT_TRANSLATE_NOOP("QObject", "Performance"),
        QT_TRANSLATE_NOOP("QObject", "Trigger Setting"), QT_TRANSLATE_NOOP("QObject", "Senior Keys")};
    QToolButton *const buttons[] = {m_ui->toolButton_CustomKey,      m_ui->toolButton_LightConfig,
                                    m_ui->toolButton_MacroDialog,    m_ui->toolButton_Performance,
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
    qDebug() << "Operate changed:"
             << "MacroDialog";
    m_customKeysPage->setInteractLightHook(false, 0);
    emit sigShowMacroPage();
}

void DDevicePage::on_toolButton_SeniorKey_clicked()
{
    qDebug() << "Operate changed:"
             << "SeniorKeyDialog";
    emit sigShowSeniorKeysPage();
}

// ---- Macro list and on-board download reports ----

// The user edited a macro: keys of the current profile keep a copy of it, which the next download
// sends. Nothing goes to the keyboard here.
void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString)
{
    if (m_profileXmlPath[0] == '\0')
        return;
    char macroPath[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getMacroXmlPath(macroPath);
    BoundMacroCopy::renew(QString::fromLocal8Bit(m_profileXmlPath), m_profileIndex, strMacroIndex,
                          QString::fromLocal8Bit(macroPath));
}
// The keyboard's echo of a macro report takes no part in the download.
void DDevicePage::onRuningOnboard0x18Cmd() {}

// ---- Device list ----

void DDevicePage::prepareDeviceListLayout()
{
    m_ui->verticalLayout_17->setContentsMargins(12, 0, 0, 0);
    m_ui->verticalLayout_17->setSpacing(10);
}

DDeviceListItem *DDevicePage::createDeviceCard(const hidStructInfoAll &record)
{
    auto *item = new DDeviceListItem(m_ui->scrollAreaWidgetContents_2);
    connect(item, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked);
    m_ui->verticalLayout_17->insertWidget(m_ui->verticalLayout_17->count() - 1, item);
    item->applyTheme();
    item->setHidInfo(record);
    return item;
}

QList<DDeviceListItem *> DDevicePage::deviceListOrder() const
{
    QList<DDeviceListItem *> cards;
    for (int i = 0; i < m_ui->verticalLayout_17->count(); ++i) {
        if (auto *card = qobject_cast<DDeviceListItem *>(m_ui->verticalLayout_17->itemAt(i)->widget()))
            cards << card;
    }
    return cards;
}

QMap<QString, QPointer<DDeviceKeyboardLink>> DDevicePage::getDeviceLinkMap() const
{
    return m_roster->linkMap();
}

QMap<QString, hidStructInfoAll> DDevicePage::getHidInfoMap() const
{
    return m_roster->hidInfoMap();
}

QMap<QString, int> DDevicePage::getDongleStateMap() const
{
    return m_roster->dongleStateMap();
}

DDeviceKeyboardLink *DDevicePage::getCurrentDeviceLink() const
{
    return m_roster->currentLink();
}

keyboardButCustom *DDevicePage::keyAt(int row, int column) const
{
    return row >= 0 && row < 6 && column >= 0 && column < 22 ? m_keyMatrix[row][column] : nullptr;
}

void DDevicePage::setKeyAt(int row, int column, keyboardButCustom *cap)
{
    if (row >= 0 && row < 6 && column >= 0 && column < 22)
        m_keyMatrix[row][column] = cap;
}

void DDevicePage::showNoDevice()
{
    m_serialNumber.clear();
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);
    emit sigReturnHidLikeName("HID", "RGB");
}

void DDevicePage::onLoadDeviceList()
{
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_TipShow);
    // Notifications during the opening waits are held and handled once the listing is complete.
    const DeviceListing listing = m_roster->startListing();

    clearDeviceList();
    m_deviceItemMap.clear();
    prepareDeviceListLayout();
    for (const hidStructInfoAll &record : listing.displayList)
        m_deviceItemMap.insert(DeviceRecordBuilder::cardKey(record), createDeviceCard(record));

    bool madeCurrent = false;
    if (!listing.hidInfoMap.isEmpty()) {
        for (const hidStructInfoAll &record : listing.hidInfoMap)
            openDeviceLink(record);
        if (listing.hasStartDevice) {
            m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice);
            setCurrentDevice(listing.displayList.first());
            madeCurrent = true;
        }
    }
    if (!madeCurrent)
        showNoDevice();
    emit sigHaveCheckUpgradeFirmwareNUC();

    m_roster->finishListing();
}

void DDevicePage::updateHidList(int changeCode, QString)
{
    m_roster->handleChange(changeCode);
}

void DDevicePage::connectRoster()
{
    connect(m_roster, &DeviceRoster::linkCreated, this, &DDevicePage::connectLinkReports);
    connect(m_roster, &DeviceRoster::deviceAdded, this, &DDevicePage::addDeviceCard);
    connect(m_roster, &DeviceRoster::deviceRemoved, this, &DDevicePage::showDeviceOffline);
    connect(m_roster, &DeviceRoster::deviceOnlineChanged, this,
            [this](const QString &path, const hidStructInfoAll &record) {
                if (DDeviceListItem *card = m_deviceItemMap.value(path))
                    card->setHidInfo(record);
            });
    connect(m_roster, &DeviceRoster::currentRequested, this, &DDevicePage::onHidItemMouseClicked);
    connect(m_roster, &DeviceRoster::keyboardReached, this,
            [this] { m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice); });
    connect(m_roster, &DeviceRoster::currentLeaving, this, &DDevicePage::stopCurrentDeviceWork);
    connect(m_roster, &DeviceRoster::noCurrentDevice, this, &DDevicePage::showNoDevice);
    connect(m_roster, &DeviceRoster::changeHandled, this, &DDevicePage::onHotPlugHandled);
}

void DDevicePage::addDeviceCard(const hidStructInfoAll &record)
{
    m_ui->stackedWidget_3->setCurrentWidget(m_ui->page_HaveDevice);
    DDeviceListItem *card = m_deviceItemMap.take(DeviceRecordBuilder::modelName(record));
    if (card)
        card->setHidInfo(record);
    else
        card = createDeviceCard(record);
    m_deviceItemMap.insert(DeviceRecordBuilder::path(record), card);
}

void DDevicePage::showDeviceOffline(const QString &path, const hidStructInfoAll &offlineRecord)
{
    DDeviceListItem *card = m_deviceItemMap.take(path);
    if (!card)
        return;
    card->setHidInfo(offlineRecord);
    // A model keeps one offline card: an earlier one of a second keyboard of it goes.
    const QString modelKey = DeviceRecordBuilder::cardKey(offlineRecord);
    if (DDeviceListItem *older = m_deviceItemMap.take(modelKey)) {
        m_ui->verticalLayout_17->removeWidget(older);
        older->deleteLater();
    }
    m_deviceItemMap.insert(modelKey, card);
}

void DDevicePage::onHotPlugHandled(int changeCode)
{
    reorderDeviceCards();
    if (changeCode == DeviceRoster::Removal)
        emit sigIntoOrRemoveHidOver();
}

void DDevicePage::stopCurrentDeviceWork()
{
    if (m_keyView)
        m_keyView->setLightEditMode(false);
    if (m_lightEngine->isKeyTickerRuning() || m_lightEngine->isSideTickerRuning())
        stopLightEngine();
    m_customKeysPage->setInteractLightHook(false, 0);
    m_currentDeviceItem = nullptr;
}

void DDevicePage::reorderDeviceCards()
{
    qDebug() << "-------------------- *** [Update hid list] Start *** -------------------";
    QList<DeviceCard> cards;
    QString currentKey;
    for (auto it = m_deviceItemMap.cbegin(); it != m_deviceItemMap.cend(); ++it) {
        cards.append({it.key(), it.value()->getHidInfo()});
        if (it.value() == m_currentDeviceItem)
            currentKey = it.key();
    }
    const QStringList order = DeviceListRules::hotPlugOrder(cards, currentKey);
    QVBoxLayout *layout = m_ui->verticalLayout_17;
    for (DDeviceListItem *card : m_deviceItemMap)
        layout->removeWidget(card);
    prepareDeviceListLayout();
    for (const QString &key : order)
        layout->insertWidget(layout->count() - 1, m_deviceItemMap.value(key));
    qDebug() << "-------------------- *** [Update hid list] End *** -------------------";
}

void DDevicePage::onUpdateDeviceListShow()
{
    QList<DeviceCard> cards;
    QString currentKey;
    QString currentPath;
    for (auto it = m_deviceItemMap.cbegin(); it != m_deviceItemMap.cend(); ++it) {
        cards.append({it.key(), it.value()->getHidInfo()});
        if (it.value() == m_currentDeviceItem) {
            currentKey = it.key();
            currentPath = DeviceRecordBuilder::path(it.value()->getHidInfo());
        }
    }
    const QList<hidStructInfoAll> records = DeviceListRules::rebuildOrder(cards, currentKey);

    clearDeviceList();
    prepareDeviceListLayout();
    m_deviceItemMap.clear();
    m_roster->rebuildRecords(records);
    m_currentDeviceItem = nullptr;
    for (const hidStructInfoAll &record : records)
        m_deviceItemMap.insert(DeviceListRules::rebuildPlacement(record).itemKey, createDeviceCard(record));
    if (!currentKey.isEmpty())
        m_currentDeviceItem = m_deviceItemMap.value(currentPath);
    for (DDeviceListItem *card : qAsConst(m_deviceItemMap))
        card->setSelected(card == m_currentDeviceItem);
}

// ---- Opening devices and the current device ----

void DDevicePage::openDeviceLink(hidStructInfoAll record)
{
    m_roster->openLink(record);
}

void DDevicePage::connectLinkReports(DDeviceKeyboardLink *link)
{
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, this, &DDevicePage::onCustomEventChangProfile);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, &DDevicePage::onRuningOnboard0x19Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, &DDevicePage::onRuningOnboard0x18Cmd);
    connect(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd, this, &DDevicePage::onQN9080Recv0x0bCmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, this,
            &DDevicePage::onRuningOnboardDownloadStatus);
    connect(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity, this,
            &DDevicePage::onSendChargingStatusAndElectricity);
    connect(link, &DDeviceKeyboardLink::sigDongleStatus, this, &DDevicePage::onDongleStatus);
    connect(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, this, &DDevicePage::onWaitForDataReturn_0x0d);
    connect(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this, &DDevicePage::onSleepTimeSetSuccessful);
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this,
            &DDevicePage::onLightConfigHaveChanged_HidSend);
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            &DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09);
    connect(link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged, this, &DDevicePage::onTheKeyboardModeChanged);
}

void DDevicePage::onHidItemMouseClicked(hidStructInfoAll hidStuInfo)
{
    if (hidStuInfo.isOnline != 1) {
        m_pageToast->showNotice(QObject::tr("The device is offline"), toastPosition());
        return;
    }
    if (m_roster->isSwitchBusy())
        return;
    m_roster->setSwitchBusy(true);

    auto *card = qobject_cast<DDeviceListItem *>(sender());
    if (card && card == m_currentDeviceItem) {
        m_pageToast->showNotice(QObject::tr("The device has been turned on"), toastPosition());
        m_roster->setSwitchBusy(false);
        return;
    }
    if (!card)
        card = m_deviceItemMap.value(DeviceRecordBuilder::path(hidStuInfo));

    if (m_keyView)
        m_keyView->setLightEditMode(false);
    if (m_lightEngine->isKeyTickerRuning() || m_lightEngine->isSideTickerRuning())
        stopLightEngine();
    m_currentDeviceItem = nullptr;
    m_roster->setCurrent(QString());

    emit sigReturnHidLikeName(QString::fromLocal8Bit(hidStuInfo.productName),
                              QString::fromLocal8Bit(hidStuInfo.deviceName));
    for (DDeviceListItem *item : qAsConst(m_deviceItemMap))
        item->setSelected(item == card);
    m_currentDeviceItem = card;

    qDebug() << "Start chang device, HidName:" << hidStuInfo.hidName << " LikeName:" << hidStuInfo.productName
             << hidStuInfo.deviceName;
    setCurrentDevice(hidStuInfo);
    qDebug() << "Over chang device";
}

void DDevicePage::setCurrentDevice(hidStructInfoAll record)
{
    m_roster->setSwitchBusy(true);
    const QString path = DeviceRecordBuilder::path(record);
    if (m_firstSelection) {
        m_firstSelection = false;
        emit sigReturnHidLikeName(QString::fromLocal8Bit(record.productName),
                                  QString::fromLocal8Bit(record.deviceName));
        DDeviceListItem *card = m_deviceItemMap.value(path);
        for (DDeviceListItem *item : qAsConst(m_deviceItemMap))
            item->setSelected(item == card);
        m_currentDeviceItem = card;
    }
    m_roster->setCurrent(path);
    DDeviceKeyboardLink *link = m_roster->currentLink();
    showStatusOfNewCurrent(record);

    m_zoomFactor = 1.0;
    m_ui->label_Multiple->setText(QString::number(m_zoomFactor, 'f', 1));

    buildKeyView(record);
    adaptControlsToDeviceType();

    DDataManager *data = DDataManager::instance();
    data->setSideLightModesReported(link && !link->getSideLightModeSupport().modes.isEmpty());
    data->setCurrentDeviceName(DeviceRecordBuilder::modelName(record));

    prepareProfileFiles(record, 0);
    startLightEngine();
    m_roster->setSwitchBusy(false);
}

void DDevicePage::buildKeyView(const hidStructInfoAll &record)
{
    delete m_keyView;
    m_keyView = nullptr;
    delete m_dragArea;
    m_dragArea = nullptr;
    delete m_viewContainer;

    m_viewContainer = new QWidget(m_ui->hidDeviceShowFrame);
    // The view's fixed size must not widen the page: applyViewScale fits it into the frame.
    m_viewContainer->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_viewScale = 1.0f;
    m_keyView = new hidDeviceJoinFrame(m_viewContainer);
    connect(m_keyView, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, this, &DDevicePage::onDragAreaMoveOneKey);
    connect(m_keyView, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged, this, &DDevicePage::onTheDragAreaHaveChanged);
    m_dragArea = new dragShowArea(m_viewContainer);
    connect(m_dragArea, &dragShowArea::sigDragArea, this, &DDevicePage::onDragArea_SelectKeys);
    connect(m_dragArea, &dragShowArea::sigDragShowAreaMouseMovePoint, this, &DDevicePage::onDragShowAreaMouseMovePoint);
    connect(m_dragArea, &dragShowArea::sigDragAreaMousePressOrRelease, this,
            &DDevicePage::onDragAreaMousePressOrRelease);
    const QColor accent = opaqueThemeColor(DDataManager::instance()->getThemeInfo().TextCheckedColor);
    m_dragArea->setAreaColor(accent.red(), accent.green(), accent.blue());

    m_keyView->setWindowFlag(Qt::WindowStaysOnTopHint);
    hidStu device{};
    copyHidText(device.path, record.hidPath);
    copyHidText(device.hidName, record.hidName);
    device.isDongle = record.usbOrDongle;
    m_keyView->setDeviceInfo(device);

    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_keyView);
    stack->addWidget(m_dragArea);
    m_viewContainer->setLayout(stack);
    m_ui->horizontalLayout_17->addWidget(m_viewContainer);

    std::fill(&m_keyMatrix[0][0], &m_keyMatrix[0][0] + 6 * 22, nullptr);
    const QList<keyboardButCustom *> keys = DDataManager::instance()->getKeyInfoList();
    for (int i = 0; i < keys.size() && i < 6 * 22; ++i)
        m_keyMatrix[i / 22][i % 22] = keys.at(i);

    m_dragArea->lower();
    m_keyView->raise();
    m_keyView->show();
}

void DDevicePage::adaptControlsToDeviceType()
{
    const int type = DDataManager::instance()->getHidDeviceType();
    const bool magnetic = type == 4;
    m_ui->frame_7->setMinimumWidth(magnetic ? 295 : 200);
    m_ui->toolButton_TriggerSetting->setVisible(magnetic);
    m_ui->toolButton_SeniorKey->setVisible(magnetic);
    const bool statusShown = !magnetic && type != 5;
    m_ui->frame_6->setVisible(statusShown);
    m_ui->frame_8->setVisible(statusShown);
    m_ui->frame_Battery->setVisible(statusShown);
    DDataManager::instance()->setMagneticKeyboard(magnetic);
    DDataManager::instance()->setMagneticLayerActive(true);
    m_customKeysPage->setPressModeSelectVisible(magnetic ? 0 : 999);
    m_ui->frame_FillSpace->setMinimumWidth(magnetic ? 60 : 20);
    m_customKeysPage->initForDevice();
}

void DDevicePage::startLightEngine()
{
    const hidStructInfoAll device = m_roster->currentDevice();
    m_lightEngine->setKeyCaps(m_keyMatrix);
    if (keySelectFrame *picture = DDataManager::instance()->getKeySelectFrame())
        m_lightEngine->setSideLeds(picture->getSideLightButtonList());
    m_lightEngine->setDeviceInfo(device);
    m_lightEngine->setHidInterface(m_roster->currentHidInterface());
    m_lightEngine->setMusicalRhythmParams(device.keyCount, 11, 30.0, 930.0);
    m_lightEngine->loadProfileLightConfig();
    m_lightEngine->setLightPreviewEnabled(true);
    m_lightEngine->setLightTickerRuning(true);
    m_lightEngine->setLightSynchronous(true);
}

// ---- Keyboard status, battery and receiver ----

void DDevicePage::onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    if (!KeyboardStatusRules::acceptsReport(KeyboardMode, is24GValid, strCurrentSN, m_serialNumber))
        return;
    const BatteryView view =
        KeyboardStatusRules::batteryView(ChargingStatus, Electricity, KeyboardMode, m_batteryTimer->isActive());
    m_ui->label_Charging->setVisible(view.chargingShown);
    m_ui->label_ElectricityNum->setVisible(true);
    m_ui->label_ElectricityNum->setShowText(view.percentTextShown);
    if (view.timer == BatteryView::StartTimerFromZero) {
        m_batteryAnimationLevel = 0;
        m_batteryTimer->start();
    } else if (view.timer == BatteryView::StopTimer) {
        m_batteryTimer->stop();
    }
    if (view.level >= 0)
        m_ui->label_ElectricityNum->setBatteryLevel(view.level);
    m_ui->label_Mode->setText(view.modeText);
}

void DDevicePage::showStatusOfNewCurrent(const hidStructInfoAll &record)
{
    // Nothing of the previous keyboard stays on show, and no battery until this one reports one;
    // its reports count once its serial number is known.
    m_serialNumber.clear();
    m_batteryTimer->stop();
    m_ui->label_Charging->setVisible(false);
    m_ui->label_ElectricityNum->setVisible(false);
    m_ui->label_Mode->setText(KeyboardStatusRules::connectionText(record.usbOrDongle));
}

void DDevicePage::onTimerChangingBatteryNum()
{
    m_ui->label_ElectricityNum->setBatteryLevel(m_batteryAnimationLevel);
    m_batteryAnimationLevel = KeyboardStatusRules::nextAnimationLevel(m_batteryAnimationLevel);
}

void DDevicePage::onDongleStatus(int is24GValid, QString strCurrentHidPath, QString)
{
    m_roster->handleDongleStatus(is24GValid, strCurrentHidPath);
    onUpdateDeviceListShow();
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    m_sleepTimeConfirmed = true;
}

void DDevicePage::onTheKeyboardModeChanged(int mode)
{
    if (m_keyView)
        m_keyView->setKeyboardMode(mode);
}

// The layout-check reply and the 0x0B value change nothing on the page.
void DDevicePage::onWaitForDataReturn_0x0d(QString, QString) {}
void DDevicePage::onQN9080Recv0x0bCmd(int) {}
