#pragma once

#include "device/hidStructInfoAll.h"
#include "sdk/store/VorlanXmlRecords.h"
#include "ui/mainwidget/devicePage/download/ReplyWait.h"

#include <QElapsedTimer>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class ArrowWidget;
class CbNotice;
class CurrentDeviceDownload;
class DCustomKeysPage;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DeviceRoster;
class DLightsConfigPage;
class DPerformancePage;
class DTriggerSettingPage;
class QButtonGroup;
class QLayout;
class QTimer;
class Ui_DDevicePage;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;
class lightDealMain;
class MagneticCommands;
class ProfileDialogProvider;
class ProfileOperations;
class SleepTimeSettings;

// The central page of the main window: the device cards on the left, the current device's
// keyboard view, tab bar and tabs on the right.
class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    void retranslate();
    void applyTheme();
    void setDeviceListVisible(bool visible);
    void stopLightDealWork();
    // Closes every opened device's HID I/O object, so no I/O thread uses a handle at exit.
    void closeDeviceLinks();
    QPoint toastPosition() const;
    void clearDeviceList();
    void showTabTip(int index);
    // Hot-plug entry of the main window: DeviceRoster::Arrival (11) or DeviceRoster::Removal (12).
    void updateHidList(int changeCode, QString hidPath);

    QMap<QString, QPointer<DDeviceKeyboardLink>> getDeviceLinkMap() const;
    QMap<QString, hidStructInfoAll> getHidInfoMap() const;
    QMap<QString, DDeviceListItem *> getDeviceItemMap() const { return m_deviceItemMap; }
    QMap<QString, int> getDongleStateMap() const;
    DDeviceListItem *getCurrentDeviceItem() const { return m_currentDeviceItem; }
    lightDealMain *lightEngine() const { return m_lightEngine.get(); }
    DDeviceKeyboardLink *getCurrentDeviceLink() const;
    hidDeviceJoinFrame *getKeyView() const { return m_keyView; }
    // The device records, links and current device behind the cards.
    DeviceRoster &roster() { return *m_roster; }
    const DeviceRoster &roster() const { return *m_roster; }
    // The cards in the order the list shows them.
    QList<DDeviceListItem *> deviceListOrder() const;
    // The page's wait for device replies; tests replace its clock.
    ReplyWait &replyWait() { return m_replyWait; }
    // The current profile: its layer file (empty without a device of its own) and index.
    const char *profileXmlPath() const { return m_profileXmlPath; }
    int profileIndex() const { return m_profileIndex; }
    // The custom light set chosen on the lighting tab.
    int customLightSlot() const { return m_customLightSlot; }
    // The caps of the current picture by (row, column); null where the model has no key.
    keyboardButCustom *keyAt(int row, int column) const;
    void setKeyAt(int row, int column, keyboardButCustom *cap);
    // The key being calibrated, (-1, -1) outside a calibration, and the keys the all-keys
    // calibration marked so far.
    QPoint calibrationPoint() const { return m_calibrationPoint; }
    QList<keyboardButCustom *> calibratedKeys() const { return m_calibratedKeys; }

    // Opening devices and the current device.
    void openDeviceLink(hidStructInfoAll record);
    void setCurrentDevice(hidStructInfoAll record);
    void startLightEngine();

    // Profiles of the current device: folder and layer files, the current profile and its list.
    void prepareProfileFiles(hidStructInfoAll record, int);
    void loadCurrentProfile();
    void refreshProfileList();
    void addDefaultLightInfo(int profileIndex);
    void addDefaultCustomLights(int profileIndex);
    void addDefaultCustomLightItems(int profileIndex, int setIndex);
    void saveCustomLightSet();

    // The link label's rich text: the link shown underlined in the given "r,g,b" colour.
    static QString companyLinkText(const QString &link, const QString &colour);

signals:
    void sigShowMacroPage();
    void sigShowSeniorKeysPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigUpdateDeviceListShow();
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void sigHaveCheckUpgradeFirmwareNUC();
    void sigIntoOrRemoveHidOver();

public slots:
    void onEveryPageBackTip(QString strTip);
    void onCloseMenuWidow();
    void onLickActivited(QString str);
    void onScrollSheetSet();
    // The first device scan, run from the event loop after construction.
    virtual void onLoadDeviceList();
    void onUpdateDeviceListShow();
    void onHidItemMouseClicked(hidStructInfoAll hidStuInfo);

    // Reports of the device links.
    void onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                            QString strCurrentSN);
    void onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void onQN9080Recv0x0bCmd(int recvNum);
    void onSleepTimeSetSuccessful();
    void onTheKeyboardModeChanged(int mode);
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningOnboardDownloadStatus(int statusNun);

    // The keyboard view's selection area.
    void onDragAreaMoveOneKey(bool isSelectedOneKey);
    void onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);
    void onDragArea_SelectKeys(int startX, int startY, int endX, int endY);
    void onDragShowAreaMouseMovePoint(int moveX, int moveY);
    void onDragAreaMousePressOrRelease(bool isMousePress);

    // Tabs and layers.
    void onCurIndexChangedMainPage(int index);
    void onAutoIntoCustomKeysPage();
    void onDefaultLayerAndFnLayerSwitch(int layer);
    void onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void onCustomEventChangProfile(int changeProfileIndex);
    void on_pushButton_MoreBig_clicked();
    void on_pushButton_MoreSmall_clicked();
    void on_pushButton_ChangModeTest_clicked();
    void on_pushButton_Test_clicked();
    void on_toolButton_MacroDialog_clicked();
    void on_toolButton_SeniorKey_clicked();

    // Lighting relays.
    void onInteractLightsPointXY(int row, int column);
    void onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info);
    void onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData info);
    void onLightConfigHaveChanged(int from, colorInfoData info);
    void onLightConfigHaveChanged_Custom(int from, colorInfoData info);
    void onCustomLightItemHaveChanged(int flagIndex, QString setIndex, QString setName);
    void onLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);

    // Profiles, sleep times, download and keyboard status.
    void on_pushButton_ProfileOperate_clicked();
    void onProfileCreate();
    void onProfileDelete();
    void onProfileExport();
    void onProfileImport();
    void onProfileModifyName();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void on_comboBox_profileList_currentIndexChanged(const QString &text);
    void on_pushButton_Reset_clicked();
    void onResetoreCurrentProfile();
    void onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void onTheKeyboardIntoDownloading();
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onTimerChangingBatteryNum();

    // Magnetic switches.
    void onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                  int strengthNum_QuickTrigger_R);
    void onMagnetsKeyboardDefaultSensitivity();
    void onKeyAntiShakeCurrentNum(int num);
    void onKeyRateOfReturnCurrentNum(int num);
    void onCalibrationMode(int on);
    void onKeyCalibrationStartRuning();
    void onAllKeysCalibrationMode(int on);
    void onQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void applyViewScale();

