#include "ui/mainwidget/devicePage/keyFunctions/Ui_DCustomKeysPage.h"

#include "ui/mainwidget/devicePage/keyFunctions/KeyFunctionTable.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QFrame *makeFrame(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QToolButton *makeFunctionButton(QWidget *parent, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFixedSize(20, 20);
    button->setCheckable(true);
    for (const KeyFunction &function : KeyFunctionTable::functions()) {
        if (qstrcmp(function.buttonName, name) == 0)
            button->setStyleSheet(QString("QToolButton{ border-image: url(%1); }"
                                          "QToolButton:hover,QToolButton:pressed,QToolButton:checked"
                                          "{ border-image: url(%2); }")
                                      .arg(function.imageDef, function.imageSel));
    }
    return button;
}

void setMargins(QLayout *layout, int left, int top, int right, int bottom)
{
    // -1 keeps the style's own margin on that side.
    const QMargins current = layout->contentsMargins();
    layout->setContentsMargins(left < 0 ? current.left() : left, top < 0 ? current.top() : top,
                               right < 0 ? current.right() : right, bottom < 0 ? current.bottom() : bottom);
}

const char *const designSheet =
    "QFrame#frame_Bg01{ background-color: rgb(26, 27, 49); }"
    "QLabel{ color: rgb(158, 158, 158); font: 75 11pt \"Microsoft YaHei\"; }"
    "QFrame#frame_2,QFrame#frame_4{ border: 3px solid rgb(46, 47, 80); border-radius: 8px; }"
    "QFrame#frame_Line{ border: none; border-left: 1px solid rgb(52, 52, 86); }"
    "QLabel#label_KeyChar{ color: rgb(255, 143, 31); font: 75 11pt \"Microsoft YaHei\";"
    " border: 3px solid rgb(52, 52, 86); border-radius: 8px; }"
    "QFrame#frame_8 QPushButton{ border: none; color: rgb(158, 158, 158); font: 75 10pt \"Microsoft YaHei\"; }"
    "QFrame#frame_8 QPushButton:hover,QFrame#frame_8 QPushButton:pressed,QFrame#frame_8 QPushButton:checked"
    "{ color: rgb(255, 143, 31); }"
    "QPushButton#pushButton_Download{ color: rgb(255, 143, 31); font: 75 11pt \"Microsoft YaHei\";"
    " border: 3px solid rgb(52, 52, 86); }"
    "QPushButton#pushButton_Download:hover,QPushButton#pushButton_Download:pressed"
    "{ border: 3px solid rgb(255, 143, 31); }";

} // namespace

