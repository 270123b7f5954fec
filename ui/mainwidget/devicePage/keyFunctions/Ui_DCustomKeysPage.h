#pragma once

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The key-customisation tab's form: the function row above, the stacked key-function pages, the
// selected key, the layer buttons and the Download button below.
class Ui_DCustomKeysPage
{
public:
    void setupUi(QWidget *DCustomKeysPage);
    void retranslateUi(QWidget *DCustomKeysPage);

    QHBoxLayout *horizontalLayout = nullptr;
    QFrame *frame_Bg01 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QFrame *frame_Top = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QFrame *frame = nullptr;
    QLabel *label = nullptr;
    QFrame *frame_2 = nullptr;
    QHBoxLayout *horizontalLayout_7 = nullptr;
    QToolButton *toolButton_Default = nullptr;
    QToolButton *toolButton_RemapKey = nullptr;
    QToolButton *toolButton_SeniorKeys = nullptr;
    QFrame *frame_10 = nullptr;
    QHBoxLayout *horizontalLayout_10 = nullptr;
    QToolButton *toolButton_CombinationKey = nullptr;
    QFrame *frame_Line = nullptr;
    QHBoxLayout *horizontalLayout_11 = nullptr;
    QToolButton *toolButton_Macro = nullptr;
    QToolButton *toolButton_Mouse = nullptr;
    QToolButton *toolButton_Text = nullptr;
    QToolButton *toolButton_Disable = nullptr;
    QToolButton *toolButton_Multimedia = nullptr;
    QToolButton *toolButton_Shortcuts = nullptr;
    QToolButton *toolButton_SwitchProfile = nullptr;
    QToolButton *toolButton_OpenApp = nullptr;
    QToolButton *toolButton_KBLightAbout = nullptr;
    QToolButton *toolButton_SideLightAbout = nullptr;
    QToolButton *toolButton_KeyConfigFunction = nullptr;
    QFrame *frame_Bottom = nullptr;
    QHBoxLayout *horizontalLayout_4 = nullptr;
    QFrame *frame_3 = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QLabel *label_2 = nullptr;
    QFrame *frame_4 = nullptr;
    QHBoxLayout *horizontalLayout_8 = nullptr;
    QStackedWidget *stackedWidget_Customize = nullptr;
    QWidget *page_Default = nullptr;
    QWidget *page_Macro = nullptr;
    QWidget *page_RemapKey = nullptr;
    QWidget *page_Mouse = nullptr;
    QWidget *page_Text = nullptr;
    QWidget *page_Disable = nullptr;
    QWidget *page_Multimedia = nullptr;
    QWidget *page_CombinationKey = nullptr;
    QWidget *page_Shortcuts = nullptr;
    QWidget *page_SwitchProfile = nullptr;
    QWidget *page_OpenApp = nullptr;
    QWidget *page_KeyboardLightAbout = nullptr;
    QWidget *page_SideLightAbout = nullptr;
    QWidget *page_KeyConfigFunctionAbout = nullptr;
    QWidget *page_SeniorKeysBind = nullptr;
    QFrame *frame_5 = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QFrame *frame_6 = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_KeyChar = nullptr;
    QFrame *frame_8 = nullptr;
    QHBoxLayout *horizontalLayout_6 = nullptr;
    QPushButton *pushButton_DefaultLayer = nullptr;
    QPushButton *pushButton_FnLayer = nullptr;
    QFrame *frame_9 = nullptr;
    QHBoxLayout *horizontalLayout_9 = nullptr;
    QLabel *label_Loading = nullptr;
    QFrame *frame_7 = nullptr;
    QHBoxLayout *horizontalLayout_5 = nullptr;
    QPushButton *pushButton_Download = nullptr;
};
