#pragma once

#include <QSlider>

// A QSlider that reacts to presses only near its handle, never jumps to the press and ignores the wheel.
class MySlider : public QSlider
{
    Q_OBJECT

public:
    // Event type sent to the parent widget after an accepted press.
    static constexpr int PressAcceptedEventType = 1001;

    explicit MySlider(QWidget *parent = nullptr);

    void setHandleMargins(int left, int right);
    void setRangeStartsAtZero(bool on);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_leftMargin = 10;
    int m_rightMargin = 5;
    bool m_rangeStartsAtZero = true;
};
