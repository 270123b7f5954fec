#include "ui/mainwidget/devicePage/profileOps/MagneticCommands.h"

#include "app/DDataManager.h"
#include "device/MainHidInterFace.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticReports.h"

#include <QDebug>

namespace {

QString operateSuccessful()
{
    return QObject::tr("Operate successful");
}

QString selectOneKeyFirst()
{
    return QObject::tr("Please select one Key first");
}

} // namespace

MagneticCommands::MagneticCommands(QObject *parent)
    : QObject(parent)
{
}

void MagneticCommands::setHidInterface(MainHidInterFace *hidInterface)
{
    m_hidInterface = hidInterface;
}

bool MagneticCommands::queue(const HidCmdReport &report)
{
    if (!m_hidInterface)
        return false;
    if (m_hidInterface->sendCommand(report.data()) < 0) {
        qDebug().noquote() << "USB serial port [Write Sensitivity-data] Failed ...";
        return false;
    }
    return true;
}

void MagneticCommands::applyConfig(int selMode, const QVector<QPoint> &selection, int actuation, int release,
                                   int rapidPress, int rapidRelease)
{
    if (!m_hidInterface)
        return;
    if (selection.isEmpty()) {
        emit sigNotice(selectOneKeyFirst());
        return;
    }
    const QByteArray bitmap = MagneticReports::columnBitmap(selection);
    // A report that never left is not a success.
    if (queue(MagneticReports::applyReport(selMode, bitmap, actuation, release, rapidPress, rapidRelease)))
        emit sigNotice(operateSuccessful());
}

void MagneticCommands::sendSelection(const QVector<QPoint> &selection)
{
    queue(MagneticReports::selectionReport(MagneticReports::columnBitmap(selection)));
}

void MagneticCommands::queryKey(int row, int column)
{
    queue(MagneticReports::keyReport(MagneticReports::QueryKey, row, column));
}

void MagneticCommands::restoreDefaults()
{
    queue(MagneticReports::magneticReport(MagneticReports::RestoreDefaults));
}

void MagneticCommands::setAntiShake(int value)
{
    setValue(MagneticReports::AntiShake, value);
}

void MagneticCommands::setReportRate(int value)
{
    setValue(MagneticReports::ReportRate, value);
}

void MagneticCommands::setValue(int subCommand, int value)
{
    if (!queue(MagneticReports::valueSetReport(subCommand, value)))
        return;
    if (subCommand == MagneticReports::AntiShake)
        DDataManager::instance()->setAntiShakeValue(value);
    else
        DDataManager::instance()->setRateOfReturnValue(value);
    emit sigNotice(operateSuccessful());
}

void MagneticCommands::setCalibrationMode(bool on)
{
    DDataManager::instance()->setKeyCalibrationRunning(on);
    m_calibrationPoint = QPoint(-1, -1);
    sendSelection({});
}

void MagneticCommands::chooseCalibrationKey(int row, int column)
{
    m_calibrationPoint = QPoint(row, column);
    sendSelection({m_calibrationPoint});
}

void MagneticCommands::startKeyCalibration()
{
    if (!DDataManager::instance()->isKeyCalibrationRunning()) {
        emit sigNotice(QObject::tr("Please switch to key calibration mode first"));
        return;
    }
    if (m_calibrationPoint.x() == -1 || m_calibrationPoint.y() == -1) {
        emit sigNotice(selectOneKeyFirst());
        return;
    }
    if (queue(
            MagneticReports::keyReport(MagneticReports::CalibrateKey, m_calibrationPoint.x(), m_calibrationPoint.y())))
        emit sigNotice(operateSuccessful());
}

void MagneticCommands::setAllKeysCalibration(bool on)
{
    DDataManager::instance()->setKeyCalibrationRunning(on);
    m_calibrationPoint = QPoint(-1, -1);
    queue(MagneticReports::allKeysCalibrationReport(on));
}
