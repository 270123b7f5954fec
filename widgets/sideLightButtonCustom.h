#pragma once

#include <QColor>
#include <QPoint>
#include <QToolButton>

// One side-light LED segment: a soft bar in its current colour.
class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setLedSize(int w, int h);
    void setLedPosition(int x, int y);
    void setLedIndex(int index, int validStatus);
    void setRounded(bool rounded) { m_rounded = rounded; }
    void setLightColor(const QColor &color);

    int getLedIndex() const { return m_index; }
    int getValidStatus() const { return m_validStatus; }
    bool isValid() const { return m_validStatus == 1; }
    QColor getLightColor() const { return m_color; }
    QPoint getLedPosition() const { return m_position; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 10;
    int m_height = 10;
    int m_x = 0;
    int m_y = 0;
    int m_index = 0;
    int m_validStatus = 0;
    QPoint m_position;
    QColor m_color = QColor(0, 0, 0, 128);
    bool m_rounded = false;
};
