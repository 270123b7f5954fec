#include "widgets/keyboardButCustom.h"

#include "widgets/KeyboardModelLook.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace {

const QColor Transparent(0, 0, 0, 0);

QColor withFillAlpha(QColor color)
{
    color.setAlpha(50);
    return color;
}

// Knob and roller controls have no cap to tint.
bool isWheelCode(int code)
{
    switch (code) {
    case 800:
    case 801:
    case 802:
    case 850:
    case 851:
    case 852:
    case 901:
    case 902:
    case 950:
    case 951: return true;
    default: return false;
    }
}

QPen borderPen(const QColor &color, int width)
{
    return QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

keyboardButCustom::keyboardButCustom(QWidget *parent)
    : QToolButton(parent)
{
    setLightColor(QColor(0, 0, 0, 0));
}

void keyboardButCustom::setHoverColor(const QColor &color)
{
    m_hoverColor = withFillAlpha(color);
}
void keyboardButCustom::setSelectedColor(const QColor &color)
{
    m_selectedColor = withFillAlpha(color);
}
void keyboardButCustom::setMarkColor(const QColor &color)
{
    m_markColor = withFillAlpha(color);
}
void keyboardButCustom::setHoverBorderColor(const QColor &color)
{
    m_hoverBorderColor = color;
}
void keyboardButCustom::setSelectedBorderColor(const QColor &color)
{
    m_selectedBorderColor = color;
}
void keyboardButCustom::setMarkBorderColor(const QColor &color)
{
    m_markBorderColor = color;
}

void keyboardButCustom::setThemeColors(const QColor &selectedColour, const QColor &themeColour)
{
    setSelectedColor(selectedColour);
    setSelectedBorderColor(selectedColour);
    setHoverColor(themeColour);
    setHoverBorderColor(themeColour);
    setMarkColor(themeColour);
    setMarkBorderColor(themeColour);
    m_highlightColor = themeColour;
    update();
}

void keyboardButCustom::setLightColor(const QColor &color)
{
    if (!m_lightPreview) {
        m_lightColor = Transparent;
        return;
    }
    // The light preview sets every cap on each refresh: only a change repaints.
    if (color == m_lightColor)
        return;
    m_lightColor = color;
    update();
}

void keyboardButCustom::setMarked(bool marked)
{
    m_marked = marked;
    update();
}

void keyboardButCustom::setHovered(bool hovered)
{
    m_hovered = hovered;
    update();
}

void keyboardButCustom::setDragSelected(bool dragSelected)
{
    m_dragSelected = dragSelected;
    update();
}

void keyboardButCustom::setCalibrationMode(bool on)
{
    m_calibrationMode = on;
    update();
}

void keyboardButCustom::setSelected(bool selected, bool repaint, int)
{
    m_selected = selected;
    if (repaint)
        update();
}

void keyboardButCustom::setKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
}

void keyboardButCustom::setKeyPosition(int x, int y)
{
    m_x = x;
    m_y = y;
    m_position = QPoint(x, y);
}

void keyboardButCustom::setKeyInfo(int keyCode, const QString &caption)
{
    m_keyDec = keyCode;
    m_keyCharacter = caption;
}

void keyboardButCustom::setMatrixIndex(int row, int column)
{
    m_row = row;
    m_column = column;
}

void keyboardButCustom::setEnterKeyNotch(int x, int y)
{
    m_notchX = x;
    m_notchY = y;
    m_widthMinusNotchX = m_width - x;
    m_heightMinusNotchY = m_height - y;
}

void keyboardButCustom::refresh(float)
{
    update();
}

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    emit sigCustomButMouseEnter();
    update();
    QToolButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    emit sigCustomButMouseLeave();
    update();
    QToolButton::leaveEvent(event);
}

