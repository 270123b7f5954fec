#include "widgets/TextMoveWidget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

TextMoveWidget::TextMoveWidget(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_timer(new QTimer(this))
{
    setAutoFillBackground(true);
    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setForeground(m_foreground);
    setBackground(m_background);
    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
    m_timer->setInterval(m_interval);
    measureText();
}

void TextMoveWidget::setText(QString text)
{
    m_text = text;
    measureText();
    m_label->setText(text);
    m_label->adjustSize();
    m_motion.x = MarqueeMotion::startX(m_moveStyle, m_label->width(), width());
}

void TextMoveWidget::setTextFont(QString textFont, int textFontSize)
{
    QFont widgetFont(textFont);
    widgetFont.setPointSize(textFontSize);
    setFont(widgetFont);
    m_label->setStyleSheet(QStringLiteral("font: 75 %1pt \"%2\";").arg(textFontSize).arg(textFont));
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
}

void TextMoveWidget::setForeground(QColor foreground)
{
    m_foreground = foreground;
    QPalette labelPalette = m_label->palette();
    labelPalette.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(labelPalette);
}

void TextMoveWidget::setBackground(QColor background)
{
    m_background = background;
    QPalette widgetPalette = palette();
    widgetPalette.setColor(QPalette::Window, background);
    setPalette(widgetPalette);
}

void TextMoveWidget::setMoveStyle(MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovered)
        return;
    m_motion.advance(m_textWidth, width(), m_step, m_moveStyle);
    m_label->move(m_motion.x, m_y);
}

void TextMoveWidget::enterEvent(QEvent *event)
{
    m_hovered = true;
    if (m_mouseHoverStop)
        showAsLink(true);
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_mouseHoverStop)
        showAsLink(false);
    QWidget::leaveEvent(event);
}

void TextMoveWidget::showAsLink(bool link)
{
    QFont labelFont = m_label->font();
    labelFont.setUnderline(link);
    m_label->setFont(labelFont);
    setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TextMoveWidget::measureText()
{
    m_textWidth = QFontMetrics(font()).horizontalAdvance(m_text);
}

void TextMoveWidget::showEvent(QShowEvent *event)
{
    m_timer->start();
    QWidget::showEvent(event);
}

void TextMoveWidget::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void TextMoveWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        measureText();
    QWidget::changeEvent(event);
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    m_y = (height() - QFontMetrics(font()).height()) / 2;
    QWidget::resizeEvent(event);
}
