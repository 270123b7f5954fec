#include "widgets/CbNotice.h"

#include "app/ThemeColorInfo.h"
#include "widgets/ThemeColorText.h"
#include "widgets/WindowShapeMask.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

CbNotice::CbNotice(QWidget *parent)
    : QWidget(parent)
{
    QFont textFont = font();
    textFont.setFamily(QStringLiteral("Microsoft YaHei"));
    textFont.setPixelSize(20);
    setFont(textFont);

    if (parent) {
        m_storedCentre = QPoint(parent->x() + parent->width() / 2, parent->height() * 2 / 3);
    } else {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect desktop = screen ? screen->virtualGeometry() : QRect();
        const QSize size = screen ? screen->size() : QSize();
        m_storedCentre = QPoint(size.width() / 2, size.height() * 2 / 3) + desktop.topLeft();
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
    }

    m_opacityEffect = new QGraphicsOpacityEffect(this);
    m_opacityEffect->setOpacity(1.0);
    setGraphicsEffect(m_opacityEffect);
    m_animation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);
    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);

    hide();
}

CbNotice::~CbNotice()
{
    delete m_animation;
    // The widget owns its graphics effect; setting none deletes it.
    setGraphicsEffect(nullptr);
}

void CbNotice::showNotice()
{
    hide();
    placeAndStart(m_storedCentre, false);
}

void CbNotice::showNotice(QString text)
{
    hide();
    m_text = text;
    placeAndStart(m_storedCentre, true);
}

void CbNotice::showNotice(QString text, QPoint centre)
{
    hide();
    m_text = text;
    placeAndStart(centre.isNull() ? m_storedCentre : centre, true);
}

void CbNotice::placeAndStart(const QPoint &centre, bool fixSize)
{
    const int width = QFontMetrics(font()).horizontalAdvance(m_text) + 36;
    if (fixSize)
        setFixedSize(width, m_boxHeight);
    else
        resize(width, m_boxHeight);
    move(centre.x() - width / 2, centre.y() - m_boxHeight / 2);

    m_animation->stop();
    show();
    raise();
    activateWindow();
    m_opacityEffect->setOpacity(1.0);
    // The effect clamps opacity to 1, so a start value above 1 holds the toast opaque for the hold
    // time before the linear fade becomes visible.
    m_animation->setStartValue(m_fadeTime / 1000.0 + m_holdTime / 1000.0);
    m_animation->setEndValue(0.0);
    m_animation->setDuration(m_holdTime + m_fadeTime);
    m_animation->start();
    update();
}

void CbNotice::setPixelSize(int pixels)
{
    QFont textFont = font();
    textFont.setPixelSize(pixels);
    setFont(textFont);
    update();
}

void CbNotice::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setBorderColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void CbNotice::setTextFont(const QFont &font)
{
    setFont(font);
}

void CbNotice::applyTheme(const ThemeColorInfo &theme)
{
    QColor background = opaqueThemeColor(theme.AllBgColor);
    background.setAlpha(200);
    setBackgroundColor(background);
    setBorderColor(opaqueThemeColor(theme.TextCheckedColor));
    QFont font(theme.TextFont);
    font.setPixelSize(14);
    setTextFont(font);
}

int CbNotice::cornerRadius(int boxHeight)
{
    if (boxHeight >= 38)
        return 22;
    if (boxHeight >= 25)
        return 12;
    return 3;
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

void CbNotice::mousePressEvent(QMouseEvent *event)
{
    hide();
    // Beyond the left edge band the press falls through to the widget underneath.
    if (event->pos().x() > 5)
        QWidget::mousePressEvent(event);
}

void CbNotice::resizeEvent(QResizeEvent *event)
{
    // As a window of its own (no parent) its round corners need a desktop that composes windows.
    WindowShapeMask::apply(this, WindowShapeMask::roundedFrameOutline(rect(), cornerRadius(m_boxHeight)));
    QWidget::resizeEvent(event);
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    const int radius = cornerRadius(m_boxHeight);
    painter.drawRoundedRect(rect(), radius, radius);
    painter.setPen(m_textColor);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}
