#include "widgets/MySlider.h"

#include "widgets/SliderHandleHit.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>

MySlider::MySlider(QWidget *parent)
    : QSlider(parent)
{
}

void MySlider::setHandleMargins(int left, int right)
{
    m_leftMargin = left;
    m_rightMargin = right;
}

void MySlider::setRangeStartsAtZero(bool on)
{
    m_rangeStartsAtZero = on;
}

void MySlider::mousePressEvent(QMouseEvent *event)
{
    const int handleX = SliderHandleHit::estimatedHandleX(width(), minimum(), maximum(), value(), m_rangeStartsAtZero);
    if (!SliderHandleHit::pressAccepted(event->pos().x(), handleX, m_leftMargin, m_rightMargin))
        return;

    // The standard handling starts a drag on the handle but may also page towards the press;
    // a press alone must never change the value.
    const int before = value();
    QSlider::mousePressEvent(event);
    setValue(before);

    if (QWidget *parentWidget = this->parentWidget()) {
        QEvent accepted(static_cast<QEvent::Type>(PressAcceptedEventType));
        QCoreApplication::sendEvent(parentWidget, &accepted);
    }
}

void MySlider::wheelEvent(QWheelEvent *event)
{
    // Accepted so that a scrolling page behind the slider does not scroll either.
    event->accept();
}
