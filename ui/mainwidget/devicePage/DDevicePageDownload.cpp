// The device page's download of the key configuration into the current keyboard.

#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "widgets/keyboardButCustom.h"

#include <QFileInfo>

void DDevicePage::onTheKeyboardIntoDownloading()
{
    DDataManager *data = DDataManager::instance();
    char profilePath[DDataManager::kPathBufferSize] = {};
    data->getCurrentProfileXmlPath(profilePath);
    // Nothing to download to without a current device and its files: end the tab's animation at once.
    if (!m_roster->currentHidInterface() || profilePath[0] == '\0') {
        m_customKeysPage->stopDownloadAnimation();
        return;
    }
    if (!m_onboardDownload) {
        m_onboardDownload = new OnboardDownload(m_downloadWaiter, this);
        // A switch or unplug of the current device during the download's waits stops it.
        m_onboardDownload->setTargetProvider([this]() -> OnboardReportSink * {
            MainHidInterFace *current = m_roster->currentHidInterface();
            const bool same = current && current == m_downloadSink.interface();
            return same ? &m_downloadSink : nullptr;
        });
    }
    // The download processes events while it waits: a second request is not started inside it.
    if (m_onboardDownload->isRunning())
        return;
    m_downloadSink.setInterface(m_roster->currentHidInterface());

    OnboardDownloadRequest request;
    for (keyboardButCustom *keyCap : data->getKeyInfoList())
        request.keyCodes.append(keyCap ? keyCap->getKeyDec() : 0);
    request.magnetic = data->isMagneticKeyboard();
    // The layer files of the current device sit side by side in its profile folder.
    request.deviceFolder = QFileInfo(QString::fromLocal8Bit(profilePath)).absolutePath();
    char seniorKeyPath[DDataManager::kPathBufferSize] = {};
    data->getSeniorKeyXmlPath(seniorKeyPath);
    request.seniorKeyXmlPath = QString::fromLocal8Bit(seniorKeyPath);

    const bool successful = m_onboardDownload->run(request);
    m_customKeysPage->stopDownloadAnimation();
    onEveryPageBackTip(OnboardDownload::resultText(successful));
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    if (m_onboardDownload)
        m_onboardDownload->onAcknowledged();
}

void DDevicePage::onRuningOnboardDownloadStatus(int statusNun)
{
    if (m_onboardDownload)
        m_onboardDownload->onDownloadStatus(statusNun);
}