void keyboardButCustom::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);

    if (m_calibrationMode) {
        draw(painter, m_lightColor, (m_selected || m_hovered) ? m_highlightColor : Transparent);
        return;
    }
    if (m_lightEditMode && !m_hoverEnabled) {
        if (!m_specialShape && isWheelCode(m_keyDec))
            draw(painter, Transparent, Transparent);
        else
            draw(painter, m_lightColor, m_lightColor);
        return;
    }
    if (m_lightEditMode) {
        const bool highlighted = m_dragSelected || m_hovered;
        const bool black = m_lightColor.red() == 0 && m_lightColor.green() == 0 && m_lightColor.blue() == 0;
        if (black)
            draw(painter, Transparent, highlighted ? m_highlightColor : Transparent);
        else
            draw(painter, m_lightColor, highlighted ? m_highlightColor : m_lightColor);
        return;
    }

    if (m_marked) {
        painter.setBrush(Transparent);
        draw(painter, m_markColor, m_markBorderColor);
    }
    if (m_selected) {
        m_fill = m_hovered ? m_hoverColor : m_selectedColor;
        m_border = m_hovered ? m_hoverBorderColor : m_selectedBorderColor;
        draw(painter, m_fill, m_border);
        return;
    }
    if (m_hovered && m_hoverEnabled) {
        m_fill = m_hoverColor;
        m_border = m_hoverBorderColor;
        draw(painter, m_fill, m_border);
    }
    if (!m_remappable)
        draw(painter, QColor(200, 0, 0, 50), QColor(200, 0, 0, 255));
}

void keyboardButCustom::draw(QPainter &painter, const QColor &fill, const QColor &border)
{
    if (m_specialShape)
        drawShaped(painter, fill, border);
    else
        drawRectangle(painter, fill, border);
}

void keyboardButCustom::drawRectangle(QPainter &painter, const QColor &fill, const QColor &border)
{
    painter.setPen(borderPen(border, 3));
    if (KeyboardModelLook::hasPillCaps(m_modelName)) {
        const QRect pill(1, 1, m_width - 2, m_height - 2);
        painter.drawRoundedRect(pill, 22, 22);
        painter.setBrush(fill);
        painter.drawRoundedRect(pill, 22, 22);
        return;
    }
    const QRect inner = contentsRect();
    painter.fillRect(inner.left() + 1, inner.top() + 1, inner.width() - 2, inner.height() - 2, fill);
    // Drawn with the painter's current brush, so only the outline shows.
    painter.drawRoundedRect(0, 0, m_width, m_height, 6, 6);
}

void keyboardButCustom::drawShaped(QPainter &painter, const QColor &fill, const QColor &border)
{
    if (m_shapeKind != 1)
        return;
    const int a = m_notchX, b = m_notchY, w = m_width, h = m_height;

    painter.setPen(borderPen(border, 2));
    painter.drawLine(5, b, a - 5, b);
    painter.drawLine(a, b + 5, a, h - 5);

    painter.setPen(borderPen(border, 3));
    painter.drawLine(a + 5, h, w - 5, h);
    painter.drawLine(w, h - 5, w, 5);
    painter.drawLine(w - 5, 0, 5, 0);
    painter.drawLine(0, b - 5, 0, 5);

    painter.setPen(borderPen(border, 2));
    painter.drawArc(0, b - 10, 10, 10, -180 * 16, 90 * 16);
    painter.drawArc(a, h - 10, 10, 10, -180 * 16, 90 * 16);
    painter.drawArc(a - 10, b, 10, 10, 360 * 16, 90 * 16);
    painter.drawArc(w - 10, 0, 10, 10, 360 * 16, 90 * 16);
    painter.drawArc(0, 0, 10, 10, 90 * 16, 90 * 16);
    painter.drawArc(w - 10, h - 10, 10, 10, -90 * 16, 90 * 16);

    painter.setPen(borderPen(fill, 2));
    painter.drawArc(a - 8, b - 1, 10, 10, 360 * 16, 90 * 16);

    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(2, 2, w - 4, b - 3), 6, 6, Qt::RelativeSize);
    painter.drawRoundedRect(QRectF(a + 1, b - 1, (w - a) - 3, h - b - 1), 6, 6, Qt::RelativeSize);

    // The lower-left corner below the notch is not part of the key.
    const QPolygon outline({QPoint(0, b + 3), QPoint(a - 3, b + 3), QPoint(a - 3, h), QPoint(w, h), QPoint(w, 0),
                            QPoint(0, 0), QPoint(0, b)});
    const QRegion region(outline, Qt::OddEvenFill);
    if (mask() != region)
        setMask(region);
}
