#include "ui/firmware/DFirwareInfoItem.h"

#include "ui/firmware/FirmwareInfoText.h"
#include "ui_DFirwareInfoItem.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
    const QString labelStyle = QString::fromUtf8("color: rgb(180, 180, 180); font: 75 12pt \"微软雅黑\";");
    ui->label_HidInfo->setStyleSheet(labelStyle);
    ui->label_DataTimeInfo->setStyleSheet(labelStyle);
    ui->frame->setStyleSheet("QFrame#frame{border: none; border-bottom: 1px solid rgb(50, 50, 50);}");
}

DFirwareInfoItem::~DFirwareInfoItem()
{
    delete ui;
}

void DFirwareInfoItem::setInfo(const QString &key, const QString &value)
{
    ui->label_HidInfo->setText(FirmwareInfoText::shownKey(key));
    ui->label_DataTimeInfo->setText(value);
}
