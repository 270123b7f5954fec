#pragma once

#include "widgets/CbNoticeInterface.h"

struct ThemeColorInfo;

#include <QColor>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// The short-lived message box: opaque for the hold time, then fading out linearly.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbNotice(QWidget *parent = nullptr);
    ~CbNotice() override;

    void showNotice() override;
    void showNotice(QString text) override;
    void showNotice(QString text, QPoint centre) override;

    void setPixelSize(int pixels);
    void setBackgroundColor(const QColor &color);
    // The toast has no outline: this is the colour of its text.
    void setBorderColor(const QColor &color);
    void setTextFont(const QFont &font);
    // The theme's toast look: its background at alpha 200, its accent for the text, its font at 14 px.
    void applyTheme(const ThemeColorInfo &theme);

    QString text() const { return m_text; }
    QPoint storedCentre() const { return m_storedCentre; }

    // Corner radius of the box for a given height.
    static int cornerRadius(int boxHeight);

signals:
    void sigFinished();

private slots:
    void onHideAnimotionFinish();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeAndStart(const QPoint &centre, bool fixSize);

    int m_boxHeight = 40;
    int m_holdTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor = QColor(255, 143, 31, 255);
    QColor m_backgroundColor = QColor(52, 52, 85, 200);
    QPoint m_storedCentre;
    QString m_text;
    QPropertyAnimation *m_animation = nullptr;
    QGraphicsOpacityEffect *m_opacityEffect = nullptr;
};
