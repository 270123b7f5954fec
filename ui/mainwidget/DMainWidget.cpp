#include "ui/mainwidget/DMainWidget.h"

#include "app/DDataManager.h"
#include "platform/DeviceNotifier.h"
#include "platform/XdgAutostart.h"
#include "sdk/protocol/SimSocketName.h"
#include "ui/firmware/FirmwareUpgradeDriver.h"
#include "ui/macro/DMacroPage.h"
#include "ui/mainwidget/FirstStartDefaults.h"
#include "ui/mainwidget/MainWindowRules.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/devices/DeviceSdkStartup.h"
#include "ui/mainwidget/devicePage/devices/HotPlugGate.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/settings/DSettingsDia.h"
#include "ui_DMainWidget.h"
#include "widgets/FormParts.h"
#include "widgets/ThemeColorText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdlib>

DMainWidget *g_mainWidget = nullptr;

using FormParts::pictureSheet;

namespace {
const char *const defaultConfigPath = ":/images/configDir/VorlanDefaultConfig.ini";

void applyUseLocalFontSetting()
{
    QSettings defaults(defaultConfigPath, QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    DDataManager::instance()->setUseLocalFont(defaults.value("UseLocalFont/useFontStatus", false).toBool());
}

QFont sizedFont(int kind, int pointSize)
{
    QFont font = DDataManager::instance()->getFont(kind);
    font.setPointSize(pointSize);
    return font;
}
} // namespace

DMainWidget::DMainWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DMainWidget)
{
    m_ui->setupUi(this);

    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint | Qt::WindowSystemMenuHint);
    g_mainWidget = this;

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setMinimumSize(MainWindowRules::minimumSizeForScreen(screen->availableGeometry().size()));
    else
        setMinimumSize(MainWindowRules::minimumSizeForScreen(QSize(1920, 1080)));

    m_ui->stackedWidget_Main->setCurrentWidget(m_ui->page_Device);

    // Children swallow mouse moves unless they track too; the filter resets the cursor.
    for (QWidget *tracked : {static_cast<QWidget *>(m_ui->frame_Bg), static_cast<QWidget *>(m_ui->frame_Title),
                             static_cast<QWidget *>(m_ui->frame_Main), static_cast<QWidget *>(m_ui->stackedWidget_Main),
                             static_cast<QWidget *>(this)})
        tracked->setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    installEventFilter(this);
    m_ui->frame_Bg->installEventFilter(this);
    m_ui->frame_Title->installEventFilter(this);
    m_ui->frame_Main->installEventFilter(this);

    m_listCtrlButton = new QPushButton(this);
    m_listCtrlButton->setObjectName("pushButton_ListCtrl");
    setDeviceListHandleImages(true);
    connect(m_listCtrlButton, &QPushButton::clicked, this, &DMainWidget::onClickCtrlHidListStatusBut);

    applyUseLocalFontSetting();
    {
        QSettings defaults(defaultConfigPath, QSettings::IniFormat);
        defaults.setIniCodec("UTF_8");
        m_companyName = defaults.value("CompanyName/ComName", "CompanyName").toString();
    }

    setWindowTitle(m_companyName);
    m_ui->label_AppName->setFont(sizedFont(0, 16));
    m_ui->label_AppName->setText(m_companyName);

    m_ui->appLogo->setStyleSheet(QString("QPushButton{border-image: url(%1);}").arg(":/images/vorlanLogo.png"));
    setWindowIcon(QIcon(":/images/vorlanLogo.png"));

    m_settingsPath = DDataManager::instance()->getUserConfigDir() + "/VorlanConfig.ini";
    m_settings = new QSettings(m_settingsPath, QSettings::IniFormat, this);
    writeFirstStartDefaults(*m_settings, [] {
        XdgAutostart::writeEntry(QFileInfo(QCoreApplication::applicationFilePath()).baseName(),
                                 QCoreApplication::applicationFilePath());
    });

    qDebug() << "1.CreatTrayIcon  and  registerDevice";
    createTrayIcon();
    registerDeviceNotify();

    qDebug() << "2.Init Vorlan Sdk";
    initDeviceSdk();

    qDebug() << "3.Init Widgets";
    initWidgets();

    DDataManager::instance()->setMacroXmlPath(m_macroXmlPath);
    DDataManager::instance()->setSeniorKeyXmlPath(m_seniorKeyXmlPath);

    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this, &DMainWidget::onHidDeviceConnectChanging_Into,
            Qt::DirectConnection);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this,
            &DMainWidget::onHidDeviceConnectChanging_Remove, Qt::DirectConnection);

    // Starts collapsed: the toggle below flips the flag.
    m_isHidListShow = true;
    onClickCtrlHidListStatusBut();

    const int themeIndex = m_settings->value("Theme/selectThemeIndex", 0).toInt();
    qDebug() << "Start Chang App Theme ... ThemeSelectIndex:" << themeIndex;
    onChangAppTheme(themeIndex);
}

