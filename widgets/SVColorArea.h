#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// Colour picker: a press on the disc picks the screen colour under the pointer; the outer ring's
// knob sets a value from 0 to 100.
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);

    void resetRotateValue();
    double ringValue() const { return m_ringValue; }

signals:
    void svChangedSignal(int hue, int saturation, int value);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(QString strHexRGB);
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool);

public slots:
    // Reads the screen pixel under the pointer and reports it.
    void print2();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawDisc();
    void updateRing(const QPoint &pos);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    int m_discDiameter = 80;
    QPixmap m_discPixmap;
    QColor m_knobColor1 = QColor(255, 49, 53);
    QColor m_knobColor2 = QColor(250, 250, 250);
    double m_ringValue = 0;
    double m_ringMaximum = 100;
    double m_ringMinimum = 0;
    bool m_pressedInside = false;
};
