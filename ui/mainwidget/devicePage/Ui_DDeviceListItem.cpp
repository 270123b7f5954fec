#include "Ui_DDeviceListItem.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QVBoxLayout>

void Ui_DDeviceListItem::setupUi(QWidget *DDeviceListItem)
{
    if (DDeviceListItem->objectName().isEmpty())
        DDeviceListItem->setObjectName("DDeviceListItem");
    DDeviceListItem->resize(190, 140);

    verticalLayout_2 = new QVBoxLayout(DDeviceListItem);
    verticalLayout_2->setObjectName("verticalLayout_2");
    verticalLayout_2->setSpacing(0);
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    frame = new QFrame(DDeviceListItem);
    frame->setObjectName("frame");
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setStyleSheet("QFrame#frame{ background-color: rgb(34, 34, 58);}");
    verticalLayout_2->addWidget(frame);
    verticalLayout = new QVBoxLayout(frame);
    verticalLayout->setObjectName("verticalLayout");
    verticalLayout->setSpacing(0);
    verticalLayout->setContentsMargins(0, 0, 0, 0);

    frame_DeviceImageBg = new QFrame(frame);
    frame_DeviceImageBg->setObjectName("frame_DeviceImageBg");
    frame_DeviceImageBg->setFrameShape(QFrame::StyledPanel);
    frame_DeviceImageBg->setStyleSheet("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(255, 143, 31, 0); }"
                                       "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(255, 143, 31); }");
    verticalLayout->addWidget(frame_DeviceImageBg);
    horizontalLayout = new QHBoxLayout(frame_DeviceImageBg);
    horizontalLayout->setObjectName("horizontalLayout");
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(0, 0, 0, 0);
    label_DeviceImage = new QLabel(frame_DeviceImageBg);
    label_DeviceImage->setObjectName("label_DeviceImage");
    label_DeviceImage->setMinimumWidth(10);
    label_DeviceImage->setAlignment(Qt::AlignCenter);
    horizontalLayout->addWidget(label_DeviceImage);

    frame_3 = new QFrame(frame);
    frame_3->setObjectName("frame_3");
    frame_3->setFrameShape(QFrame::StyledPanel);
    frame_3->setMaximumHeight(45);
    verticalLayout->addWidget(frame_3);
    verticalLayout_3 = new QVBoxLayout(frame_3);
    verticalLayout_3->setObjectName("verticalLayout_3");
    verticalLayout_3->setSpacing(2);
    verticalLayout_3->setContentsMargins(0, 0, 0, 2);
    label_ProductName = new QLabel(frame_3);
    label_ProductName->setObjectName("label_ProductName");
    label_ProductName->setAlignment(Qt::AlignCenter);
    label_ProductName->setStyleSheet("QLabel#label_ProductName{ color: rgb(255, 143, 31);}");
    verticalLayout_3->addWidget(label_ProductName);
    label_DeviceName = new QLabel(frame_3);
    label_DeviceName->setObjectName("label_DeviceName");
    label_DeviceName->setAlignment(Qt::AlignCenter);
    label_DeviceName->setStyleSheet("QLabel#label_DeviceName{ color: rgb(245, 245, 245);}");
    verticalLayout_3->addWidget(label_DeviceName);

    retranslateUi(DDeviceListItem);
    QMetaObject::connectSlotsByName(DDeviceListItem);
}

void Ui_DDeviceListItem::retranslateUi(QWidget *DDeviceListItem)
{
    DDeviceListItem->setWindowTitle(QCoreApplication::translate("DDeviceListItem", "DDeviceListItem"));
    label_DeviceImage->setText(QString());
    label_ProductName->setText(QCoreApplication::translate("DDeviceListItem", "FL"));
    label_DeviceName->setText(QCoreApplication::translate("DDeviceListItem", "VORLAN888"));
}
