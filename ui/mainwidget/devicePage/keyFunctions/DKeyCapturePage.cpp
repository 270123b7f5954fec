#include "ui/mainwidget/devicePage/keyFunctions/DKeyCapturePage.h"

#include "app/DDataManager.h"
#include "ui/mainwidget/devicePage/keyFunctions/PressModeChoice.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DVirtualKeyboardTool.h"
#include "widgets/ThemeColorText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QFrame *makePanel(QWidget *parent, const char *name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

} // namespace

DKeyCapturePage::DKeyCapturePage(const KeyCaptureForm &form, int operateType, QWidget *parent)
    : DKeyFunctionPage(operateType, operateType, parent)
    , m_form(form)
    , m_pressChoice(new PressModeChoice(form.choiceSpacerWidth, this))
    , m_title(new QLabel(this))
    , m_field(new QLineEdit(this))
{
    resize(463, 177);
    auto *column = new QVBoxLayout(this);
    column->setObjectName("verticalLayout");
    column->setSpacing(9);
    column->setContentsMargins(3, 3, 3, 3);
    column->addWidget(m_pressChoice);
    column->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    QFrame *titlePanel = makePanel(this, "frame");
    auto *titleRow = new QHBoxLayout(titlePanel);
    titleRow->setSpacing(0);
    titleRow->setContentsMargins(0, 0, 0, 0);
    m_title->setObjectName(form.titleName);
    m_title->setMinimumHeight(30);
    m_title->setAlignment(Qt::AlignCenter);
    titleRow->addWidget(m_title);
    column->addWidget(titlePanel);
    QFrame *fieldPanel = makePanel(this, form.fieldFrameName);
    auto *fieldRow = new QHBoxLayout(fieldPanel);
    fieldRow->setSpacing(9);
    fieldRow->setContentsMargins(0, 0, 0, 0);
    m_field->setObjectName(form.fieldName);
    m_field->setMinimumSize(200, 26);
    m_field->setAlignment(Qt::AlignCenter);
    fieldRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    fieldRow->addWidget(m_field);
    fieldRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    column->addWidget(fieldPanel);
    column->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    setStyleSheet(QString("QLabel#%1{ color: rgb(195, 195, 195); font: 75 11pt \"Microsoft YaHei\"; }"
                          "QLineEdit{ color: rgb(175, 175, 175); font: 75 10pt \"Microsoft YaHei\";"
                          " background-color: rgb(26, 27, 49); border: 1px solid rgb(175, 175, 175);"
                          " border-radius: 4px; }"
                          "QLineEdit:hover,QLineEdit:pressed{ border: 1px solid rgb(255, 143, 31); }")
                      .arg(form.titleName));

    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_field->installEventFilter(this);

    m_keyboard = new DVirtualKeyboardTool(form.keyboardMode, this);
    connect(m_keyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            &DKeyCapturePage::onSoftKeyboardClicked_VirtualKB);
    m_keyboard->setWindowOpacity(1.0);

    m_popup = new ArrowWidget(ArrowWidget::ArrowBottom, this);
    // While open it holds the pointer and closes on a press outside. The key hook's keyboard grab
    // takes the focus from the program (under a window manager the pop-up is then deactivated):
    // that must not close it.
    m_popup->setHidesWhenDeactivated(false);
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DKeyCapturePage::onArrowWidgetHide);
    m_popup->setWindowOpacity(1.0);
    m_popup->setWidgetSize(1050, 345);
    m_popup->setArrowPosition(350);
    m_popup->setCenterWidget(m_keyboard);

    retranslate();
    connect(m_pressChoice, &PressModeChoice::sigModeClicked, this, &DKeyCapturePage::onCurIndexChanged_ModeSel);
}

