#pragma once

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

// The trigger tab's painted travel bar: one segment per 0.1 mm step, a draggable actuation mark that
// snaps to the boundaries between segments, and an optional live fill from the top. Every paint
// reports the mark's step.
class DSensitivityShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DSensitivityShowWidget(QWidget *parent = nullptr);

    void setDrawArea(int width, int height);
    void setStepCount(int n);
    void setColors(QColor segment, QColor liveFill, QColor spare, QColor label, QColor background);
    void setBarWidth(int width);
    // Puts the mark on the boundary of a 1-based step, clamped to the boundaries there are.
    void setCenterMark(int step);
    void setLiveTravel(int segments);
    void setLiveTravelVisible(bool visible);

    int stepCount() const { return m_stepCount; }
    QVector<int> ticks() const { return m_ticks; }
    int centerY() const { return m_centerY; }
    int centerStep() const { return m_centerStep; }
    int liveTravel() const { return m_liveTravel; }
    bool isLiveTravelVisible() const { return m_liveTravelVisible; }

signals:
    void sigCurrentStrengthNumBack(int whereData, int StrengthNum);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_drawWidth = 0;
    int m_drawHeight = 0;
    int m_stepCount = 10;
    int m_segmentHeight = 0;
    int m_gap = 2;
    QColor m_segmentColor;
    QColor m_liveFillColor;
    QColor m_spareColor;
    QColor m_labelColor;
    QColor m_backgroundColor;
    int m_barWidth = 100;
    int m_liveTravel = 0;
    bool m_liveTravelVisible = true;
    bool m_dragging = false;
    int m_centerY = 0;
    QPixmap m_markPicture;
    QVector<int> m_ticks;
    int m_fadeBase[3] = {0, 0, 0};
    int m_fadeDecrement[3] = {0, 0, 0};
    int m_centerStep = 0;
};
