#pragma once

#include "app/WindowsHookInterface.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class ArrowWidget;
class DChangProfilePage;
class DChangeKeyPage;
class DHotKeyPage;
class DKeyCombinationPage;
class DKeyConfigFunctionPage;
class DKeyDisablePage;
class DKeyFunctionPage;
class DKeyWithAppPage;
class DKeyWithTextPage;
class DKeyboardLightCustomEventPage;
class DMacroCmdPage;
class DMouseKeyPage;
class DMultimediaPage;
class DResetDefaultPage;
class DSeniorKeysBindingPage;
class DSideLightCustomEventPage;
class QButtonGroup;
class QMovie;
class Ui_DCustomKeysPage;

// The key-assignment tab of the device page: opens the page of a clicked key's stored operation,
// re-marks key caps after a page stored, relays result texts, the layer switch and the download
// request, and owns the program's one global keyboard hook (every start is preceded by a stop,
// so one mode runs at a time).
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    void retranslate();
    void applyTheme();
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    QString profileXmlPath() const { return QString::fromLocal8Bit(m_profileXmlPath); }
    void enterPage(int layer);
    void setPressModeSelectVisible(int layer);
    void initForDevice();
    void setInteractLightHook(bool on, int callerTag);
    void setMacroRecordHook(bool isStartHook);
    void stopDownloadAnimation();
    void showFunctionTip(int buttonId);

    bool isDownloading() const { return m_isDownloading; }
    int functionCode() const { return m_functionCode; }
    // The mode last started (999 before the first start); stays after a stop.
    int hookMode() const { return m_hookMode; }
    bool hasLayerEntry(int keyDec);
    bool hasMagneticLayerEntry(int keyDec);

signals:
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

public slots:
    void onCurIndexChanged_Key(int selIndex);
    void onCurIndexChanged_Mode(int selIndex);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onKeyboardAlreadyLoad(int keyDec);
    void onShoudUpdateKeyboard(int keyDec);
    void onCustomKeyInfoSaveSuccessful();
    void onClickedCancel();
    void onCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onSeniorKeysListItemHaveChanged();
    void onMesgStartOrStopHook(bool isStartHook);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void on_pushButton_Download_clicked();
    void onInstallEventFilterOpen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPages();
    void setOwnTexts();
    void connectPage(DKeyFunctionPage *page, bool reportsSuccess);
    void markKeyCap(int keyDec, bool keepMarkedOnlyWithEntry);
    bool hasEntryIn(const char *path, int profileIndex, int keyDec);
    void restartHook(int mode);

    Ui_DCustomKeysPage *m_ui;
    WindowsHookInterface m_hookInterface;
    int m_hookMode = HOOK_NONE;
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    QPointer<ArrowWidget> m_tipWidget;
    QMovie *m_loadingMovie;
    bool m_isDownloading = false;
    // True while the download request's receivers run: the download waits process events, so the
    // tab can be entered again in the middle of it.
    bool m_downloadRequestRunning = false;

    DResetDefaultPage *m_defaultPage = nullptr;
    DMacroCmdPage *m_macroPage = nullptr;
    DChangeKeyPage *m_remapPage = nullptr;
    DMouseKeyPage *m_mousePage = nullptr;
    DKeyWithTextPage *m_textPage = nullptr;
    DKeyDisablePage *m_disablePage = nullptr;
    DMultimediaPage *m_multimediaPage = nullptr;
    DKeyCombinationPage *m_combinationPage = nullptr;
    DHotKeyPage *m_hotKeyPage = nullptr;
    DChangProfilePage *m_profilePage = nullptr;
    DKeyWithAppPage *m_appPage = nullptr;
    DKeyboardLightCustomEventPage *m_keyboardLightPage = nullptr;
    DSideLightCustomEventPage *m_sideLightPage = nullptr;
    DKeyConfigFunctionPage *m_keyConfigPage = nullptr;
    DSeniorKeysBindingPage *m_seniorKeysPage = nullptr;
    // The pages by button id, in the order they were created.
    QList<QPair<int, DKeyFunctionPage *>> m_pages;

    QButtonGroup *m_functionGroup = nullptr;
    QButtonGroup *m_layerGroup = nullptr;
    bool m_isSilentSwitch = false;
    int m_functionCode = -1;
};
