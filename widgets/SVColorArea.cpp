#include "widgets/SVColorArea.h"

#include "widgets/ColorRingGeometry.h"

#include <QConicalGradient>
#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(120, 120);
    drawDisc();
}

void SVColorArea::drawDisc()
{
    m_discPixmap = QPixmap(100, 100);
    m_discPixmap.fill(Qt::transparent);
    QPainter painter(&m_discPixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QConicalGradient hues(60, 60, -140);
    hues.setColorAt(0, Qt::green);
    hues.setColorAt(0.16, Qt::cyan);
    hues.setColorAt(0.32, Qt::blue);
    hues.setColorAt(0.48, Qt::magenta);
    hues.setColorAt(0.64, Qt::red);
    hues.setColorAt(0.8, Qt::yellow);
    hues.setColorAt(1, Qt::green);
    painter.setBrush(hues);
    painter.drawEllipse(20, 20, m_discDiameter, m_discDiameter);

    QRadialGradient whiteCentre(60, 60, 43, 60, 60);
    whiteCentre.setColorAt(0, Qt::white);
    whiteCentre.setColorAt(1, Qt::transparent);
    painter.setBrush(whiteCentre);
    painter.drawEllipse(23, 22, 77, 77);
}

void SVColorArea::resetRotateValue()
{
    m_ringValue = 0;
    update();
}

void SVColorArea::print2()
{
    const QPoint pos = QCursor::pos();
    QScreen *screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QImage pixel =
        screen
            ? screen->grabWindow(0, pos.x() - screen->geometry().x(), pos.y() - screen->geometry().y(), 1, 1).toImage()
            : QImage();
    if (pixel.isNull()) {
        // Reporting a made-up colour would recolour the user's keys; report nothing instead.
        qDebug().noquote()
            << QStringLiteral("SVColorArea: could not read the screen colour at %1,%2").arg(pos.x()).arg(pos.y());
        return;
    }
    const QColor color = pixel.pixelColor(0, 0);
    emit sigGetRGB(color.red(), color.green(), color.blue());
    emit sigGetHexRGB(ColorRingGeometry::hexRgb(color.red(), color.green(), color.blue()));
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    emit sigMouseIsPress(true);
    if (ColorRingGeometry::isRingPress(pos)) {
        m_pressedInside = false;
        updateRing(pos);
        return;
    }
    m_pressedInside = true;
    m_saturation = ColorRingGeometry::saturationAt(pos);
    m_value = ColorRingGeometry::valueAt(pos);
    emit svChangedSignal(m_hue, m_saturation, m_value);
    print2();
    m_ringValue = 0;
    update();
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedInside)
        return;
    updateRing(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit sigMouseIsPress(false);
}

void SVColorArea::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void SVColorArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

void SVColorArea::updateRing(const QPoint &pos)
{
    m_ringValue = ColorRingGeometry::ringValueAt(pos, rect().center(), m_ringMinimum, m_ringMaximum);
    update();
}

void SVColorArea::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPixmap(0, 0, m_discPixmap);

        QConicalGradient ringShade(50, 50, 83);
        ringShade.setColorAt(0, Qt::white);
        ringShade.setColorAt(1, Qt::black);
        painter.setPen(QPen(QBrush(ringShade), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(10, 10, 100, 100);

        const double angle = ColorRingGeometry::knobAngle(m_ringValue, m_ringMinimum, m_ringMaximum);
        painter.setPen(Qt::NoPen);
        painter.translate(60, 60);
        painter.rotate(angle);
        QLinearGradient knob(0, 0, 16, 16);
        knob.setColorAt(0, m_knobColor1);
        knob.setColorAt(1, m_knobColor2);
        painter.setBrush(knob);
        painter.drawEllipse(-10, -58, 16, 16);
    }
    emit sigMoveingStatus(int(m_ringValue),
                          int(ColorRingGeometry::knobAngle(m_ringValue, m_ringMinimum, m_ringMaximum)));
    QWidget::paintEvent(event);
}
