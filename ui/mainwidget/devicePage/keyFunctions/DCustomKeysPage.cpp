#include "DCustomKeysPage.h"

#include "DDataManager.h"
#include "WindowsHookInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent)
    , m_hook(new WindowsHookInterface(this))
    , m_downloadButton(new QPushButton(this))
    , m_loadingLabel(new QLabel(this))
    , m_loadingMovie(new QMovie(":/images/Loading.gif", QByteArray(), this))
{
    setObjectName("DCustomKeysPage");
    m_downloadButton->setObjectName("pushButton_Download");
    m_loadingLabel->setObjectName("label_Loading");
    m_loadingLabel->setFixedSize(24, 24);
    m_loadingLabel->setScaledContents(true);
    m_loadingLabel->setMovie(m_loadingMovie);
    m_loadingLabel->hide();
    auto *layout = new QHBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_loadingLabel);
    layout->addWidget(m_downloadButton);
    retranslate();
    QMetaObject::connectSlotsByName(this);

    DDataManager *data = DDataManager::instance();
    // Direct: requestMacroRecordHook reads the stored result right after the emission.
    connect(data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
            &DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord, Qt::DirectConnection);
    connect(data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar, this,
            &DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar);
    connect(data, &DDataManager::sigSeniorKeysListItemHaveChanged, this,
            &DCustomKeysPage::onSeniorKeysListItemHaveChanged);
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            &DCustomKeysPage::onKeyboardRecviveStream, Qt::DirectConnection);
}

void DCustomKeysPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QWidget#DCustomKeysPage{background-color: rgb(%1);}"
                          "QPushButton#pushButton_Download{color: rgb(%2);}")
                      .arg(theme.DeviceRightBgColor, theme.TextDefaultColor));
}

void DCustomKeysPage::enterPage(int layer)
{
    Q_UNUSED(layer);
    // The key-function pages and layer buttons come with the key assignment.
    DDataManager::instance()->clearCurrentKey();
}

void DCustomKeysPage::initForDevice()
{
    m_changeCode = 10;
}

void DCustomKeysPage::retranslate()
{
    m_downloadButton->setText(tr("Download"));
}

void DCustomKeysPage::setInteractLightHook(bool on, int ignored)
{
    Q_UNUSED(ignored);
    m_hook->stopHook();
    if (on)
        m_hook->startHook(HOOK_INTERACT_LIGHT);
}

void DCustomKeysPage::setPressModeSelectVisible(int mode)
{
    Q_UNUSED(mode);
    // The press-mode choice is never shown.
}

void DCustomKeysPage::setProfileXmlPath(const char *path)
{
    qstrncpy(m_profileXmlPath, path ? path : "", sizeof m_profileXmlPath);
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    m_loadingMovie->start();
    m_loadingLabel->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::stopDownloadAnimation()
{
    m_downloading = false;
    m_loadingMovie->stop();
    m_loadingLabel->hide();
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    bool result = m_hook->stopHook() == 1;
    if (isStartHook)
        result = m_hook->startHook(HOOK_MACRO_RECORD) == 1;
    DDataManager::instance()->setMacroRecordHookResult(result);
}

void DCustomKeysPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(keyCode);
    Q_UNUSED(scCode);
    Q_UNUSED(flag);
    Q_UNUSED(hookFlag);
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    Q_UNUSED(keyCode);
    Q_UNUSED(strChar);
}

void DCustomKeysPage::onMesgStartOrStopHook(bool isStartHook)
{
    m_hook->stopHook();
    if (!isStartHook)
        return;
    if (m_changeCode == 1)
        m_hook->startHook(HOOK_KEY_CAPTURE);
    else if (m_changeCode == 2)
        m_hook->startHook(HOOK_KEY_CAPTURE_ALT);
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged()
{
}
