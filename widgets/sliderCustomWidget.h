#pragma once

#include <QColor>
#include <QVector>
#include <QWidget>

// Painted slider with a fixed number of steps; the handle snaps to the ticks.
class sliderCustomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit sliderCustomWidget(QWidget *parent = nullptr);

    void setSliderSize(int width, int height);
    void setMargin(int margin);
    void setStepCount(int steps);
    void setCurrentPosition(int index);
    void setGrooveColor(const QColor &color);
    void setTickColor(const QColor &color);
    void setHandleColor(const QColor &color);

    QVector<int> tickPositions() const { return m_ticks; }
    int handleX() const { return m_handleX; }
    int handleY() const { return m_handleY; }
    int grooveY() const { return m_grooveY; }
    int grooveEnd() const { return m_grooveEnd; }

signals:
    void sigBackCurrentPositionNum(int currPositionIndex);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_stepCount = 5;
    QVector<int> m_ticks;
    int m_margin = 10;
    int m_grooveEnd = 120;
    int m_grooveY = 15;
    int m_handleX = 10;
    int m_handleY = 14;
    QColor m_grooveColor = QColor(138, 128, 128);
    QColor m_tickColor = QColor(138, 128, 128);
    QColor m_handleColor = QColor(255, 143, 31);
};
