#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QToolButton>

class QPainter;

// One key of the keyboard picture: the key's record for every page, painting only its state
// (the picture beneath shows the key itself).
class keyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit keyboardButCustom(QWidget *parent = nullptr);

    // Fill colours get alpha 50; border colours keep theirs. None of them repaints.
    void setHoverColor(const QColor &color);
    void setSelectedColor(const QColor &color);
    void setMarkColor(const QColor &color);
    void setHoverBorderColor(const QColor &color);
    void setSelectedBorderColor(const QColor &color);
    void setMarkBorderColor(const QColor &color);
    void setThemeColors(const QColor &selectedColour, const QColor &themeColour);

    // While the preview is off the colour is dropped: transparent is stored.
    void setLightColor(const QColor &color);
    QColor getLightColor() const { return m_lightColor; }
    void setLightPreviewEnabled(bool enabled) { m_lightPreview = enabled; }
    void setCustomLightColor(const QColor &color) { m_customLightColor = color; }
    QColor getCustomLightColor() const { return m_customLightColor; }

    void setMarked(bool marked);
    void setHovered(bool hovered);
    void setDragSelected(bool dragSelected);
    void setCalibrationMode(bool on);
    void setSelected(bool selected, bool repaint, int reason = 0);

    void setHoverEnabled(bool enabled) { m_hoverEnabled = enabled; }
    bool isHoverEnabled() const { return m_hoverEnabled; }
    void setLightEditMode(bool on) { m_lightEditMode = on; }
    void setRemappable(bool remappable) { m_remappable = remappable; }
    void setShapeKind(int kind) { m_shapeKind = kind; }
    void setSpecialShape(bool special) { m_specialShape = special; }

    void setKeySize(int w, int h);
    void setKeyPosition(int x, int y);
    void setKeyInfo(int keyCode, const QString &caption);
    void setMatrixIndex(int row, int column);
    void setModelName(const QString &model) { m_modelName = model; }
    void setEnterKeyNotch(int x, int y);

    int getKeyDec() const { return m_keyDec; }
    QString getKeyCharacter() const { return m_keyCharacter; }
    int getRowIndex() const { return m_row; }
    int getColumnIndex() const { return m_column; }
    bool isRemappable() const { return m_remappable; }
    bool isSelected() const { return m_selected; }
    bool isMarked() const { return m_marked; }
    QColor getMarkBorderColor() const { return m_markBorderColor; }
    bool isHovered() const { return m_hovered; }
    bool isDragSelected() const { return m_dragSelected; }
    QPoint getKeyPosition() const { return m_position; }
    QPoint getEnterKeyNotch() const { return QPoint(m_notchX, m_notchY); }

    void refresh(float);

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void draw(QPainter &painter, const QColor &fill, const QColor &border);
    void drawRectangle(QPainter &painter, const QColor &fill, const QColor &border);
    void drawShaped(QPainter &painter, const QColor &fill, const QColor &border);

    bool m_hovered = false;
    bool m_dragSelected = false;
    int m_width = 34;
    int m_height = 38;
    bool m_marked = false;
    bool m_selected = false;
    int m_x = 0;
    int m_y = 0;
    int m_row = 0;
    int m_column = 0;
    int m_keyDec = 0;
    QString m_keyCharacter;
    QPoint m_position;
    bool m_remappable = true;
    int m_shapeKind = 0;
    bool m_specialShape = false;
    int m_notchX = 0;
    int m_notchY = 0;
    int m_widthMinusNotchX = 0;
    int m_heightMinusNotchY = 0;
    QColor m_fill = QColor(0, 0, 0, 0);
    QColor m_border = QColor(0, 0, 0, 0);
    bool m_hoverEnabled = true;
    bool m_lightEditMode = false;
    bool m_lightPreview = false;
    QColor m_hoverColor = QColor(255, 49, 53, 50);
    QColor m_hoverBorderColor = QColor(255, 49, 53);
    QColor m_selectedColor = QColor(255, 128, 0, 50);
    QColor m_selectedBorderColor = QColor(255, 128, 0);
    QColor m_markColor = QColor(255, 49, 53, 50);
    QColor m_markBorderColor = QColor(255, 49, 53);
    QColor m_lightColor = QColor(0, 0, 0, 0);
    QColor m_highlightColor = QColor(255, 49, 53);
    QColor m_customLightColor;
    bool m_calibrationMode = false;
    QString m_modelName;
};
