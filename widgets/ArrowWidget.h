#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>

// Floating box with a pointer arrow on its top or bottom edge; hides itself when deactivated.
class ArrowWidget : public QDialog
{
    Q_OBJECT

public:
    enum ArrowDirection { ArrowTop = 0, ArrowBottom = 1 };

    explicit ArrowWidget(int arrowDirection, QWidget *parent = nullptr);

    void setWidgetSize(int width, int height);
    void setArrowPosition(int x);
    void setCenterWidget(QWidget *content);
    void setBackgroundColor(int red, int green, int blue);

    // True by default. An owner that holds the pointer for its open pop-up and closes it on a press
    // outside turns it off, so that losing the keyboard focus (to a keyboard grab) keeps it open.
    void setHidesWhenDeactivated(bool hides) { m_hidesWhenDeactivated = hides; }
    bool hidesWhenDeactivated() const { return m_hidesWhenDeactivated; }

    // Set by the owner while it has the pop-up open.
    bool isPopupShown() const { return m_popupShown; }
    void setPopupShown(bool shown) { m_popupShown = shown; }

    int arrowPosition() const { return m_arrowPosition; }
    QColor backgroundColor() const { return m_backgroundColor; }

    // Box and arrow as one path; the 15-pixel band around the box stays free for the shadow.
    static QPainterPath bodyPath(int arrowDirection, int width, int height, int arrowPosition);

signals:
    void sigArrowWidgetHide();
    void sigArrowWidgetMouseEnter();
    void sigArrowWidgetMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_arrowPosition = 50;
    int m_arrowDirection;
    QColor m_backgroundColor;
    bool m_popupShown = false;
    bool m_hidesWhenDeactivated = true;
};
