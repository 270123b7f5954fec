#pragma once

class QFrame;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

// A device card's form: the keyboard picture above the two name lines.
class Ui_DDeviceListItem
{
public:
    void setupUi(QWidget *DDeviceListItem);
    void retranslateUi(QWidget *DDeviceListItem);

    QVBoxLayout *verticalLayout_2 = nullptr;
    QFrame *frame = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QFrame *frame_DeviceImageBg = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QLabel *label_DeviceImage = nullptr;
    QFrame *frame_3 = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QLabel *label_ProductName = nullptr;
    QLabel *label_DeviceName = nullptr;
};
