#pragma once

#include "ui/mainwidget/WindowEdge.h"

#include <QList>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>

struct SupportInfoStu;
class DDevicePage;
class DeviceNotifier;
class DeviceSdkStartup;
class FirmwareUpgradeDriver;
class DMacroPage;
class QAction;
class QMenu;
class QPushButton;
class QSettings;
class Ui_DMainWidget;

// The program's only top-level window: frameless, with its own title bar, tray icon, the
// device-list handle and the device page. It also hosts the secondary screens and runs the SDK
// start-up.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DMainWidget(QWidget *parent = nullptr);
    ~DMainWidget() override;

    // Called by the application object for every mouse move anywhere in the program.
    void updateEdgeCursor(int x, int y);
    void updateEdgeRegion(const QPoint &globalPos);

    DDevicePage *devicePage() const { return m_devicePage; }
    bool isDeviceListShown() const { return m_isHidListShow; }
    // False on desktops without a system tray: the window is then never hidden into one.
    bool hasTrayIcon() const { return m_trayIcon != nullptr; }
    FirmwareUpgradeDriver *firmwareUpgradeDriver() const { return m_firmwareDriver; }

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);

public slots:
    void on_pushButton_Close_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Min_clicked();
    void on_pushButton_Setting_clicked();
    void onMinApp();
    void onQuitApp();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void onClickCtrlHidListStatusBut();
    void onReturnHidLikeName(QString productName, QString likeName);
    void omUpdataAllUI();
    void onChangAppTheme(int themeIndex);
    void onShowMacroPage();
    void onShowSeniorKeysPage();
    void onMacroPageClose();
    void onSeniorKeysPageClose();
    void onSettingsWindowClose();
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void onIntoOrRemoveHidOver();
    void onUpdateApp();
    // Firmware-upgrade driver entry points.
    void onHaveCheckUpgradeFirmwareNUC();
    void ontheHidIntoFirmwareUpgrade();
    void onFirmwareUpgradeCheck();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void registerDeviceNotify();
    void initDeviceSdk();
    void initWidgets();
    // In place of the native device-change message: one arrival or removal of a HID device.
    void onDeviceChange(const QString &path, bool arrival);
    void createTrayIcon();
    void retranslateTrayActions();
    void placeDeviceListHandle();
    void setDeviceListHandleImages(bool listShown);
    QRect globalWindowRect() const;
    QWidget *openOverlay();
    void showSecondaryScreen(QWidget *screen);
    [[noreturn]] void exitApplication();

    Ui_DMainWidget *m_ui;
    QPushButton *m_listCtrlButton = nullptr;
    bool m_isHidListShow = true;
    // Filled by the SDK start-up; stays null while the SDK is not started.
    const QList<SupportInfoStu> *m_supportInfoList = nullptr;
    std::unique_ptr<DeviceSdkStartup> m_sdkStartup;
    DeviceNotifier *m_deviceNotifier = nullptr;

    // Frame handling.
    QPoint m_dragAnchor;
    bool m_isDragging = false;
    bool m_resizePressed = false;
    WindowEdge m_edge = NONE;

    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_minimizeAction = nullptr;
    QAction *m_maximizeAction = nullptr;
    QAction *m_revertAction = nullptr;
    QAction *m_quitAction = nullptr;

    DDevicePage *m_devicePage = nullptr;
    // The firmware check and upgrade; the firmware slots forward to it.
    FirmwareUpgradeDriver *m_firmwareDriver = nullptr;
    QPointer<DMacroPage> m_macroPage;
    QPointer<QWidget> m_overlay;

    QString m_companyName;
    // Local 8-bit paths of the macro and advanced-key files; empty until the SDK start-up fills them.
    char m_macroXmlPath[256] = {};
    char m_seniorKeyXmlPath[256] = {};

    QString m_settingsPath;
    QSettings *m_settings = nullptr;

    QString m_productName = "HID";
    QString m_likeName = "RGB";
};

// The one main window, for callbacks that carry no context (firmware upgrade).
extern DMainWidget *g_mainWidget;