DMainWidget::~DMainWidget()
{
    if (g_mainWidget == this)
        g_mainWidget = nullptr;
    // The menu hangs off the desktop widget, which outlives the window.
    delete m_trayMenu;
    delete m_ui;
}

// ---- Start-up steps ----

void DMainWidget::registerDeviceNotify()
{
    m_deviceNotifier = new DeviceNotifier(QString::fromStdString(SimSocketName::simulatorFolder()), this);
    if (!m_deviceNotifier->isUdevActive())
        qDebug() << "Register device notify failed, GetLastError:" << errno;
    connect(m_deviceNotifier, &DeviceNotifier::deviceArrived, this,
            [this](const QString &path) { onDeviceChange(path, true); });
    connect(m_deviceNotifier, &DeviceNotifier::deviceRemoved, this,
            [this](const QString &path) { onDeviceChange(path, false); });
}

void DMainWidget::initDeviceSdk()
{
    m_sdkStartup = std::make_unique<DeviceSdkStartup>();
    m_sdkStartup->run(DDataManager::instance()->getUserConfigDir(), DeviceSdkStartup::upgradeLibraryName);
    m_ui->label_SdkVer->setText(m_sdkStartup->version());
    m_ui->label_SdkVer->hide();
    if (!m_sdkStartup->isStarted())
        return;
    qstrncpy(m_macroXmlPath, m_sdkStartup->macroXmlPath(), sizeof(m_macroXmlPath));
    qstrncpy(m_seniorKeyXmlPath, m_sdkStartup->seniorKeyXmlPath(), sizeof(m_seniorKeyXmlPath));
    m_supportInfoList = &m_sdkStartup->supportInfoList();
}

void DMainWidget::onDeviceChange(const QString &path, bool arrival)
{
    const HotPlugDecision decision = HotPlugGate::decide(m_supportInfoList, path, arrival);
    if (decision.emitSignal) {
        // The device needs a moment before the SDK can describe it.
        QThread::msleep(300);
        if (arrival)
            emit sigHidDeviceConnectChanging_Into(path);
        else
            emit sigHidDeviceConnectChanging_Remove(path);
    }
    if (decision.scheduleUpgrade)
        QTimer::singleShot(m_firmwareDriver ? m_firmwareDriver->timings().bootloaderSettleMs : 600, this,
                           &DMainWidget::ontheHidIntoFirmwareUpgrade);
}

void DMainWidget::initWidgets()
{
    // Before the device page, whose start-up listing may ask for the automatic check.
    FirmwareUpgradeDriver::Sources sources;
    sources.hidInfoMap = [this] { return m_devicePage->getHidInfoMap(); };
    sources.deviceLinkMap = [this] { return m_devicePage->getDeviceLinkMap(); };
    sources.appVersionChanged = [] { return DDataManager::instance()->isAppVersionChanged(); };
    m_firmwareDriver =
        new FirmwareUpgradeDriver(this, sources, UfwLibraryCalls::fromEntries(m_sdkStartup->upgradeEntries()));

    m_devicePage = new DDevicePage(m_ui->page_Device);
    m_ui->horizontalLayout_6->addWidget(m_devicePage);
    connect(m_devicePage, &DDevicePage::sigShowMacroPage, this, &DMainWidget::onShowMacroPage);
    connect(m_devicePage, &DDevicePage::sigReturnHidLikeName, this, &DMainWidget::onReturnHidLikeName);
    connect(m_devicePage, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC, this,
            &DMainWidget::onHaveCheckUpgradeFirmwareNUC);
    connect(m_devicePage, &DDevicePage::sigIntoOrRemoveHidOver, this, &DMainWidget::onIntoOrRemoveHidOver);
    connect(m_devicePage, &DDevicePage::sigShowSeniorKeysPage, this, &DMainWidget::onShowSeniorKeysPage);
}

