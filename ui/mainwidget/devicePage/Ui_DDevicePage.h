#pragma once

class BatteryItem;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;
class TextMoveWidget;

// The device page's form: the device list on the left, the keyboard view, tab bar and tabs
// (or the "no device" tip) on the right.
class Ui_DDevicePage
{
public:
    void setupUi(QWidget *DDevicePage);
    void retranslateUi(QWidget *DDevicePage);

    QHBoxLayout *horizontalLayout = nullptr;
    QFrame *frame_left = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QFrame *frame = nullptr;
    QHBoxLayout *horizontalLayout_8 = nullptr;
    QLabel *label = nullptr;
    QWidget *widget_4 = nullptr;
    QVBoxLayout *verticalLayout_16 = nullptr;
    QScrollArea *scrollArea_2 = nullptr;
    QWidget *scrollAreaWidgetContents_2 = nullptr;
    QVBoxLayout *verticalLayout_17 = nullptr;
    QFrame *frame_Url = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QLabel *label_Url = nullptr;

    QFrame *frame_Right = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QStackedWidget *stackedWidget_3 = nullptr;
    QWidget *page_HaveDevice = nullptr;
    QVBoxLayout *verticalLayout_7 = nullptr;
    QFrame *frame_RightTop = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QWidget *widget_Device = nullptr;
    QHBoxLayout *horizontalLayout_15 = nullptr;
    QStackedWidget *stackedWidget_DeviceChang = nullptr;
    QWidget *page_deviceShow = nullptr;
    QFrame *frame_32 = nullptr;
    QWidget *hidDeviceShowFrame = nullptr;
    QHBoxLayout *horizontalLayout_17 = nullptr;
    QWidget *page_MouseLight = nullptr;
    QFrame *mouseLightFrame = nullptr;
    QHBoxLayout *horizontalLayout_31 = nullptr;
    QWidget *page_Onboard = nullptr;
    QFrame *onboardFrame = nullptr;
    QHBoxLayout *horizontalLayout_40 = nullptr;
    QFrame *frame_9 = nullptr;
    QHBoxLayout *horizontalLayout_20 = nullptr;
    TextMoveWidget *widget_MoveTip = nullptr;
    QPushButton *pushButton_Reset = nullptr;
    QFrame *frame_Operate = nullptr;
    QHBoxLayout *horizontalLayout_4 = nullptr;
    QFrame *frame_7 = nullptr;
    QHBoxLayout *horizontalLayout_14 = nullptr;
    QToolButton *toolButton_CustomKey = nullptr;
    QToolButton *toolButton_TriggerSetting = nullptr;
    QToolButton *toolButton_SeniorKey = nullptr;
    QToolButton *toolButton_LightConfig = nullptr;
    QToolButton *toolButton_Performance = nullptr;
    QToolButton *toolButton_MacroDialog = nullptr;
    QFrame *frame_2 = nullptr;
    QHBoxLayout *horizontalLayout_9 = nullptr;
    QFrame *frame_TestOperate = nullptr;
    QHBoxLayout *horizontalLayout_16 = nullptr;
    QPushButton *pushButton_Test = nullptr;
    QPushButton *pushButton_ChangModeTest = nullptr;
    QLabel *label_ChangModeTest = nullptr;
    QPushButton *pushButton_MoreSmall = nullptr;
    QPushButton *pushButton_MoreBig = nullptr;
    QLabel *label_Multiple = nullptr;
    QFrame *frame_FillSpace = nullptr;
    QFrame *frame_8 = nullptr;
    QLabel *label_Mode = nullptr;
    QFrame *frame_6 = nullptr;
    QLabel *label_Charging = nullptr;
    QFrame *frame_Battery = nullptr;
    BatteryItem *label_ElectricityNum = nullptr;
    QFrame *frame_4 = nullptr;
    QStackedWidget *stackedWidget_2 = nullptr;
    QWidget *page_ProfileList = nullptr;
    QComboBox *comboBox_profileList = nullptr;
    QWidget *page_ModifyName = nullptr;
    QLineEdit *lineEdit_profileName = nullptr;
    QFrame *frame_3 = nullptr;
    QPushButton *pushButton_Save = nullptr;
    QPushButton *pushButton_Cancel = nullptr;
    QFrame *frame_5 = nullptr;
    QPushButton *pushButton_ProfileOperate = nullptr;
    QWidget *widget_RightBottom = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QWidget *page_CustomKeys = nullptr;
    QWidget *page_LightsConfig = nullptr;
    QWidget *page_Performance = nullptr;
    QWidget *page_TriggerSetting = nullptr;

    QWidget *page_TipShow = nullptr;
    QFrame *frame_28 = nullptr;
    QVBoxLayout *verticalLayout_36 = nullptr;
    QFrame *frame_29 = nullptr;
    QFrame *frame_30 = nullptr;
    QLabel *label_Tip = nullptr;
};
