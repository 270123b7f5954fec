#include "widgets/SoftKeyboardButCustom.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

const char *const blueSignalStyle = "background-color:#2c74c1;";
const char *const greenSignalStyle = "background-color:#22ba20;";
const char *const redSignalStyle = "background-color:#E81122;";

} // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(int buttonType, QWidget *parent)
    : QToolButton(parent)
    , m_buttonType(buttonType)
    , m_selectedTextStyle(QStringLiteral(
          "color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid #FF3135; border-radius:3px;"))
    , m_selectedTextStyleType1(QStringLiteral(
          "color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; border: 1px solid #FF3135; border-radius:3px;"))
    , m_normalTextStyle(QStringLiteral(
          "color:#c3c3c3; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;"))
    , m_normalTextStyleType1(QStringLiteral(
          "color:#f5f5f5; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;"))
    , m_backgroundStyle(QStringLiteral("background-color:#4b4b4b;"))
    , m_backgroundStyleType1(QStringLiteral("background-color:#1e1e1e;"))
{
    if (m_buttonType == 1)
        installEventFilter(this);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    if (m_buttonType == 1)
        applyStyle(m_normalTextStyleType1, m_backgroundStyleType1);
    else
        applyStyle(m_normalTextStyle, m_backgroundStyle);
}

void SoftKeyboardButCustom::setKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
}

QString SoftKeyboardButCustom::shownText(int keyDec, const QString &keyCharacter)
{
    switch (keyDec) {
    case 145: return tr("Chinese");
    case 144: return tr("Korean/English");
    case 137: return tr("K14");
    case 100: return tr("K45");
    case 135: return tr("K56");
    case 139: return tr("K131");
    case 138: return tr("K132");
    case 136: return tr("K133");
    case 226:
    case 230: return QStringLiteral("Alt");
    // A single '&' would be taken as a mnemonic marker.
    case 36: return QStringLiteral("7&&");
    default: return keyCharacter;
    }
}

void SoftKeyboardButCustom::setKeyInfo(int keyDec, const QString &keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    setText(shownText(keyDec, keyCharacter));
}

void SoftKeyboardButCustom::setState(int state)
{
    if (m_buttonType == 0) {
        switch (state) {
        case 0:
            m_selected = false;
            applyStyle(m_normalTextStyle, m_backgroundStyle);
            break;
        case 1:
            m_selected = true;
            applyStyle(m_selectedTextStyle, m_backgroundStyle);
            break;
        case 2: applyStyle(m_normalTextStyle, QLatin1String(blueSignalStyle)); break;
        case 3: applyStyle(m_normalTextStyle, QLatin1String(greenSignalStyle)); break;
        case 4: applyStyle(m_normalTextStyle, QLatin1String(redSignalStyle)); break;
        default: break;
        }
    } else if (m_buttonType == 1) {
        if (state == 0) {
            m_selectedType1 = false;
            applyStyle(m_normalTextStyleType1, m_backgroundStyleType1);
        } else if (state == 1) {
            m_selectedType1 = true;
            applyStyle(m_selectedTextStyleType1, m_backgroundStyleType1);
        }
    }
}

void SoftKeyboardButCustom::setNormalOnLeave(bool normalOnLeave)
{
    m_normalOnLeave = normalOnLeave;
}

void SoftKeyboardButCustom::setColors(const QString &textColor, const QString &selectedTextColor,
                                      const QString &keyColor)
{
    m_selectedTextStyle =
        QStringLiteral(
            "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid rgb(%1); border-radius:3px;")
            .arg(selectedTextColor);
    m_selectedTextStyleType1 =
        QStringLiteral("color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border: 1px solid rgb(%1); border-radius:3px;")
            .arg(selectedTextColor);
    m_normalTextStyle =
        QStringLiteral(
            "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;")
            .arg(textColor);
    m_normalTextStyleType1 = m_normalTextStyle;
    m_backgroundStyle = QStringLiteral("background-color:rgb(%1);").arg(keyColor);
    m_backgroundStyleType1 = m_backgroundStyle;

    if (m_buttonType == 1)
        applyStyle(m_selectedType1 ? m_selectedTextStyleType1 : m_normalTextStyleType1, m_backgroundStyleType1);
    else
        applyStyle(m_selected ? m_selectedTextStyle : m_normalTextStyle, m_backgroundStyle);
}

bool SoftKeyboardButCustom::eventFilter(QObject *watched, QEvent *event)
{
    if (m_buttonType == 1 && watched == this && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton)
            emit sigButtonMouseRightKeyClicked(m_keyDec, m_keyCharacter);
    }
    return QToolButton::eventFilter(watched, event);
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    if (m_buttonType == 1) {
        applyStyle(m_selectedTextStyleType1, m_backgroundStyleType1);
        emit sigCustomButMouseEnter();
    } else {
        applyStyle(m_selectedTextStyle, m_backgroundStyle);
    }
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_normalOnLeave) {
        if (m_buttonType == 1) {
            if (!m_selectedType1)
                applyStyle(m_normalTextStyleType1, m_backgroundStyleType1);
        } else {
            applyStyle(m_normalTextStyle, m_backgroundStyle);
        }
    }
    if (m_buttonType == 1)
        emit sigCustomButMouseLeave();
    QToolButton::leaveEvent(event);
}

void SoftKeyboardButCustom::applyStyle(const QString &textPart, const QString &backgroundPart)
{
    setStyleSheet(textPart + backgroundPart);
}
