#include "ui/macro/DCatchKeyAndMouseItem.h"

#include "app/DDataManager.h"
#include "ui_DCatchKeyAndMouseItem.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {
const char *const LabelSheet = "QLabel{ color: rgb(%1); font: 75 10pt \"%2\"; }";
const char *const FrameSheet =
    "QFrame#frame{border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}";
const char *const FilledFrameSheet =
    "QFrame#frame{ border: none; border-bottom: 1px solid rgb(%1); background-color: rgb(%2);}";

QString iconSheet(const char *picture)
{
    return QString("QPushButton{ border-image:url(%1);}").arg(picture);
}
} // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DCatchKeyAndMouseItem)
    , m_mark(mark)
{
    m_ui->setupUi(this);
    setFixedHeight(46);
    m_ui->pushButton_Delete->hide();
    m_ui->label_2->hide();
    m_ui->label_MarkNum->hide();
    m_ui->label_MarkNum->setText(m_mark);

    // Taken once: a theme change reaches rows made after it.
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_borderColor = theme.MacroBorderColor;
    m_selectedColor = theme.MacroListItemSelectedColor;
    m_hoverColor = theme.MacroListItemHoverColor;
    m_centerBgColor = theme.MacroCenterBgColor;
    m_textColor = theme.MacroListItemTextColor;
    m_checkedTextColor = theme.TextCheckedColor;
    m_textFont = theme.TextFont;

    m_ui->frame->setStyleSheet(QString(FrameSheet).arg(m_borderColor, m_centerBgColor));
    // Transparent, so that frame's fill shows through (a fill of alpha 1 would punch a hole in the
    // translucent editor instead).
    m_ui->frame_2->setStyleSheet(
        QString("QFrame#frame_2{border: none; border-right: 1px solid rgb(%1); background-color: transparent;}")
            .arg(m_borderColor));
    const QString labelSheet = QString(LabelSheet).arg(m_textColor, m_textFont);
    m_ui->label_DelayTime->setStyleSheet(labelSheet);
    m_ui->label_CatchEventExplain->setStyleSheet(labelSheet);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem()
{
    delete m_ui;
}

QString DCatchKeyAndMouseItem::eventText(const QString &type, const QString &codeName)
{
    if (!type.contains("mouse"))
        return codeName;
    if (codeName.contains("Left"))
        return QCoreApplication::translate("QObject", "Left Click");
    if (codeName.contains("Center"))
        return QCoreApplication::translate("QObject", "Center Click");
    if (codeName.contains("Right"))
        return QCoreApplication::translate("QObject", "Right Click");
    return QString();
}

void DCatchKeyAndMouseItem::setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain)
{
    if (type == "key")
        m_ui->pushButton_EventSelect->setStyleSheet(iconSheet(":/images/macro/keyboardSel.png"));
    else if (type == "mouse")
        m_ui->pushButton_EventSelect->setStyleSheet(iconSheet(":/images/macro/mouseSel.png"));
    else
        m_ui->pushButton_EventSelect->setStyleSheet(iconSheet(":/images/macro/timeSel.png"));

    if (type == "key" || type == "mouse") {
        if (operateExplain == "down")
            m_ui->pushButton_EventStatus->setStyleSheet(iconSheet(":/images/macro/keyDownSel.png"));
        else if (operateExplain == "up")
            m_ui->pushButton_EventStatus->setStyleSheet(iconSheet(":/images/macro/keyUpDef.png"));
    }

    setDelay(delay);
    m_ui->label_CatchEventExplain->setText(eventText(type, codeName));
    m_keyCode = QString::number(keyCode);
    m_type = type;
    m_codeName = codeName;
    m_operateExplain = operateExplain;
}

void DCatchKeyAndMouseItem::setDelay(int delay)
{
    m_delay = QString::number(delay);
    m_ui->label_DelayTime->setText(QString("%1 MS").arg(delay));
}

void DCatchKeyAndMouseItem::applyLook(bool filled, const QString &labelColor)
{
    if (filled)
        m_ui->frame->setStyleSheet(QString(FilledFrameSheet).arg(m_borderColor, m_selectedColor));
    else
        m_ui->frame->setStyleSheet(QString(FrameSheet).arg(m_borderColor, m_centerBgColor));
    const QString labelSheet = QString(LabelSheet).arg(labelColor, m_textFont);
    m_ui->label_DelayTime->setStyleSheet(labelSheet);
    m_ui->label_CatchEventExplain->setStyleSheet(labelSheet);
}

void DCatchKeyAndMouseItem::setHighlighted(bool highlighted)
{
    applyLook(highlighted, m_textColor);
}

void DCatchKeyAndMouseItem::setSelected(bool selected)
{
    applyLook(selected, selected ? m_checkedTextColor : m_textColor);
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
}

void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
{
    m_ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    m_ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}