void Ui_DCustomKeysPage::setupUi(QWidget *DCustomKeysPage)
{
    DCustomKeysPage->setObjectName("DCustomKeysPage");
    DCustomKeysPage->resize(1097, 250);
    DCustomKeysPage->setMinimumHeight(250);
    horizontalLayout = new QHBoxLayout(DCustomKeysPage);
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);

    frame_Bg01 = makeFrame(DCustomKeysPage, "frame_Bg01");
    frame_Bg01->setStyleSheet(designSheet);
    horizontalLayout->addWidget(frame_Bg01);
    verticalLayout = new QVBoxLayout(frame_Bg01);
    verticalLayout->setSpacing(0);
    setMargins(verticalLayout, -1, 0, -1, 0);

    // The function row.
    frame_Top = makeFrame(frame_Bg01, "frame_Top");
    frame_Top->setMaximumHeight(50);
    verticalLayout->addWidget(frame_Top);
    horizontalLayout_2 = new QHBoxLayout(frame_Top);
    horizontalLayout_2->setSpacing(6);
    setMargins(horizontalLayout_2, 0, -1, -1, -1);
    frame = makeFrame(frame_Top, "frame");
    frame->setFixedWidth(110);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    label = new QLabel(frame);
    label->setObjectName("label");
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    frameLayout->addWidget(label);
    horizontalLayout_2->addWidget(frame);
    frame_2 = makeFrame(frame_Top, "frame_2");
    frame_2->setMinimumHeight(32);
    horizontalLayout_2->addWidget(frame_2);

    horizontalLayout_7 = new QHBoxLayout(frame_2);
    horizontalLayout_7->setSpacing(28);
    setMargins(horizontalLayout_7, 12, 0, -1, 0);
    toolButton_Default = makeFunctionButton(frame_2, "toolButton_Default");
    toolButton_RemapKey = makeFunctionButton(frame_2, "toolButton_RemapKey");
    toolButton_SeniorKeys = makeFunctionButton(frame_2, "toolButton_SeniorKeys");
    frame_10 = makeFrame(frame_2, "frame_10");
    horizontalLayout_10 = new QHBoxLayout(frame_10);
    horizontalLayout_10->setSpacing(14);
    horizontalLayout_10->setContentsMargins(0, 1, 0, 1);
    toolButton_CombinationKey = makeFunctionButton(frame_10, "toolButton_CombinationKey");
    frame_Line = makeFrame(frame_10, "frame_Line");
    horizontalLayout_11 = new QHBoxLayout(frame_Line);
    horizontalLayout_11->setSpacing(0);
    horizontalLayout_11->setContentsMargins(13, 0, 0, 0);
    toolButton_Macro = makeFunctionButton(frame_Line, "toolButton_Macro");
    horizontalLayout_11->addWidget(toolButton_Macro);
    horizontalLayout_10->addWidget(toolButton_CombinationKey);
    horizontalLayout_10->addWidget(frame_Line);
    toolButton_Mouse = makeFunctionButton(frame_2, "toolButton_Mouse");
    toolButton_Text = makeFunctionButton(frame_2, "toolButton_Text");
    toolButton_Disable = makeFunctionButton(frame_2, "toolButton_Disable");
    toolButton_Multimedia = makeFunctionButton(frame_2, "toolButton_Multimedia");
    toolButton_Shortcuts = makeFunctionButton(frame_2, "toolButton_Shortcuts");
    toolButton_SwitchProfile = makeFunctionButton(frame_2, "toolButton_SwitchProfile");
    toolButton_OpenApp = makeFunctionButton(frame_2, "toolButton_OpenApp");
    toolButton_KBLightAbout = makeFunctionButton(frame_2, "toolButton_KBLightAbout");
    toolButton_SideLightAbout = makeFunctionButton(frame_2, "toolButton_SideLightAbout");
    toolButton_KeyConfigFunction = makeFunctionButton(frame_2, "toolButton_KeyConfigFunction");
    for (QWidget *item : {static_cast<QWidget *>(toolButton_Default), static_cast<QWidget *>(toolButton_RemapKey),
                          static_cast<QWidget *>(toolButton_SeniorKeys), static_cast<QWidget *>(frame_10),
                          static_cast<QWidget *>(toolButton_Mouse), static_cast<QWidget *>(toolButton_Text),
                          static_cast<QWidget *>(toolButton_Disable), static_cast<QWidget *>(toolButton_Multimedia),
                          static_cast<QWidget *>(toolButton_Shortcuts),
                          static_cast<QWidget *>(toolButton_SwitchProfile), static_cast<QWidget *>(toolButton_OpenApp),
                          static_cast<QWidget *>(toolButton_KBLightAbout),
                          static_cast<QWidget *>(toolButton_SideLightAbout),
                          static_cast<QWidget *>(toolButton_KeyConfigFunction)})
        horizontalLayout_7->addWidget(item);
    horizontalLayout_7->addItem(new QSpacerItem(287, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    toolButton_Default->setChecked(true);

    // Pages, key and layers, download.
    frame_Bottom = makeFrame(frame_Bg01, "frame_Bottom");
    verticalLayout->addWidget(frame_Bottom);
    horizontalLayout_4 = new QHBoxLayout(frame_Bottom);
    horizontalLayout_4->setSpacing(6);
    setMargins(horizontalLayout_4, 0, 0, -1, -1);

    frame_3 = makeFrame(frame_Bottom, "frame_3");
    frame_3->setFixedWidth(110);
    verticalLayout_2 = new QVBoxLayout(frame_3);
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    label_2 = new QLabel(frame_3);
    label_2->setObjectName("label_2");
    label_2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalLayout_2->addWidget(label_2);
    verticalLayout_2->addItem(new QSpacerItem(20, 157, QSizePolicy::Minimum, QSizePolicy::Expanding));
    horizontalLayout_4->addWidget(frame_3);

    frame_4 = makeFrame(frame_Bottom, "frame_4");
    frame_4->setFixedWidth(600);
    horizontalLayout_8 = new QHBoxLayout(frame_4);
    horizontalLayout_8->setContentsMargins(5, 5, 5, 5);
    stackedWidget_Customize = new QStackedWidget(frame_4);
    stackedWidget_Customize->setObjectName("stackedWidget_Customize");
    horizontalLayout_8->addWidget(stackedWidget_Customize);
    QWidget **pages[] = {&page_Default,      &page_Macro,          &page_RemapKey,
                         &page_Mouse,        &page_Text,           &page_Disable,
                         &page_Multimedia,   &page_CombinationKey, &page_Shortcuts,
                         &page_SwitchProfile, &page_OpenApp,       &page_KeyboardLightAbout,
                         &page_SideLightAbout, &page_KeyConfigFunctionAbout, &page_SeniorKeysBind};
    const char *const pageNames[] = {"page_Default",      "page_Macro",          "page_RemapKey",
                                     "page_Mouse",        "page_Text",           "page_Disable",
                                     "page_Multimedia",   "page_CombinationKey", "page_Shortcuts",
                                     "page_SwitchProfile", "page_OpenApp",       "page_KeyboardLightAbout",
                                     "page_SideLightAbout", "page_KeyConfigFunctionAbout", "page_SeniorKeysBind"};
    for (int index = 0; index < 15; ++index) {
        QWidget *page = new QWidget();
        page->setObjectName(pageNames[index]);
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->setSpacing(3);
        pageLayout->setContentsMargins(3, 3, 3, 3);
        stackedWidget_Customize->addWidget(page);
        *pages[index] = page;
    }
    horizontalLayout_4->addWidget(frame_4);

    frame_5 = makeFrame(frame_Bottom, "frame_5");
    frame_5->setFixedWidth(200);
    verticalLayout_3 = new QVBoxLayout(frame_5);
    verticalLayout_3->setSpacing(6);
    setMargins(verticalLayout_3, -1, 0, 0, 0);
    frame_6 = makeFrame(frame_5, "frame_6");
    verticalLayout_4 = new QVBoxLayout(frame_6);
    verticalLayout_4->setSpacing(6);
    setMargins(verticalLayout_4, 0, 0, 0, -1);
    label_3 = new QLabel(frame_6);
    label_3->setObjectName("label_3");
    label_3->setAlignment(Qt::AlignCenter);
    label_KeyChar = new QLabel(frame_6);
    label_KeyChar->setObjectName("label_KeyChar");
    label_KeyChar->setMinimumHeight(40);
    label_KeyChar->setAlignment(Qt::AlignCenter);
    frame_8 = makeFrame(frame_6, "frame_8");
    frame_8->setMinimumHeight(25);
    horizontalLayout_6 = new QHBoxLayout(frame_8);
    horizontalLayout_6->setSpacing(3);
    horizontalLayout_6->setContentsMargins(0, 0, 0, 0);
    pushButton_DefaultLayer = new QPushButton(frame_8);
    pushButton_DefaultLayer->setObjectName("pushButton_DefaultLayer");
    pushButton_DefaultLayer->setCheckable(true);
    pushButton_DefaultLayer->setChecked(true);
    pushButton_FnLayer = new QPushButton(frame_8);
    pushButton_FnLayer->setObjectName("pushButton_FnLayer");
    pushButton_FnLayer->setCheckable(true);
    horizontalLayout_6->addWidget(pushButton_DefaultLayer);
    horizontalLayout_6->addWidget(pushButton_FnLayer);
    verticalLayout_4->addWidget(label_3);
    verticalLayout_4->addWidget(label_KeyChar);
    verticalLayout_4->addWidget(frame_8);
    verticalLayout_3->addWidget(frame_6);
    verticalLayout_3->addItem(new QSpacerItem(20, 21, QSizePolicy::Minimum, QSizePolicy::Expanding));

    frame_9 = makeFrame(frame_5, "frame_9");
    frame_9->setMinimumHeight(21);
    horizontalLayout_9 = new QHBoxLayout(frame_9);
    horizontalLayout_9->setContentsMargins(0, 0, 0, 0);
    label_Loading = new QLabel(frame_9);
    label_Loading->setObjectName("label_Loading");
    label_Loading->setMinimumSize(140, 20);
    label_Loading->setMaximumHeight(20);
    label_Loading->setAlignment(Qt::AlignCenter);
    horizontalLayout_9->addWidget(label_Loading);
    verticalLayout_3->addWidget(frame_9);

    frame_7 = makeFrame(frame_5, "frame_7");
    horizontalLayout_5 = new QHBoxLayout(frame_7);
    horizontalLayout_5->setContentsMargins(0, 0, 0, 0);
    pushButton_Download = new QPushButton(frame_7);
    pushButton_Download->setObjectName("pushButton_Download");
    pushButton_Download->setMinimumSize(185, 40);
    pushButton_Download->setIcon(QIcon(":/images/DownloadSel.png"));
    pushButton_Download->setIconSize(QSize(20, 20));
    horizontalLayout_5->addWidget(pushButton_Download);
    verticalLayout_3->addWidget(frame_7);
    horizontalLayout_4->addWidget(frame_5);
    horizontalLayout_4->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    retranslateUi(DCustomKeysPage);
    stackedWidget_Customize->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(DCustomKeysPage);
}

void Ui_DCustomKeysPage::retranslateUi(QWidget *DCustomKeysPage)
{
    DCustomKeysPage->setWindowTitle(QCoreApplication::translate("DCustomKeysPage", "DCustomKeysPage"));
    label->setText(QCoreApplication::translate("DCustomKeysPage", "Type:"));
    for (QToolButton *button : frame_2->findChildren<QToolButton *>())
        button->setText(QString());
    label_2->setText(QCoreApplication::translate("DCustomKeysPage", "Function:"));
    label_3->setText(QCoreApplication::translate("DCustomKeysPage", "Key"));
    label_KeyChar->setText(QCoreApplication::translate("DCustomKeysPage", "Space"));
    pushButton_DefaultLayer->setText(QCoreApplication::translate("DCustomKeysPage", "Default layer"));
    pushButton_FnLayer->setText(QCoreApplication::translate("DCustomKeysPage", "FN layer"));
    label_Loading->setText(QCoreApplication::translate("DCustomKeysPage", "Loading"));
    pushButton_Download->setText(QCoreApplication::translate("DCustomKeysPage", "Download"));
}
