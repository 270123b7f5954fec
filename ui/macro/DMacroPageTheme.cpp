// The macro editor's theme: the toast, the sheets of its frames and panels, and its fonts.

#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "ui_DMacroPage.h"
#include "widgets/CbNotice.h"
#include "widgets/ThemeColorText.h"

#include <QTimer>

namespace {

// Radio buttons (R) and line edits (L): %1 panel, %2 text, %3 accent, %4 font, %5 border.
const char *const RadioRules = "QRadioButton, QRadioButton:unchecked{ color: rgb(%2); font: 75 10pt \"%4\"; }"
                               "QRadioButton:checked{ color: rgb(%3); font: 75 10pt \"%4\"; }"
                               "QRadioButton::indicator:checked{ background-color: rgb(%3); border-radius:6px; "
                               "border:2px solid white; }";
const char *const LineEditRules =
    "QLineEdit{ color: rgb(%2); font: 75 8pt \"%4\"; background-color: rgb(%1); border: 1px solid rgb(%5); "
    "border-radius: 4px; }"
    "QLineEdit:hover, QLineEdit:pressed{ border: 1px solid rgb(%3); }";

QString panelSheet(const char *frame)
{
    return QString("QFrame#%1{ background-color: rgb(%2); border: 2px solid rgb(%3); border-radius: 12px; }")
        .arg(frame, "%1", "%2");
}

QString labelSheet(const char *label)
{
    return QString("QLabel#%1{color: rgb(%2);}").arg(label, "%1");
}

} // namespace

void DMacroPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();

    m_notice->applyTheme(theme);

    Ui::DMacroPage *ui = m_ui;
    ui->frame_Bg->setStyleSheet(
        QString("QFrame#frame_Bg{ border: 1px solid rgb(%1); background-color: rgb(%2); border-radius:12px; }")
            .arg(theme.TextCheckedColor, theme.SettingsTitleColorStart));
    ui->frame_Title->setStyleSheet(
        QString("QFrame#frame_Title{ background-color: rgb(%1); border: none; border-bottom: 3px solid rgb(%2); "
                "border-top-left-radius:12px; border-top-right-radius:12px; }"
                "QLabel#label_Title{ color: rgb(%3); }")
            .arg(theme.SettingsTitleColorStart, theme.MacroBorderColor, theme.TextCheckedColor));
    ui->frame_29->setStyleSheet(QString("QFrame#frame_29{ background-color: rgb(%1);}").arg(theme.MacroLeftBgColor));
    // A fill of alpha 1 would replace the panel beneath with a near-transparent hole in the translucent
    // window (black without a compositor); "transparent" lets the panel show through.
    const QString seeThrough = "transparent";
    ui->scrollArea_2->setStyleSheet(QString("QScrollArea#scrollArea_2{ background-color: %1; }").arg(seeThrough));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents_2{ background-color: %1; }").arg(seeThrough));
    ui->frame_3->setStyleSheet(
        QString("QFrame#frame_3{border: 2px solid rgb(%1); border-radius: 12px;}").arg(theme.MacroBorderColor));
    ui->label_MacroGroup->setStyleSheet(labelSheet("label_MacroGroup").arg(theme.TextCheckedColor));

    m_scrollSheet = QString("QScrollBar:vertical{ background:transparent; width:4px; margin: 3px 0px 3px 0px; }"
                            "QScrollBar::handle:vertical{ background:rgba(%2); min-height: 20px; border-radius: 2px; }"
                            "QScrollBar::handle:vertical:hover{ background:rgba(%3); }"
                            "QScrollBar::add-line:vertical{ height: 0px; subcontrol-position: bottom; "
                            "subcontrol-origin: margin; }"
                            "QScrollBar::sub-line:vertical{ height: 0px; subcontrol-position: top; "
                            "subcontrol-origin: margin; }"
                            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{ background:rgb(%1); "
                            "border-radius:3px; }")
                        .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);

    ui->frame_34->setStyleSheet(panelSheet("frame_34").arg(theme.MacroLeftBgColor, theme.MacroBorderColor));
    ui->frame_24->setStyleSheet(
        QString(QString("QFrame#frame_24{ background-color: rgb(%1); }QLabel#label_10{ color: rgb(%3);}") + RadioRules
                + "QLabel#label_11{ color: rgb(%2); font: 75 11pt \"%4\"; }" + LineEditRules)
            .arg(theme.MacroLeftBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                 theme.MacroBorderColor));
    ui->label->setStyleSheet(QString("QLabel#label{color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->frame_Record->setStyleSheet(QString("QFrame#frame_Record{ border-radius: 8px; border: 2px solid rgb(%1); }"
                                            "QFrame#frame_Record:hover{ border: 2px solid rgb(%2); }")
                                        .arg(theme.MacroBorderColor, theme.TextCheckedColor));

    ui->frame_Center->setStyleSheet(
        QString("QFrame#frame_Center{ background-color: rgb(%1);}").arg(theme.MacroCenterBgColor));
    ui->scrollArea_3->setStyleSheet(QString("QScrollArea#scrollArea_3{ background-color: %1; }").arg(seeThrough));
    ui->scrollAreaWidgetContents_3->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents_3{ background-color: %1; }").arg(seeThrough));
    ui->widget_5->setStyleSheet(m_scrollSheet);
    ui->label_12->setStyleSheet(labelSheet("label_12").arg(theme.TextCheckedColor));
    ui->label_14->setStyleSheet(QString("QLabel#label_14{ color: rgb(%1);}").arg(theme.TextCheckedColor));
    ui->label_TotalTime->setStyleSheet(QString("QLabel#label_TotalTime{ color: rgb(%1); font: 75 11pt \"%2\"; }")
                                           .arg(theme.TextDefaultColor, theme.TextFont));
    ui->frame_5->setStyleSheet(panelSheet("frame_5").arg(theme.MacroLeftBgColor, theme.MacroBorderColor));

    ui->frame_Right->setStyleSheet(
        QString("QFrame#frame_Right{ background-color: rgb(%1);}").arg(theme.MacroCenterBgColor));
    ui->label_InsertMacro->setStyleSheet(labelSheet("label_InsertMacro").arg(theme.TextCheckedColor));
    ui->frame_8->setStyleSheet(panelSheet("frame_8").arg(theme.MacroLeftBgColor, theme.MacroBorderColor));
    const QString controls = QString("QLabel{ color: rgb(%2); }") + RadioRules + LineEditRules;
    ui->frame_6->setStyleSheet(QString("QFrame#frame_6{ background-color: rgb(%1); }" + controls)
                                   .arg(theme.MacroRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor,
                                        theme.TextFont, theme.MacroBorderColor));
    const QString buttons =
        QString("QPushButton{ border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); "
                "color: rgb(%3); }"
                "QPushButton:hover{ background-color: rgb(%4); border: 2px solid rgb(%6); border-radius: 8px; }"
                "QPushButton:pressed{ color: rgb(%6); background-color: rgb(%5); border: 2px solid rgb(%6); "
                "border-radius: 8px; }")
            .arg(theme.MacroBorderColor, theme.MacroRightBgColor, theme.TextDefaultColor, theme.MacroRightBgColor,
                 theme.MacroRightBgColor, theme.TextCheckedColor);
    ui->pushButton_InsertMacro->setStyleSheet(buttons);
    ui->pushButton_ModifyMacro->setStyleSheet(buttons);
    ui->label_Property->setStyleSheet(labelSheet("label_Property").arg(theme.TextCheckedColor));
    const QString lineEdits = QString(LineEditRules)
                                  .arg(theme.MacroRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor,
                                       theme.TextFont, theme.MacroBorderColor);
    ui->lineEdit_EnterKey->setStyleSheet(lineEdits);
    ui->lineEdit_PressKey->setStyleSheet(lineEdits);
    ui->frame_13->setStyleSheet(panelSheet("frame_13").arg(theme.MacroLeftBgColor, theme.MacroBorderColor));
    ui->frame_9->setStyleSheet(QString("QFrame#frame_9{ background-color: rgb(%1); }" + controls)
                                   .arg(theme.MacroRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor,
                                        theme.TextFont, theme.MacroBorderColor));

    QFont bold = DDataManager::instance()->getFont(0);
    bold.setPointSize(12);
    for (QWidget *title : {static_cast<QWidget *>(ui->label_Title), static_cast<QWidget *>(ui->label_MacroGroup),
                           static_cast<QWidget *>(ui->label_10), static_cast<QWidget *>(ui->label_12),
                           static_cast<QWidget *>(ui->label_InsertMacro), static_cast<QWidget *>(ui->label_Property)})
        title->setFont(bold);
    bold.setPointSize(11);
    ui->pushButton_InsertMacro->setFont(bold);
    ui->pushButton_ModifyMacro->setFont(bold);
    bold.setPointSize(13);
    ui->label->setFont(bold);
    bold.setPointSize(18);
    ui->label_14->setFont(bold);
    QFont normal = DDataManager::instance()->getFont(1);
    normal.setPointSize(10);
    for (QLabel *label : {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4, ui->label_3, ui->label_13})
        label->setFont(normal);

    QTimer::singleShot(200, this, &DMacroPage::onScrollSheetSet);
}

void DMacroPage::onScrollSheetSet()
{
    m_ui->widget_4->setStyleSheet(m_scrollSheet);
}
