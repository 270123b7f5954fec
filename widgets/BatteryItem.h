#pragma once

#include <QColor>
#include <QLabel>

// A label that paints a small battery glyph with a coloured fill and the charge in percent.
class BatteryItem : public QLabel
{
    Q_OBJECT

public:
    explicit BatteryItem(QWidget *parent = nullptr);

    void setBatteryLevel(int level);
    void setShowText(bool showText);

    int batteryLevel() const { return m_level; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_level = 0;
    int m_fillWidth = 0;
    QColor m_fillColor = QColor(100, 100, 100);
    bool m_showText = true;
};