void DMainWidget::createTrayIcon()
{
    m_minimizeAction = new QAction(this);
    connect(m_minimizeAction, &QAction::triggered, this, &DMainWidget::onMinApp);
    m_maximizeAction = new QAction(this);
    connect(m_maximizeAction, &QAction::triggered, this, &QWidget::showMaximized);
    m_revertAction = new QAction(this);
    connect(m_revertAction, &QAction::triggered, this, &QWidget::showNormal);
    m_quitAction = new QAction(QIcon(":/images/mainpage/closeWindowSel.png"), QString(), this);
    connect(m_quitAction, &QAction::triggered, this, &DMainWidget::onQuitApp);
    retranslateTrayActions();

    m_trayMenu = new QMenu(QApplication::desktop());
    m_trayMenu->addAction(m_minimizeAction);
    m_trayMenu->addAction(m_maximizeAction);
    m_trayMenu->addAction(m_revertAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);

    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setIcon(QIcon(":/images/trayLogo.ico"));
    m_trayIcon->setToolTip(m_companyName);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->show();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
}

void DMainWidget::retranslateTrayActions()
{
    m_minimizeAction->setText(tr("Minimize(&N)"));
    m_maximizeAction->setText(tr("Maximize(&X)"));
    m_revertAction->setText(tr("Revert(&R)"));
    m_quitAction->setText(tr("Quit(&Q)"));
}

// ---- Title bar and tray ----

void DMainWidget::on_pushButton_Close_clicked()
{
    const QSettings settings(m_settingsPath, QSettings::IniFormat);
    // Without a tray icon a hidden window could be neither reached nor quit: the button quits.
    if (settings.value("CloseToTray/isCloseToTray", false).toBool() && hasTrayIcon()) {
        hide();
        return;
    }
    qDebug() << "------------------------- *** App Exit (Normal) *** ------------------------------ \n";
    exitApplication();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    if (isMaximized() || isFullScreen()) {
        m_ui->pushButton_Max->setStyleSheet(pictureSheet("QPushButton", ":/images/mainpage/maxWindowDef.png",
                                                         ":/images/mainpage/maxWindowSel.png", false));
        showNormal();
        setCursor(Qt::ArrowCursor);
    } else {
        m_ui->pushButton_Max->setStyleSheet(pictureSheet("QPushButton", ":/images/mainpage/intoMaxWindowDef.png",
                                                         ":/images/mainpage/intoMaxWindowSel.png", false));
        showMaximized();
    }
}

void DMainWidget::on_pushButton_Min_clicked()
{
    showMinimized();
}

void DMainWidget::onMinApp()
{
    hide();
}

void DMainWidget::onQuitApp()
{
    exitApplication();
}

void DMainWidget::exitApplication()
{
    close();
    // The I/O threads must not use a handle while the process ends; every log line is already
    // on disk (the writer flushes per line). The exit skips the event loop and the destructors.
    m_devicePage->closeDeviceLinks();
    std::_Exit(0);
}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}

// ---- Device list handle and names ----

void DMainWidget::setDeviceListHandleImages(bool listShown)
{
    if (listShown)
        m_listCtrlButton->setStyleSheet(
            pictureSheet("QPushButton", ":/images/listCtrlHideDef.png", ":/images/listCtrlHideSel.png", false));
    else
        m_listCtrlButton->setStyleSheet(
            pictureSheet("QPushButton", ":/images/listCtrlShowDef.png", ":/images/listCtrlShowSel.png", false));
}

void DMainWidget::onClickCtrlHidListStatusBut()
{
    m_isHidListShow = !m_isHidListShow;
    setDeviceListHandleImages(m_isHidListShow);
    if (m_devicePage)
        m_devicePage->setDeviceListVisible(m_isHidListShow);
    placeDeviceListHandle();
}

void DMainWidget::placeDeviceListHandle()
{
    m_listCtrlButton->setGeometry(MainWindowRules::deviceListHandleGeometry(m_isHidListShow, contentsRect().height()));
    m_listCtrlButton->raise();
    update();
}

void DMainWidget::onReturnHidLikeName(QString productName, QString likeName)
{
    m_productName = productName;
    m_likeName = likeName;
    m_ui->label_ProductName->setText(productName);
    m_ui->label_DeviceName->setText(likeName);
    // The toggle flips the flag, so store the opposite of the wanted state.
    m_isHidListShow = !MainWindowRules::deviceListShownForNames(productName, likeName);
    onClickCtrlHidListStatusBut();
}

