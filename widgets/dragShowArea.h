#pragma once

#include <QPoint>
#include <QWidget>

// Transparent overlay over the keyboard view: draws the rubber band and reports points and
// rectangles; it knows nothing of keys.
class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    void setAreaColor(int r, int g, int b);
    void setClickMode(bool clickMode);
    void setDragEnabled(bool enabled);

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragShowAreaMouseMovePoint(int moveX, int moveY);
    void sigDragAreaMousePressOrRelease(bool isMousePress);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint clampToContents(const QPoint &point) const;

    bool m_dragging = false;
    QPoint m_startPoint;
    QPoint m_currentPoint;
    QPoint m_endPoint;
    int m_red = 255;
    int m_green = 143;
    int m_blue = 31;
    bool m_clickMode = false;
    bool m_enabled = false;
};
