#pragma once

#include <QToolButton>

// A key of the on-screen keyboard, styled entirely by style sheets: a text part and a background part.
class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit SoftKeyboardButCustom(int buttonType, QWidget *parent = nullptr);

    void setKeySize(int w, int h);
    void setKeyInfo(int keyDec, const QString &keyCharacter);
    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_keyCharacter; }

    // 0 normal, 1 selected; kind 0 also 2, 3, 4 for the blue, green and red signal looks.
    void setState(int state);
    void setNormalOnLeave(bool normalOnLeave);
    // Each colour as "r,g,b".
    void setColors(const QString &textColor, const QString &selectedTextColor, const QString &keyColor);

    // Text shown for a key code; the stored caption stays as given.
    static QString shownText(int keyDec, const QString &keyCharacter);

signals:
    void sigButtonMouseRightKeyClicked(int keyDec, QString keyCharacter);
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void applyStyle(const QString &textPart, const QString &backgroundPart);

    int m_buttonType;
    bool m_hovered = false;
    int m_width = 0;
    int m_height = 0;
    bool m_selected = false;
    int m_keyDec = 0;
    QString m_keyCharacter;
    bool m_normalOnLeave = true;
    bool m_selectedType1 = false;
    QString m_selectedTextStyle;
    QString m_selectedTextStyleType1;
    QString m_normalTextStyle;
    QString m_normalTextStyleType1;
    QString m_backgroundStyle;
    QString m_backgroundStyleType1;
};