// ---- Themes, texts and secondary screens ----

void DMainWidget::onChangAppTheme(int themeIndex)
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    applyUseLocalFontSetting();

    m_ui->label_AppName->setFont(sizedFont(0, 16));
    m_ui->label_AppName->setStyleSheet(QString("QLabel#label_AppName{color: rgb(%1);}").arg(theme.TextCheckedColor));

    const QString themeName = MainWindowRules::themeNameForIndex(themeIndex);
    m_ui->pushButton->setStyleSheet(
        QString("QPushButton{border-image: url(:/images/mainpage/leftTopLogo_%1.png);}").arg(themeName));

    if (data->isBgImageUsing()) {
        const QString appDir = DDataManager::getApplicationDirPath();
        const QString titleImage = appDir + QString("/images/bgImageTitle_%1.png").arg(themeName);
        const QString mainImage = appDir + QString("/images/bgImageMain_%1.png").arg(themeName);
        m_ui->frame_Title->setStyleSheet(QString("QFrame#frame_Title{border-image:url(%1);}").arg(titleImage));
        m_ui->frame_Main->setStyleSheet(QString("QFrame#frame_Main{border-image:url(%1);}").arg(mainImage));
    } else {
        m_ui->frame_Title->setStyleSheet(
            QString("QFrame#frame_Title{ background-color: rgb(%1);}").arg(theme.MainWidgetTitleColorStart));
        m_ui->frame_Bg->setStyleSheet(
            QString("QFrame#frame_Bg{border: none; border:1px solid rgb(%1);background:transparent;}")
                .arg(theme.MainWidgetBorderColor));
        m_ui->frame_Main->setStyleSheet(QString("QFrame#frame_Main{ border: none; border-top: 3px solid rgb(%1); }")
                                            .arg(theme.MainWidgetBorderColor));
        m_ui->label_ProductName->setStyleSheet(
            QString("QLabel#label_ProductName{color: rgb(%1);}").arg(theme.TextCheckedColor));
        m_ui->label_DeviceName->setStyleSheet(
            QString("QLabel#label_DeviceName{color: rgb(%1);}").arg(theme.TextDefaultColor));
        m_ui->label_ProductName->setFont(sizedFont(0, 14));
        m_ui->label_DeviceName->setFont(sizedFont(0, 14));
    }

    m_devicePage->applyTheme();
}

void DMainWidget::omUpdataAllUI()
{
    m_ui->retranslateUi(this);
    setWindowTitle(m_companyName);
    m_ui->label_AppName->setText(m_companyName);
    m_ui->label_ProductName->setText(m_productName);
    m_ui->label_DeviceName->setText(m_likeName);
    retranslateTrayActions();
    m_devicePage->retranslate();
}

QWidget *DMainWidget::openOverlay()
{
    auto *overlay = new QWidget(this);
    overlay->setWindowFlags(Qt::FramelessWindowHint);
    overlay->setObjectName("widget");
    overlay->setStyleSheet("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}");
    overlay->resize(size());
    m_overlay = overlay;
    overlay->show();
    return overlay;
}

void DMainWidget::showSecondaryScreen(QWidget *screen)
{
    screen->move(MainWindowRules::centredOn(pos(), size(), screen->size()));
    screen->setWindowModality(Qt::WindowModal);
    screen->show();
}

void DMainWidget::onShowMacroPage()
{
    openOverlay();
    m_macroPage = new DMacroPage(this);
    connect(m_macroPage, &DMacroPage::sigMacroPageClose, this, &DMainWidget::onMacroPageClose);
    connect(m_macroPage, &DMacroPage::sigMacroListHaveChanged, m_devicePage,
            &DDevicePage::sigMacroListHaveChangedSendToDevice);
    m_macroPage->setMacroXmlPath(m_macroXmlPath);
    showSecondaryScreen(m_macroPage);
}

void DMainWidget::onShowSeniorKeysPage()
{
    openOverlay();
    auto *seniorKeysPage = new DSeniorKeysPage(this);
    connect(seniorKeysPage, &DSeniorKeysPage::sigSeniorKeysPageClose, this, &DMainWidget::onSeniorKeysPageClose);
    showSecondaryScreen(seniorKeysPage);
}

