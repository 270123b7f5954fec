#pragma once

#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QVector>

// The device page's magnetic-switch commands: turns key selections and the trigger tab's values into
// 0x29 reports on the current device's HID I/O object. Keys are QPoint(row, column).
class MagneticCommands : public QObject
{
    Q_OBJECT

public:
    explicit MagneticCommands(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *hidInterface);
    MainHidInterFace *hidInterface() const { return m_hidInterface.data(); }

    void applyConfig(int selMode, const QVector<QPoint> &selection, int actuation, int release, int rapidPress,
                     int rapidRelease);
    void sendSelection(const QVector<QPoint> &selection);
    void queryKey(int row, int column);
    void restoreDefaults();
    void setAntiShake(int value);
    void setReportRate(int value);

    // Calibration: switching a mode keeps the data manager's calibration flag, clears the chosen key
    // and (single-key) the keyboard's selection.
    void setCalibrationMode(bool on);
    void chooseCalibrationKey(int row, int column);
    QPoint calibrationPoint() const { return m_calibrationPoint; }
    void startKeyCalibration();
    void setAllKeysCalibration(bool on);

signals:
    void sigNotice(const QString &text);

private:
    // False when there is no device or the report could not be queued (logged).
    bool queue(const HidCmdReport &report);
    void setValue(int subCommand, int value);

    // Cleared when the current device's link goes.
    QPointer<MainHidInterFace> m_hidInterface;
    QPoint m_calibrationPoint{-1, -1};
};
