#pragma once

#include <QWidget>

class Ui_DKeyCalibrationExplainDia;

// Text panel of the trigger tab's explanation pop-ups; the type picks one of four pages:
// 0 calibration steps, 1 quick trigger, 2 magnetic key, 3 all-keys calibration.
class DKeyCalibrationExplainDia : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyCalibrationExplainDia(int type, QWidget *parent = nullptr);
    ~DKeyCalibrationExplainDia() override;

private:
    Ui_DKeyCalibrationExplainDia *m_ui;
};
