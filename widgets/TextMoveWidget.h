#pragma once

#include "widgets/MarqueeMotion.h"

#include <QColor>
#include <QWidget>

class QLabel;
class QTimer;

// Marquee label: one line of text that moves inside its box, driven by a timer that runs only
// while the widget is shown.
class TextMoveWidget : public QWidget
{
    Q_OBJECT

public:
    enum MoveStyle { MoveStyleBounce = 0, MoveStyleRight = 1, MoveStyleLeft = 2 };

    explicit TextMoveWidget(QWidget *parent = nullptr);

    int textX() const { return m_motion.x; }
    QString text() const { return m_text; }

public slots:
    void setText(QString text);
    void setTextFont(QString textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(QColor foreground);
    void setBackground(QColor background);
    void setMoveStyle(MoveStyle moveStyle);

private slots:
    void updatePos();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // While paused under the pointer the text reads as a link.
    void showAsLink(bool link);
    void measureText();

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    QColor m_foreground = QColor(200, 80, 0, 255);
    QColor m_background = QColor(30, 30, 30, 0);
    MoveStyle m_moveStyle = MoveStyleBounce;
    bool m_hovered = false;
    MarqueeMotion m_motion;
    int m_y = 0;
    int m_textWidth = 0;
    QLabel *m_label;
    QTimer *m_timer;
};
