#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;
class WindowsHookInterface;

// The key-customisation tab. It owns the program's one global keyboard hook and is the only
// code that starts or stops it.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);

    void applyTheme();
    void enterPage(int layer);
    void initForDevice();
    void retranslate();
    void setInteractLightHook(bool on, int ignored);
    void setPressModeSelectVisible(int mode);
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    QString profileXmlPath() const { return QString::fromLocal8Bit(m_profileXmlPath); }
    void stopDownloadAnimation();
    bool isDownloading() const { return m_downloading; }

public slots:
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onMesgStartOrStopHook(bool isStartHook);
    void onSeniorKeysListItemHaveChanged();
    void on_pushButton_Download_clicked();

signals:
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigDefaultLayerAndFnLayerSwitch(int layer);
    void sigInteractLightsPointXY(int row, int column);
    void sigSomeMessageTip_CustomKeysPage(QString tip);

private:
    WindowsHookInterface *m_hook;
    QPushButton *m_downloadButton;
    QLabel *m_loadingLabel;
    QMovie *m_loadingMovie;
    bool m_downloading = false;
    // The key-function choice: 1 remap, 2 key combination, 10 default.
    int m_changeCode = 10;
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
};
