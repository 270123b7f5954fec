// The lighting tab's light mode reports and custom-light frames.
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "app/DDataManager.h"
#include "device/LightReports.h"
#include "widgets/keyboardButCustom.h"

#include <QtDebug>

void DLightsConfigPage::setReportQueue(ReportQueue queue)
{
    if (queue) {
        m_reportQueue = std::move(queue);
        return;
    }
    // Without a device (none yet, or its link went) nothing can be queued.
    m_reportQueue = [this](const unsigned char *report) {
        return m_hidInterface ? m_hidInterface->sendCommand(report) : -1;
    };
}

void DLightsConfigPage::queueReport(const HidCmdReport &report, const char *failure)
{
    if (m_reportQueue(report.data()) < 0)
        qDebug().noquote() << failure;
}

void DLightsConfigPage::sendKeyboardLightReport(colorInfoData record)
{
    queueReport(LightReports::keyboardModeReport(record, m_clock()), "USB serial port [Write Led] Failed ...");
}

void DLightsConfigPage::sendSideLightReport(colorInfoData record)
{
    queueReport(LightReports::sideModeReport(record, m_clock()), "USB serial port [Write Side Led] Failed ...");
}

void DLightsConfigPage::sendSideLightConfig(colorInfoData info)
{
    sendSideLightReport(info);
}

void DLightsConfigPage::sendCustomLightPacket(int slot, int, int packet, const QVector<int> &values)
{
    queueReport(LightReports::customLightPacket(slot, packet, values), "USB serial port [Write custom-Led] Failed ...");
}

void DLightsConfigPage::sendCustomLightFrames(int slot)
{
    QVector<QColor> cells;
    for (const keyboardButCustom *cap : DDataManager::instance()->getKeyInfoList())
        cells.append(cap ? cap->getLightColor() : QColor(0, 0, 0));
    const QVector<QVector<int>> packets = LightReports::customLightPacketValues(cells);
    for (int packet = 0; packet < packets.size(); ++packet)
        sendCustomLightPacket(slot, 0, packet, packets.at(packet));
    m_sleeper(5);
    queueReport(LightReports::customLightModeReport(m_currentLight), "USB serial port [Write Led] Failed ...");
}
