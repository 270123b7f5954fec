#include "ui/mainwidget/devicePage/CurrentDeviceDownload.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"
#include "widgets/keyboardButCustom.h"

#include <QFileInfo>

CurrentDeviceDownload::CurrentDeviceDownload(std::function<MainHidInterFace *()> currentHid, QObject *parent)
    : QObject(parent)
    , m_currentHid(std::move(currentHid))
{
}

CurrentDeviceDownload::Outcome CurrentDeviceDownload::run()
{
    DDataManager *data = DDataManager::instance();
    char profilePath[DDataManager::kPathBufferSize] = {};
    data->getCurrentProfileXmlPath(profilePath);
    if (!m_currentHid() || profilePath[0] == '\0')
        return Outcome::NothingToDownloadTo;
    if (!m_download) {
        m_download = new OnboardDownload(m_waiter, this);
        m_download->setTargetProvider([this]() -> OnboardReportSink * {
            MainHidInterFace *current = m_currentHid();
            return current && current == m_sink.interface() ? &m_sink : nullptr;
        });
    }
    // The download processes events while it waits: a second request is not started inside it.
    if (m_download->isRunning())
        return Outcome::AlreadyRunning;
    m_sink.setInterface(m_currentHid());

    OnboardDownloadRequest request;
    for (keyboardButCustom *keyCap : data->getKeyInfoList())
        request.keyCodes.append(keyCap ? keyCap->getKeyDec() : 0);
    request.magnetic = data->isMagneticKeyboard();
    // The layer files of the current device sit side by side in its profile folder.
    request.deviceFolder = QFileInfo(QString::fromLocal8Bit(profilePath)).absolutePath();
    char seniorKeyPath[DDataManager::kPathBufferSize] = {};
    data->getSeniorKeyXmlPath(seniorKeyPath);
    request.seniorKeyXmlPath = QString::fromLocal8Bit(seniorKeyPath);

    return m_download->run(request) ? Outcome::Successful : Outcome::Failed;
}

void CurrentDeviceDownload::onAcknowledged()
{
    if (m_download)
        m_download->onAcknowledged();
}

void CurrentDeviceDownload::onDownloadStatus(int status)
{
    if (m_download)
        m_download->onDownloadStatus(status);
}