DKeyCapturePage::~DKeyCapturePage()
{
    // The pop-up goes with the base widget, after this part of the page: it must not call back.
    disconnect(m_popup, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
}

bool DKeyCapturePage::isPopupOpen() const
{
    return m_popup->isPopupShown();
}

void DKeyCapturePage::retranslate()
{
    setWindowTitle(QCoreApplication::translate(m_form.formContext, "Form"));
    m_title->setText(QCoreApplication::translate(m_form.formContext, m_form.titleText));
    m_field->setPlaceholderText(QCoreApplication::translate(m_form.formContext, m_form.placeholderText));
    m_keyboard->retranslate();
    m_title->setText(QObject::tr(m_form.titleText));
    m_field->setPlaceholderText(QObject::tr(m_form.placeholderText));
    m_pressChoice->retranslate();
}

void DKeyCapturePage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    QFont font = data->getFont(1);
    m_title->setStyleSheet(QString("QLabel#%1{ color: rgb(%2); }").arg(m_form.titleName, theme.TextDefaultColor));
    font.setPointSize(12);
    m_title->setFont(font);
    m_field->setStyleSheet(
        QString("QLineEdit{ color: rgb(%1); background-color: rgb(%2); border: 1px solid rgb(%3);"
                " border-radius: 4px; }"
                "QLineEdit:hover{ border: 1px solid rgb(%4); }"
                "QLineEdit:pressed{ border: 1px solid rgb(%4); }")
            .arg(theme.TextDefaultColor, theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextCheckedColor));
    font.setPointSize(11);
    m_field->setFont(font);
    const QColor background = opaqueThemeColor(theme.AllBgColor);
    m_popup->setBackgroundColor(background.red(), background.green(), background.blue());
    m_keyboard->applyTheme();
    m_pressChoice->applyTheme();
}

void DKeyCapturePage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    m_keyNameTable = DDataManager::instance()->getKeyNameMap();
    m_found = false;
    m_pressChoice->select(PressModeChoice::LightPress);
    onCurIndexChanged_ModeSel(PressModeChoice::LightPress);
    if (!DDataManager::instance()->isMagneticKeyboard() || !m_pressChoice->isOffered()) {
        m_pressChoice->hide();
        return;
    }
    // An entry of the current layer wins; one only in the magnetic layer shows under Heavy Press.
    m_pressChoice->show();
    if (m_found)
        return;
    m_pressChoice->select(PressModeChoice::HeavyPress);
    onCurIndexChanged_ModeSel(PressModeChoice::HeavyPress);
    if (m_found)
        return;
    m_pressChoice->select(PressModeChoice::LightPress);
    onCurIndexChanged_ModeSel(PressModeChoice::LightPress);
}

void DKeyCapturePage::setPressModeSelectVisible(bool visible)
{
    Q_UNUSED(visible);
    m_pressChoice->withdraw();
}

void DKeyCapturePage::onCurIndexChanged_ModeSel(int selIndex)
{
    if (selIndex != PressModeChoice::LightPress)
        takeMagneticProfile();
    else
        takeCurrentProfile();
    readStoredEntry();
}

bool DKeyCapturePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::FocusIn && !m_popup->isPopupShown())
        openPopup();
    else if (event->type() == QEvent::MouseButtonPress && m_popup->isPopupShown()
             && isPressOutsidePopup(watched, event))
        onArrowWidgetHide();
    return QObject::eventFilter(watched, event);
}

bool DKeyCapturePage::isPressOutsidePopup(QObject *watched, QEvent *event) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return false;
    // Pressed elsewhere while the pop-up holds the pointer: delivered to the pop-up, outside its box.
    if (widget == m_popup)
        return !m_popup->rect().contains(static_cast<QMouseEvent *>(event)->pos());
    // The press on the field that opened the pop-up is still being delivered: it does not count.
    return widget->window() != m_popup && widget != m_field;
}

void DKeyCapturePage::openPopup()
{
    m_popup->setPopupShown(true);
    popupOpening();
    // The field never keeps the focus, so it cannot be typed into.
    focusNextPrevChild(true);
    const QPoint anchor = m_field->mapToGlobal(QPoint(m_field->width() / 2, m_field->height()));
    m_popup->move(anchor - QPoint(357, 375));
    m_popup->show();
    m_popup->activateWindow();
    // The pop-up holds the pointer, so every press reaches it and a press outside closes it, with
    // or without a window manager.
    if (QWindow *window = m_popup->windowHandle())
        window->setMouseGrabEnabled(true);
    qApp->installEventFilter(this);
    emit sigMesgStartOrStopHook(true);
}

void DKeyCapturePage::onArrowWidgetHide()
{
    if (!m_popup->isPopupShown())
        return;
    qApp->removeEventFilter(this);
    if (QWindow *window = m_popup->windowHandle())
        window->setMouseGrabEnabled(false);
    emit sigMesgStartOrStopHook(false);
    popupClosing();
    m_popup->setPopupShown(false);
    m_popup->hide();
}

void DKeyCapturePage::hideEvent(QHideEvent *event)
{
    onArrowWidgetHide();
    DKeyFunctionPage::hideEvent(event);
}
