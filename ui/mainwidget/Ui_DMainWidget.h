#pragma once

class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

// The main window's form: title bar above the stacked main pages.
class Ui_DMainWidget
{
public:
    void setupUi(QWidget *DMainWidget);
    void retranslateUi(QWidget *DMainWidget);

    QVBoxLayout *verticalLayout = nullptr;
    QFrame *frame_Bg = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QFrame *frame_Title = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QFrame *frame_4 = nullptr;
    QHBoxLayout *horizontalLayout_12 = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QWidget *page_TitleMode01 = nullptr;
    QFrame *frame_3 = nullptr;
    QPushButton *appLogo = nullptr;
    QLabel *label_AppName = nullptr;
    QWidget *page_TitleMode02 = nullptr;
    QPushButton *pushButton = nullptr;
    QFrame *frame_HidLikeName = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QLabel *label_ProductName = nullptr;
    QLabel *label_DeviceName = nullptr;
    QLabel *label_SdkVer = nullptr;
    QFrame *frame_WindowOperate = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QFrame *frame_but = nullptr;
    QHBoxLayout *horizontalLayout_13 = nullptr;
    QPushButton *pushButton_Setting = nullptr;
    QPushButton *pushButton_Min = nullptr;
    QPushButton *pushButton_Max = nullptr;
    QPushButton *pushButton_Close = nullptr;
    QFrame *frame_Main = nullptr;
    QHBoxLayout *horizontalLayout_4 = nullptr;
    QStackedWidget *stackedWidget_Main = nullptr;
    QWidget *page_Device = nullptr;
    QHBoxLayout *horizontalLayout_6 = nullptr;
    QWidget *page_Home = nullptr;
    QWidget *page_Macro = nullptr;
    QWidget *page_Linkage = nullptr;
};
