// The device page's download of the key configuration into the current keyboard.

#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "ui/mainwidget/devicePage/CurrentDeviceDownload.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"

void DDevicePage::onTheKeyboardIntoDownloading()
{
    const CurrentDeviceDownload::Outcome outcome = m_download->run();
    // A download already running keeps the tab's animation; anything else ends it.
    if (outcome == CurrentDeviceDownload::Outcome::AlreadyRunning)
        return;
    m_customKeysPage->stopDownloadAnimation();
    // Without a keyboard or a profile to send, the click still ends with the failure toast.
    onEveryPageBackTip(OnboardDownload::resultText(outcome == CurrentDeviceDownload::Outcome::Successful));
}

void DDevicePage::onRuningOnboard0x19Cmd()
{
    m_download->onAcknowledged();
}

void DDevicePage::onRuningOnboardDownloadStatus(int statusNun)
{
    m_download->onDownloadStatus(statusNun);
}