private:
    void createSubPages();
    // Profile, sleep-time and magnetic-switch helpers follow the current device and profile.
    void createProfileTools();
    void syncProfileTools();
    // The keys selected on the picture, as (row, column).
    QVector<QPoint> selectedMatrixKeys() const;
    void setKeysCalibrationMode(bool on);
    // Calibration shows the key picture above the selection area; its end brings the area back.
    void showKeyPictureForCalibration(bool lightEdit, bool hover);
    void restoreViewAfterCalibration();
    void stopLightEngine();
    DDeviceListItem *createDeviceCard(const hidStructInfoAll &record);
    void prepareDeviceListLayout();
    void showNoDevice();
    void buildKeyView(const hidStructInfoAll &record);
    void adaptControlsToDeviceType();
    void showStatusOfNewCurrent(const hidStructInfoAll &record);
    // Connects the roster's reports to the cards, the view and the current device's work.
    void connectRoster();
    void connectLinkReports(DDeviceKeyboardLink *link);
    void addDeviceCard(const hidStructInfoAll &record);
    void showDeviceOffline(const QString &path, const hidStructInfoAll &offlineRecord);
    // The current device leaves (removed, or its receiver lost it): its work stops.
    void stopCurrentDeviceWork();
    void onHotPlugHandled(int changeCode);
    void reorderDeviceCards();
    QString moveTipText() const;
    void setProfileXmlPath(const QByteArray &path);
    void setLightEditView(bool lightEdit);
    void markMagneticLayerKeys();
    void applyZoom(double zoomFactor);

    Ui_DDevicePage *m_ui;
    QString m_desktopFolder;
    CbNotice *m_pageToast = nullptr;
    QString m_companyLink;
    QLayout *m_deviceListLayout = nullptr;
    DCustomKeysPage *m_customKeysPage = nullptr;
    DLightsConfigPage *m_lightsPage = nullptr;
    DPerformancePage *m_performancePage = nullptr;
    DTriggerSettingPage *m_triggerPage = nullptr;
    QString m_scrollBarSheet;
    // Outside the widget tree; lives as long as the page, which the program keeps for the whole run.
    std::unique_ptr<lightDealMain> m_lightEngine;
    // The one pop-up the page knows of; a replaced one is deleted.
    QPointer<ArrowWidget> m_profileMenuPopup;
    dragShowArea *m_dragArea = nullptr;
    QWidget *m_viewContainer = nullptr;
    hidDeviceJoinFrame *m_keyView = nullptr;
    keyboardButCustom *m_keyMatrix[6][22] = {};
    ReplyWait m_replyWait;
    CurrentDeviceDownload *m_download = nullptr;
    QString m_serialNumber;
    DeviceRoster *m_roster = nullptr;
    bool m_lightEditTest = false;
    int m_customLightSlot = -1;
    QButtonGroup *m_tabButtonGroup = nullptr;
    QTimer *m_batteryTimer = nullptr;
    int m_batteryAnimationLevel = 0;

    int m_currentPageIndex = -1;
    int m_currentKeyboardLightType = -1;
    int m_currentLayer = -1;
    double m_zoomFactor = 1.0;
    // The scale the view shows: the zoom, as far as the view's frame has room for it.
    float m_viewScale = 1.0f;
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    int m_keyboardLightTypeInUse = 2;
    int m_sideLightTypeInUse = 2;
    int m_lightRunningStatus = 0;
    int m_lightSyncStatus = 0;
    bool m_firstSelection = true;
    bool m_sleepTimeConfirmed = false;
    // The cards by the key the roster's rules give them: path, or model name when offline.
    QMap<QString, DDeviceListItem *> m_deviceItemMap;
    DDeviceListItem *m_currentDeviceItem = nullptr;
    QPoint m_calibrationPoint = QPoint(-1, -1);
    std::unique_ptr<ProfileDialogProvider> m_profileDialogs;
    ProfileOperations *m_profileOperations = nullptr;
    SleepTimeSettings *m_sleepTimeSettings = nullptr;
    MagneticCommands *m_magneticCommands = nullptr;
    QList<keyboardButCustom *> m_calibratedKeys;
    QString m_deviceFolder;
};