void DMainWidget::on_pushButton_Setting_clicked()
{
    openOverlay();
    auto *settings = new DSettingsDia(this);
    connect(settings, &DSettingsDia::sigSettingsWindowClose, this, &DMainWidget::onSettingsWindowClose);
    connect(settings, &DSettingsDia::sigUpdataAllUI, this, &DMainWidget::omUpdataAllUI);
    connect(settings, &DSettingsDia::sigUpdateApp, this, &DMainWidget::onUpdateApp);
    connect(settings, &DSettingsDia::sigChangAppTheme, this, &DMainWidget::onChangAppTheme);
    connect(settings, &DSettingsDia::sigFirmwareUpgradeCheck, this, &DMainWidget::onFirmwareUpgradeCheck);
    showSecondaryScreen(settings);
}

void DMainWidget::onMacroPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onSeniorKeysPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onSettingsWindowClose()
{
    if (m_overlay)
        m_overlay->hide();
}

// ---- Hot plug and firmware upgrade ----

void DMainWidget::onHidDeviceConnectChanging_Into(QString hidPath)
{
    Q_UNUSED(hidPath);
    m_devicePage->updateHidList(11, "hidPath");
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString hidPath)
{
    Q_UNUSED(hidPath);
    m_devicePage->updateHidList(12, "hidPath");
}

void DMainWidget::onIntoOrRemoveHidOver() {}

void DMainWidget::onUpdateApp() {}

void DMainWidget::onHaveCheckUpgradeFirmwareNUC()
{
    m_firmwareDriver->onHaveCheckUpgradeFirmwareNUC();
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    m_firmwareDriver->ontheHidIntoFirmwareUpgrade();
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    if (m_firmwareDriver->checkUpgradeDeviceList(true))
        return;
    if (auto *settings = qobject_cast<DSettingsDia *>(sender()))
        settings->showNoUpgradeableDevices();
}

// ---- Frame: painting, dragging and edge resizing ----

void DMainWidget::paintEvent(QPaintEvent *event)
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    const QColor left = opaqueThemeColor(theme.DeviceLeftBgColor);
    const QColor right = opaqueThemeColor(theme.DeviceRightBgColor);
    const int w = contentsRect().width();
    const int h = contentsRect().height();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRect(0, 45, 231, h), m_isHidListShow ? left : right);
    painter.fillRect(QRect(231, 45, w, h), right);
    painter.end();
    QWidget::paintEvent(event);
}

void DMainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeDeviceListHandle();
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    m_devicePage->stopLightDealWork();
    if (m_trayIcon)
        m_trayIcon->hide();
    QWidget::closeEvent(event);
}

QRect DMainWidget::globalWindowRect() const
{
    return QRect(mapToGlobal(rect().topLeft()), mapToGlobal(rect().bottomRight()));
}

void DMainWidget::updateEdgeRegion(const QPoint &globalPos)
{
    m_edge = windowEdgeAt(globalWindowRect(), globalPos);
    setCursor(cursorForEdge(m_edge));
}

void DMainWidget::updateEdgeCursor(int x, int y)
{
    if (m_resizePressed)
        return;
    setCursor(cursorForEdge(windowEdgeAt(globalWindowRect(), QPoint(x, y))));
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_isDragging = false;
    if (event->button() == Qt::LeftButton) {
        m_resizePressed = true;
        if (m_ui->frame_4->geometry().contains(event->pos())) {
            m_dragAnchor = event->globalPos() - frameGeometry().topLeft();
            event->accept();
            m_isDragging = true;
        }
        return;
    }
    if (event->button() == Qt::RightButton)
        return;
    QWidget::mousePressEvent(event);
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint globalPos = event->globalPos();
    const bool maximised = isMaximized() || isFullScreen();
    if (!m_resizePressed) {
        updateEdgeRegion(globalPos);
    } else if (m_isDragging || maximised) {
        if (m_isDragging && !maximised) {
            move(globalPos - m_dragAnchor);
            event->accept();
        }
    } else {
        const QRect resized = resizedByEdge(globalWindowRect(), m_edge, globalPos, minimumSize());
        if (resized != globalWindowRect())
            setGeometry(resized);
    }
    QWidget::mouseMoveEvent(event);
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_resizePressed = false;
    m_isDragging = false;
    if (m_edge != NONE) {
        releaseMouse();
        setCursor(Qt::ArrowCursor);
        m_edge = NONE;
    }
}

bool DMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->frame_Main && event->type() == QEvent::Enter)
        setCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}
