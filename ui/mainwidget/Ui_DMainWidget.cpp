#include "ui/mainwidget/Ui_DMainWidget.h"

#include "widgets/FormParts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace FormParts;

namespace {
QPushButton *titleButton(const char *name, QWidget *parent, const QString &sheet)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(16, 16);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(sheet);
    return button;
}
}

void Ui_DMainWidget::setupUi(QWidget *DMainWidget)
{
    if (DMainWidget->objectName().isEmpty())
        DMainWidget->setObjectName("DMainWidget");
    DMainWidget->resize(1280, 715);
    // Frames draw no outline unless their own sheet gives one.
    DMainWidget->setStyleSheet("QFrame{border: none;}");

    verticalLayout = newLayout<QVBoxLayout>("verticalLayout", DMainWidget, 0, 0, 0, 0, 0);

    frame_Bg = newFrame("frame_Bg", DMainWidget);
    frame_Bg->setFrameShadow(QFrame::Raised);
    frame_Bg->setStyleSheet("QFrame#frame_Bg{border: none; border:1px solid rgb(25, 25, 50);background:transparent;}");
    verticalLayout->addWidget(frame_Bg);
    verticalLayout_2 = newLayout<QVBoxLayout>("verticalLayout_2", frame_Bg, 0, 0, 0, 0, 0);

    // ---- Title bar ----
    frame_Title = newFrame("frame_Title", frame_Bg);
    frame_Title->setFixedHeight(45);
    frame_Title->setStyleSheet("QFrame#frame_Title{ background-color: rgb(34, 34, 58);}");
    verticalLayout_2->addWidget(frame_Title);
    horizontalLayout_2 = newLayout<QHBoxLayout>("horizontalLayout_2", frame_Title, 10, 6, 5, 6, 2);
    frame_4 = newFrame("frame_4", frame_Title);
    horizontalLayout_2->addWidget(frame_4);
    horizontalLayout_12 = newLayout<QHBoxLayout>("horizontalLayout_12", frame_4, 6, 2, 0, 0, 0);

    stackedWidget = new QStackedWidget(frame_4);
    stackedWidget->setObjectName("stackedWidget");
    stackedWidget->setFixedWidth(250);
    page_TitleMode01 = new QWidget();
    page_TitleMode01->setObjectName("page_TitleMode01");
    auto *titleMode01Layout = new QHBoxLayout(page_TitleMode01);
    titleMode01Layout->setContentsMargins(0, 0, 0, 0);
    frame_3 = newFrame("frame_3", page_TitleMode01);
    frame_3->setMaximumWidth(250);
    auto *frame3Layout = new QHBoxLayout(frame_3);
    frame3Layout->setContentsMargins(0, 0, 0, 0);
    appLogo = new QPushButton(frame_3);
    appLogo->setObjectName("appLogo");
    appLogo->setFixedSize(25, 25);
    appLogo->setIconSize(QSize(32, 32));
    appLogo->setFocusPolicy(Qt::NoFocus);
    frame3Layout->addWidget(appLogo);
    label_AppName = new QLabel(frame_3);
    label_AppName->setObjectName("label_AppName");
    label_AppName->setStyleSheet("QLabel#label_AppName{color: rgb(255, 143, 31); font: 75 16pt \"Microsoft YaHei\";}");
    frame3Layout->addWidget(label_AppName);
    titleMode01Layout->addWidget(frame_3);
    stackedWidget->addWidget(page_TitleMode01);
    page_TitleMode02 = new QWidget();
    page_TitleMode02->setObjectName("page_TitleMode02");
    auto *titleMode02Layout = new QHBoxLayout(page_TitleMode02);
    titleMode02Layout->setContentsMargins(0, 0, 0, 0);
    titleMode02Layout->addItem(hSpacer());
    pushButton = new QPushButton(page_TitleMode02);
    pushButton->setObjectName("pushButton");
    pushButton->setFixedSize(200, 30);
    pushButton->setStyleSheet("QPushButton{border-image: url(:/images/leftTopLogo.png);}");
    titleMode02Layout->addWidget(pushButton);
    titleMode02Layout->addItem(hSpacer());
    stackedWidget->addWidget(page_TitleMode02);
    horizontalLayout_12->addWidget(stackedWidget);

    horizontalLayout_12->addItem(hSpacer());
    frame_HidLikeName = newFrame("frame_HidLikeName", frame_4);
    frame_HidLikeName->setMinimumWidth(260);
    frame_HidLikeName->setStyleSheet("QFrame#frame_HidLikeName{border: none; border-radius: 12px;}");
    horizontalLayout = newLayout<QHBoxLayout>("horizontalLayout", frame_HidLikeName, 6, 9, 0, 9, 0);
    label_ProductName = new QLabel(frame_HidLikeName);
    label_ProductName->setObjectName("label_ProductName");
    label_ProductName->setStyleSheet("QLabel#label_ProductName{color: rgb(255, 143, 31); font: 75 14pt \"Microsoft YaHei\";}");
    horizontalLayout->addWidget(label_ProductName);
    label_DeviceName = new QLabel(frame_HidLikeName);
    label_DeviceName->setObjectName("label_DeviceName");
    label_DeviceName->setStyleSheet("QLabel#label_DeviceName{color: rgb(255, 243, 231); font: 75 14pt \"Microsoft YaHei\";}");
    horizontalLayout->addWidget(label_DeviceName);
    horizontalLayout_12->addWidget(frame_HidLikeName);

    label_SdkVer = new QLabel(frame_4);
    label_SdkVer->setObjectName("label_SdkVer");
    label_SdkVer->setStyleSheet("QLabel#label_SdkVer{color: rgb(255, 143, 31); font: 75 12pt \"Microsoft YaHei\";}");
    horizontalLayout_12->addWidget(label_SdkVer);
    horizontalLayout_12->addItem(hSpacer());

    frame_WindowOperate = newFrame("frame_WindowOperate", frame_4);
    frame_WindowOperate->setFixedWidth(250);
    horizontalLayout_3 = newLayout<QHBoxLayout>("horizontalLayout_3", frame_WindowOperate, 20, 0, 4, 5, 4);
    frame_but = newFrame("frame_but", frame_WindowOperate);
    horizontalLayout_3->addWidget(frame_but);
    horizontalLayout_13 = newLayout<QHBoxLayout>("horizontalLayout_13", frame_but, 20, 0, 2, 0, 2);
    horizontalLayout_13->addItem(hSpacer());
    pushButton_Setting = titleButton("pushButton_Setting", frame_but,
                                     pictureSheet("QPushButton", ":/images/mainpage/settingDef.png",
                                                  ":/images/mainpage/settingSel.png", false));
    pushButton_Setting->setMinimumSize(18, 18);
    pushButton_Setting->setMaximumSize(18, QWIDGETSIZE_MAX);
    horizontalLayout_13->addWidget(pushButton_Setting);
    pushButton_Min = titleButton("pushButton_Min", frame_but,
                                 pictureSheet("QPushButton", ":/images/mainpage/minWindowDef.png",
                                              ":/images/mainpage/minWindowSel.png", false));
    horizontalLayout_13->addWidget(pushButton_Min);
    pushButton_Max = titleButton("pushButton_Max", frame_but,
                                 pictureSheet("QPushButton", ":/images/mainpage/maxWindowDef.png",
                                              ":/images/mainpage/maxWindowSel.png", false));
    horizontalLayout_13->addWidget(pushButton_Max);
    pushButton_Close = titleButton("pushButton_Close", frame_but,
                                   pictureSheet("QPushButton", ":/images/mainpage/closeWindowDef.png",
                                                ":/images/mainpage/closeWindowSel.png", false));
    horizontalLayout_13->addWidget(pushButton_Close);
    horizontalLayout_12->addWidget(frame_WindowOperate);

    // ---- Main area ----
    frame_Main = newFrame("frame_Main", frame_Bg);
    frame_Main->setStyleSheet("QFrame#frame_Main{ border: none; border-top: 3px solid rgb(52, 52, 86); }");
    verticalLayout_2->addWidget(frame_Main);
    horizontalLayout_4 = newLayout<QHBoxLayout>("horizontalLayout_4", frame_Main, 0, 5, 0, 5, 5);
    stackedWidget_Main = new QStackedWidget(frame_Main);
    stackedWidget_Main->setObjectName("stackedWidget_Main");
    stackedWidget_Main->setStyleSheet("QStackedWidget#stackedWidget_Main{border-bottom-left-radius: 12px;}"
                                      "QWidget#page_Device{border-bottom-left-radius: 12px;}");
    page_Device = new QWidget();
    page_Device->setObjectName("page_Device");
    horizontalLayout_6 = newLayout<QHBoxLayout>("horizontalLayout_6", page_Device, 6, 0, 0, 0, 0);
    stackedWidget_Main->addWidget(page_Device);
    page_Home = new QWidget();
    page_Home->setObjectName("page_Home");
    stackedWidget_Main->addWidget(page_Home);
    page_Macro = new QWidget();
    page_Macro->setObjectName("page_Macro");
    stackedWidget_Main->addWidget(page_Macro);
    page_Linkage = new QWidget();
    page_Linkage->setObjectName("page_Linkage");
    stackedWidget_Main->addWidget(page_Linkage);
    horizontalLayout_4->addWidget(stackedWidget_Main);

    retranslateUi(DMainWidget);
    stackedWidget->setCurrentIndex(1);
    QMetaObject::connectSlotsByName(DMainWidget);
}

void Ui_DMainWidget::retranslateUi(QWidget *DMainWidget)
{
    DMainWidget->setWindowTitle(QCoreApplication::translate("DMainWidget", "DMainWidget"));
    label_AppName->setText(QCoreApplication::translate("DMainWidget", "VORLAN"));
    label_ProductName->setText(QCoreApplication::translate("DMainWidget", "HID"));
    label_DeviceName->setText(QCoreApplication::translate("DMainWidget", "RGB"));
    label_SdkVer->setText(QCoreApplication::translate("DMainWidget", "V1.0.0.0.1"));
    appLogo->setText(QString());
    pushButton->setText(QString());
    pushButton_Setting->setText(QString());
    pushButton_Min->setText(QString());
    pushButton_Max->setText(QString());
    pushButton_Close->setText(QString());
}
