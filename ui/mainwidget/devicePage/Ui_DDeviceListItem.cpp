#include "ui/mainwidget/devicePage/Ui_DDeviceListItem.h"

#include "widgets/FormParts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QVBoxLayout>

using FormParts::newFrame;
using FormParts::newLayout;

void Ui_DDeviceListItem::setupUi(QWidget *DDeviceListItem)
{
    if (DDeviceListItem->objectName().isEmpty())
        DDeviceListItem->setObjectName("DDeviceListItem");
    DDeviceListItem->resize(190, 140);

    verticalLayout_2 = newLayout<QVBoxLayout>("verticalLayout_2", DDeviceListItem, 0, 0, 0, 0, 0);
    frame = newFrame("frame", DDeviceListItem);
    frame->setStyleSheet("QFrame#frame{ background-color: rgb(34, 34, 58);}");
    verticalLayout_2->addWidget(frame);
    verticalLayout = newLayout<QVBoxLayout>("verticalLayout", frame, 0, 0, 0, 0, 0);

    frame_DeviceImageBg = newFrame("frame_DeviceImageBg", frame);
    frame_DeviceImageBg->setStyleSheet("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(255, 143, 31, 0); }"
                                       "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(255, 143, 31); }");
    verticalLayout->addWidget(frame_DeviceImageBg);
    horizontalLayout = newLayout<QHBoxLayout>("horizontalLayout", frame_DeviceImageBg, 0, 0, 0, 0, 0);
    label_DeviceImage = new QLabel(frame_DeviceImageBg);
    label_DeviceImage->setObjectName("label_DeviceImage");
    label_DeviceImage->setMinimumWidth(10);
    label_DeviceImage->setAlignment(Qt::AlignCenter);
    horizontalLayout->addWidget(label_DeviceImage);

    frame_3 = newFrame("frame_3", frame);
    frame_3->setMaximumHeight(45);
    verticalLayout->addWidget(frame_3);
    verticalLayout_3 = newLayout<QVBoxLayout>("verticalLayout_3", frame_3, 2, 0, 0, 0, 2);
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
