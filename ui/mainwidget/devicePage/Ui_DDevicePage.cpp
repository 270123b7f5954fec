#include "ui/mainwidget/devicePage/Ui_DDevicePage.h"

#include "widgets/BatteryItem.h"
#include "widgets/FormParts.h"
#include "widgets/TextMoveWidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace FormParts;

namespace {
QToolButton *tabButton(const char *name, QWidget *parent, const QString &normal, const QString &active,
                       bool checkable)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFixedSize(28, 28);
    button->setCheckable(checkable);
    button->setStyleSheet(pictureSheet("QToolButton", normal, active, checkable));
    return button;
}

QPushButton *pictureButton(const char *name, QWidget *parent, const QString &normal, const QString &active)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setStyleSheet(pictureSheet("QPushButton", normal, active, false));
    return button;
}
}

void Ui_DDevicePage::setupUi(QWidget *DDevicePage)
{
    if (DDevicePage->objectName().isEmpty())
        DDevicePage->setObjectName("DDevicePage");
    DDevicePage->resize(1280, 700);
    // Frames draw no outline unless their own sheet gives one.
    DDevicePage->setStyleSheet("QFrame{border: none;}");
    horizontalLayout = newLayout<QHBoxLayout>("horizontalLayout", DDevicePage, 0, 0, 0, 0, 0);

    // ---- Left column: the device list and the link ----
    frame_left = newFrame("frame_left", DDevicePage);
    frame_left->setFixedWidth(225);
    frame_left->setFrameShape(QFrame::NoFrame);
    horizontalLayout->addWidget(frame_left);
    verticalLayout = newLayout<QVBoxLayout>("verticalLayout", frame_left, 0, 0, 0, 0, 0);

    frame = newFrame("frame", frame_left);
    frame->setMinimumHeight(45);
    verticalLayout->addWidget(frame);
    horizontalLayout_8 = newLayout<QHBoxLayout>("horizontalLayout_8", frame, 6, 9, 9, 9, 9);
    label = new QLabel(frame);
    label->setObjectName("label");
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet("QLabel#label{color: rgb(158, 158, 158); font: 75 12pt \"Microsoft YaHei\";}");
    horizontalLayout_8->addWidget(label);

    widget_4 = new QWidget(frame_left);
    widget_4->setObjectName("widget_4");
    verticalLayout->addWidget(widget_4);
    verticalLayout_16 = newLayout<QVBoxLayout>("verticalLayout_16", widget_4, 0, 0, 0, 0, 0);
    scrollArea_2 = new QScrollArea(widget_4);
    scrollArea_2->setObjectName("scrollArea_2");
    scrollArea_2->setFrameShape(QFrame::NoFrame);
    scrollArea_2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea_2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_2->setWidgetResizable(true);
    scrollAreaWidgetContents_2 = new QWidget();
    scrollAreaWidgetContents_2->setObjectName("scrollAreaWidgetContents_2");
    scrollAreaWidgetContents_2->setGeometry(0, 0, 225, 625);
    verticalLayout_17 = newLayout<QVBoxLayout>("verticalLayout_17", scrollAreaWidgetContents_2, 0, 0, 0, 0, 0);
    verticalLayout_17->addItem(vSpacer());
    scrollArea_2->setWidget(scrollAreaWidgetContents_2);
    verticalLayout_16->addWidget(scrollArea_2);

    frame_Url = newFrame("frame_Url", frame_left);
    frame_Url->setFixedHeight(30);
    frame_Url->setStyleSheet("QFrame#frame_Url{border: none; border-top: 3px solid rgb(52, 52, 86);}");
    verticalLayout->addWidget(frame_Url);
    horizontalLayout_3 = newLayout<QHBoxLayout>("horizontalLayout_3", frame_Url, 6, 0, 2, 0, 2);
    label_Url = new QLabel(frame_Url);
    label_Url->setObjectName("label_Url");
    label_Url->setAlignment(Qt::AlignCenter);
    horizontalLayout_3->addWidget(label_Url);

    // ---- Right area ----
    frame_Right = newFrame("frame_Right", DDevicePage);
    frame_Right->setMinimumWidth(200);
    horizontalLayout->addWidget(frame_Right);
    verticalLayout_2 = newLayout<QVBoxLayout>("verticalLayout_2", frame_Right, 0, 0, 0, 0, 0);
    stackedWidget_3 = new QStackedWidget(frame_Right);
    stackedWidget_3->setObjectName("stackedWidget_3");
    verticalLayout_2->addWidget(stackedWidget_3);

    page_HaveDevice = newPage("page_HaveDevice");
    verticalLayout_7 = newLayout<QVBoxLayout>("verticalLayout_7", page_HaveDevice, 0, 0, 0, 0, 0);
    frame_RightTop = newFrame("frame_RightTop", page_HaveDevice);
    verticalLayout_7->addWidget(frame_RightTop);
    verticalLayout_3 = newLayout<QVBoxLayout>("verticalLayout_3", frame_RightTop, 0, 0, 0, 0, 0);

    widget_Device = new QWidget(frame_RightTop);
    widget_Device->setObjectName("widget_Device");
    verticalLayout_3->addWidget(widget_Device);
    horizontalLayout_15 = newLayout<QHBoxLayout>("horizontalLayout_15", widget_Device, 0, 0, 0, 0, 0);
    stackedWidget_DeviceChang = new QStackedWidget(widget_Device);
    stackedWidget_DeviceChang->setObjectName("stackedWidget_DeviceChang");
    horizontalLayout_15->addWidget(stackedWidget_DeviceChang);
    page_deviceShow = newPage("page_deviceShow");
    auto *deviceShowLayout = newLayout<QHBoxLayout>("horizontalLayout_deviceShow", page_deviceShow, 0, 0, 0, 0, 0);
    frame_32 = newFrame("frame_32", page_deviceShow);
    frame_32->setMinimumWidth(30);
    deviceShowLayout->addWidget(frame_32);
    auto *frame32Layout = newLayout<QHBoxLayout>("horizontalLayout_32", frame_32, 0, 0, 0, 0, 0);
    hidDeviceShowFrame = new QWidget(frame_32);
    hidDeviceShowFrame->setObjectName("hidDeviceShowFrame");
    hidDeviceShowFrame->setMinimumSize(500, 200);
    frame32Layout->addWidget(hidDeviceShowFrame);
    horizontalLayout_17 = newLayout<QHBoxLayout>("horizontalLayout_17", hidDeviceShowFrame, 0, 0, 0, 0, 0);
    stackedWidget_DeviceChang->addWidget(page_deviceShow);
    page_MouseLight = newPage("page_MouseLight");
    auto *mouseLightLayout = newLayout<QHBoxLayout>("horizontalLayout_mouseLight", page_MouseLight, 0, 0, 0, 0, 0);
    mouseLightFrame = newFrame("mouseLightFrame", page_MouseLight);
    mouseLightLayout->addWidget(mouseLightFrame);
    horizontalLayout_31 = newLayout<QHBoxLayout>("horizontalLayout_31", mouseLightFrame, 0, 0, 0, 0, 0);
    stackedWidget_DeviceChang->addWidget(page_MouseLight);
    page_Onboard = newPage("page_Onboard");
    auto *onboardLayout = newLayout<QHBoxLayout>("horizontalLayout_onboard", page_Onboard, 0, 0, 0, 0, 0);
    onboardFrame = newFrame("onboardFrame", page_Onboard);
    onboardLayout->addWidget(onboardFrame);
    horizontalLayout_40 = newLayout<QHBoxLayout>("horizontalLayout_40", onboardFrame, 0, 0, 0, 0, 0);
    stackedWidget_DeviceChang->addWidget(page_Onboard);

    frame_9 = newFrame("frame_9", frame_RightTop);
    frame_9->setFixedHeight(33);
    verticalLayout_3->addWidget(frame_9);
    horizontalLayout_20 = newLayout<QHBoxLayout>("horizontalLayout_20", frame_9, 6, 190, 0, 0, 0);
    horizontalLayout_20->addItem(hSpacer());
    widget_MoveTip = new TextMoveWidget(frame_9);
    widget_MoveTip->setObjectName("widget_MoveTip");
    widget_MoveTip->setMinimumWidth(650);
    horizontalLayout_20->addWidget(widget_MoveTip);
    horizontalLayout_20->addItem(hSpacer());
    pushButton_Reset = new QPushButton(frame_9);
    pushButton_Reset->setObjectName("pushButton_Reset");
    pushButton_Reset->setMinimumSize(181, 30);
    pushButton_Reset->setIconSize(QSize(18, 18));
    horizontalLayout_20->addWidget(pushButton_Reset);

    frame_Operate = newFrame("frame_Operate", frame_RightTop);
    frame_Operate->setFixedHeight(40);
    verticalLayout_3->addWidget(frame_Operate);
    horizontalLayout_4 = newLayout<QHBoxLayout>("horizontalLayout_4", frame_Operate, 18, 0, 0, 9, 4);
    frame_7 = newFrame("frame_7", frame_Operate);
    frame_7->setMinimumWidth(250);
    horizontalLayout_4->addWidget(frame_7);
    horizontalLayout_14 = newLayout<QHBoxLayout>("horizontalLayout_14", frame_7, 6, 0, 6, 0, 0);
    toolButton_CustomKey = tabButton("toolButton_CustomKey", frame_7, ":/images/customMadeDef.png", ":/images/customMadeSel.png",
                                 true);
    toolButton_CustomKey->setChecked(true);
    toolButton_TriggerSetting = tabButton("toolButton_TriggerSetting", frame_7, ":/images/triggerSettingDef.png", ":/images/triggerSettingSel.png",
                                 true);
    toolButton_SeniorKey = tabButton("toolButton_SeniorKey", frame_7, ":/images/SeniorKeyDef.png", ":/images/SeniorKeySel.png",
                                 false);
    toolButton_LightConfig = tabButton("toolButton_LightConfig", frame_7, ":/images/ledDef.png", ":/images/ledSel.png",
                                 true);
    toolButton_Performance = tabButton("toolButton_Performance", frame_7, ":/images/performanceDef.png", ":/images/performanceSel.png",
                                 true);
    toolButton_MacroDialog = tabButton("toolButton_MacroDialog", frame_7, ":/images/macroDef.png", ":/images/macroSel.png",
                                 false);
    for (QToolButton *button : {toolButton_CustomKey, toolButton_TriggerSetting, toolButton_SeniorKey,
                                toolButton_LightConfig, toolButton_Performance, toolButton_MacroDialog})
        horizontalLayout_14->addWidget(button);

    frame_2 = newFrame("frame_2", frame_Operate);
    frame_2->setMinimumWidth(40);
    horizontalLayout_4->addWidget(frame_2);
    horizontalLayout_9 = newLayout<QHBoxLayout>("horizontalLayout_9", frame_2, 0, 0, 0, 0, 0);
    horizontalLayout_9->addItem(hSpacer());
    frame_TestOperate = newFrame("frame_TestOperate", frame_2);
    frame_TestOperate->setMinimumWidth(100);
    horizontalLayout_9->addWidget(frame_TestOperate);
    horizontalLayout_16 = newLayout<QHBoxLayout>("horizontalLayout_16", frame_TestOperate, 10, 0, 0, 0, 0);
    pushButton_Test = new QPushButton(frame_TestOperate);
    pushButton_Test->setObjectName("pushButton_Test");
    horizontalLayout_16->addWidget(pushButton_Test);
    pushButton_ChangModeTest = new QPushButton(frame_TestOperate);
    pushButton_ChangModeTest->setObjectName("pushButton_ChangModeTest");
    horizontalLayout_16->addWidget(pushButton_ChangModeTest);
    label_ChangModeTest = new QLabel(frame_TestOperate);
    label_ChangModeTest->setObjectName("label_ChangModeTest");
    label_ChangModeTest->setMinimumWidth(75);
    label_ChangModeTest->setStyleSheet("QLabel#label_ChangModeTest{color: rgb(62, 214, 51); font: 12pt;}");
    horizontalLayout_16->addWidget(label_ChangModeTest);
    pushButton_MoreSmall = pictureButton("pushButton_MoreSmall", frame_TestOperate,
                                         ":/images/MultipleMoreSmallDef.png", ":/images/MultipleMoreSmallSel.png");
    pushButton_MoreSmall->setFixedSize(28, 28);
    horizontalLayout_16->addWidget(pushButton_MoreSmall);
    pushButton_MoreBig = pictureButton("pushButton_MoreBig", frame_TestOperate, ":/images/MultipleMoreBigDef.png",
                                       ":/images/MultipleMoreBigSel.png");
    pushButton_MoreBig->setFixedSize(28, 28);
    horizontalLayout_16->addWidget(pushButton_MoreBig);
    label_Multiple = new QLabel(frame_TestOperate);
    label_Multiple->setObjectName("label_Multiple");
    label_Multiple->setMinimumWidth(30);
    horizontalLayout_16->addWidget(label_Multiple);
    frame_FillSpace = newFrame("frame_FillSpace", frame_2);
    horizontalLayout_9->addWidget(frame_FillSpace);
    horizontalLayout_9->addItem(hSpacer());

    frame_8 = newFrame("frame_8", frame_2);
    horizontalLayout_9->addWidget(frame_8);
    auto *frame8Layout = newLayout<QHBoxLayout>("horizontalLayout_frame8", frame_8, 0, 0, 12, 0, 0);
    label_Mode = new QLabel(frame_8);
    label_Mode->setObjectName("label_Mode");
    label_Mode->setMinimumWidth(25);
    label_Mode->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    frame8Layout->addWidget(label_Mode);
    frame_6 = newFrame("frame_6", frame_2);
    horizontalLayout_9->addWidget(frame_6);
    auto *frame6Layout = newLayout<QHBoxLayout>("horizontalLayout_frame6", frame_6, 0, 0, 0, 4, 0);
    label_Charging = new QLabel(frame_6);
    label_Charging->setObjectName("label_Charging");
    label_Charging->setFixedSize(12, 22);
    label_Charging->setStyleSheet("QLabel#label_Charging{border-image: url(:/images/publicIco/Charging.png);}");
    frame6Layout->addWidget(label_Charging);
    frame_Battery = newFrame("frame_Battery", frame_2);
    frame_Battery->setMinimumWidth(25);
    horizontalLayout_9->addWidget(frame_Battery);
    auto *batteryLayout = newLayout<QHBoxLayout>("horizontalLayout_battery", frame_Battery, 0, 0, 13, 12, 0);
    label_ElectricityNum = new BatteryItem(frame_Battery);
    label_ElectricityNum->setObjectName("label_ElectricityNum");
    label_ElectricityNum->setMinimumWidth(28);
    batteryLayout->addWidget(label_ElectricityNum);

    frame_4 = newFrame("frame_4", frame_2);
    frame_4->setMaximumWidth(145);
    horizontalLayout_9->addWidget(frame_4);
    auto *frame4Layout = newLayout<QHBoxLayout>("horizontalLayout_frame4", frame_4, 0, 0, 9, 0, 0);
    stackedWidget_2 = new QStackedWidget(frame_4);
    stackedWidget_2->setObjectName("stackedWidget_2");
    frame4Layout->addWidget(stackedWidget_2);
    page_ProfileList = newPage("page_ProfileList");
    auto *profileListLayout = newLayout<QHBoxLayout>("horizontalLayout_profileList", page_ProfileList, 0, 0, 0, 0, 0);
    comboBox_profileList = new QComboBox(page_ProfileList);
    comboBox_profileList->setObjectName("comboBox_profileList");
    profileListLayout->addWidget(comboBox_profileList);
    stackedWidget_2->addWidget(page_ProfileList);
    page_ModifyName = newPage("page_ModifyName");
    auto *modifyNameLayout = newLayout<QHBoxLayout>("horizontalLayout_modifyName", page_ModifyName, 0, 0, 0, 0, 0);
    lineEdit_profileName = new QLineEdit(page_ModifyName);
    lineEdit_profileName->setObjectName("lineEdit_profileName");
    lineEdit_profileName->setMinimumHeight(23);
    modifyNameLayout->addWidget(lineEdit_profileName);
    frame_3 = newFrame("frame_3", page_ModifyName);
    modifyNameLayout->addWidget(frame_3);
    auto *frame3Layout = newLayout<QHBoxLayout>("horizontalLayout_frame3", frame_3, 3, 4, 0, 0, 0);
    pushButton_Save = pictureButton("pushButton_Save", frame_3, ":/images/macro/sureDef.png", ":/images/macro/sureSel.png");
    pushButton_Save->setFixedSize(18, 18);
    frame3Layout->addWidget(pushButton_Save);
    pushButton_Cancel = pictureButton("pushButton_Cancel", frame_3, ":/images/macro/cancelDef.png",
                                      ":/images/macro/cancelSel.png");
    pushButton_Cancel->setFixedSize(18, 18);
    frame3Layout->addWidget(pushButton_Cancel);
    stackedWidget_2->addWidget(page_ModifyName);

    frame_5 = newFrame("frame_5", frame_2);
    frame_5->setMinimumWidth(23);
    horizontalLayout_9->addWidget(frame_5);
    auto *frame5Layout = newLayout<QHBoxLayout>("horizontalLayout_frame5", frame_5, 0, 3, 14, 0, 0);
    pushButton_ProfileOperate = pictureButton("pushButton_ProfileOperate", frame_5, ":/images/publicIco/dianDef.png",
                                              ":/images/publicIco/dianSel.png");
    pushButton_ProfileOperate->setStyleSheet(pushButton_ProfileOperate->styleSheet()
                                             + "QPushButton{background: transparent;}");
    pushButton_ProfileOperate->setMinimumSize(22, 20);
    frame5Layout->addWidget(pushButton_ProfileOperate);

    widget_RightBottom = new QWidget(page_HaveDevice);
    widget_RightBottom->setObjectName("widget_RightBottom");
    widget_RightBottom->setFixedHeight(255);
    widget_RightBottom->setStyleSheet("QWidget#widget_RightBottom{border: none; border-top: 3px solid rgb(52, 52, 86);}");
    verticalLayout_7->addWidget(widget_RightBottom);
    horizontalLayout_2 = newLayout<QHBoxLayout>("horizontalLayout_2", widget_RightBottom, 6, 0, 3, 12, 0);
    stackedWidget = new QStackedWidget(widget_RightBottom);
    stackedWidget->setObjectName("stackedWidget");
    horizontalLayout_2->addWidget(stackedWidget);
    page_CustomKeys = newPage("page_CustomKeys");
    page_LightsConfig = newPage("page_LightsConfig");
    page_Performance = newPage("page_Performance");
    page_TriggerSetting = newPage("page_TriggerSetting");
    for (QWidget *page : {page_CustomKeys, page_LightsConfig, page_Performance, page_TriggerSetting}) {
        newLayout<QHBoxLayout>(qPrintable("horizontalLayout_" + page->objectName()), page, 0, 0, 0, 0, 0);
        stackedWidget->addWidget(page);
    }
    stackedWidget->setStyleSheet("QWidget#page_CustomKeys,QWidget#page_LightsConfig,QWidget#page_Performance"
                                 "{border-bottom-right-radius: 12px;}");
    stackedWidget_3->addWidget(page_HaveDevice);

    // ---- The "no device" tip ----
    page_TipShow = newPage("page_TipShow");
    auto *tipShowLayout = newLayout<QVBoxLayout>("verticalLayout_tipShow", page_TipShow, 0, 0, 0, 0, 0);
    frame_28 = newFrame("frame_28", page_TipShow);
    tipShowLayout->addWidget(frame_28);
    verticalLayout_36 = newLayout<QVBoxLayout>("verticalLayout_36", frame_28, 6, 9, 9, 9, 9);
    verticalLayout_36->addItem(vSpacer());
    frame_29 = newFrame("frame_29", frame_28);
    verticalLayout_36->addWidget(frame_29);
    auto *frame29Layout = newLayout<QHBoxLayout>("horizontalLayout_frame29", frame_29, 0, 0, 0, 0, 15);
    frame_30 = newFrame("frame_30", frame_29);
    frame_30->setFixedSize(160, 160);
    frame_30->setStyleSheet("QFrame#frame_30{border-image: url(:/images/NoConnect.png);}");
    frame29Layout->addWidget(frame_30);
    label_Tip = new QLabel(frame_28);
    label_Tip->setObjectName("label_Tip");
    label_Tip->setAlignment(Qt::AlignCenter);
    label_Tip->setStyleSheet("QLabel#label_Tip{color: rgb(255, 143, 31); font: 20pt;}");
    verticalLayout_36->addWidget(label_Tip);
    verticalLayout_36->addItem(vSpacer());
    stackedWidget_3->addWidget(page_TipShow);

    retranslateUi(DDevicePage);
    stackedWidget_3->setCurrentIndex(0);
    stackedWidget_DeviceChang->setCurrentIndex(0);
    stackedWidget_2->setCurrentIndex(0);
    stackedWidget->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(DDevicePage);
}

void Ui_DDevicePage::retranslateUi(QWidget *DDevicePage)
{
    DDevicePage->setWindowTitle(QCoreApplication::translate("DDevicePage", "DDevicePage"));
    label->setText(QCoreApplication::translate("DDevicePage", "产品列表"));
    label_Url->setText(QCoreApplication::translate("DDevicePage", "https://osterlin.example/"));
    pushButton_Reset->setText(QCoreApplication::translate("DDevicePage", "Reset"));
    pushButton_Test->setText(QCoreApplication::translate("DDevicePage", "测试按键"));
    pushButton_ChangModeTest->setText(QCoreApplication::translate("DDevicePage", "切换主模式"));
    label_ChangModeTest->setText(QCoreApplication::translate("DDevicePage", "Keyboard"));
    label_Multiple->setText(QCoreApplication::translate("DDevicePage", "1.0"));
    label_Mode->setText(QCoreApplication::translate("DDevicePage", "USB"));
    label_ElectricityNum->setText(QCoreApplication::translate("DDevicePage", "电量显示"));
    label_Tip->setText(QCoreApplication::translate("DDevicePage", "Device not connected"));
}
