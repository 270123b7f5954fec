#include "ui/firmware/UpdateFirmwareInfoItem.h"

#include "app/DDataManager.h"
#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"
#include "ui_UpdateFirmwareInfoItem.h"

#include <QDebug>

namespace {
QString recordText(const char *field, size_t size)
{
    return QString::fromUtf8(field, static_cast<int>(qstrnlen(field, static_cast<uint>(size))));
}
} // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    resize(730, 70);
    ui->stackedWidget->setCurrentIndex(0);
    ui->progressBar->setValue(0);
    ui->label_ProgressNum->setText("0%");

    ui->label->setText(QObject::tr("Product name:"));
    ui->label_3->setText(QObject::tr("Update progress:"));
    ui->label_2->setText(QObject::tr("Current version:"));
    ui->label_5->setText(QObject::tr("New version:"));
    ui->pushButton_Update->setText(QObject::tr("Update"));
    ui->label_SuccessfulTip->setText(QObject::tr("Complete"));

    applyTheme();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem()
{
    delete ui;
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    ui->frame_Bg110->setStyleSheet(QString("QFrame#frame_Bg110{border: none; border-bottom: 2px solid rgb(%1);}\n"
                                           "QLabel{color: rgb(%2); font: 75 12pt \"%3\";}")
                                       .arg(theme.UpgradeItemBorderColor, theme.TextCheckedColor, theme.TextFont));
    ui->progressBar->setStyleSheet(QString("QProgressBar{background-color: rgb(%1); border-radius: 6px;}\n"
                                           "QProgressBar::chunk{background-color: rgb(%2); border-radius: 6px;}")
                                       .arg(theme.UpgradeProgressBarTopColor, theme.UpgradeProgressBarBottomColor));
    ui->pushButton_Update->setStyleSheet(
        QString("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); "
                "color: rgb(%3); font: 75 10pt \"%4\";}\n"
                "QPushButton:hover{background-color: rgb(%2); border: 2px solid rgb(%5);}\n"
                "QPushButton:pressed{color: rgb(%5); background-color: rgb(%2); border: 2px solid rgb(%5);}")
            .arg(theme.DeviceBorderColor, theme.UpgradeBgColor, theme.TextDefaultColor, theme.TextFont,
                 theme.TextCheckedColor));
}

void UpdateFirmwareInfoItem::setInfo(hidStructInfoAll info, MainHidInterFace *hid, QString sn)
{
    m_hid = hid;
    m_sn = sn;
    m_hidPath = recordText(info.hidPath, sizeof(info.hidPath));
    m_hidName = recordText(info.hidName, sizeof(info.hidName));
    m_usbOrDongle = info.usbOrDongle;
    m_newVersion = recordText(info.newFirmwareVersion, sizeof(info.newFirmwareVersion));

    ui->label_HidLikeName->setText(recordText(info.productName, sizeof(info.productName)) + " "
                                   + recordText(info.deviceName, sizeof(info.deviceName)));
    ui->label_OldVer->setText(recordText(info.firmwareVersion, sizeof(info.firmwareVersion)));
    ui->label_NewVer->setText(m_newVersion);
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    ui->pushButton_Update->setEnabled(enabled);
}

void UpdateFirmwareInfoItem::setProgress(int percent)
{
    ui->progressBar->setValue(percent);
    ui->progressBar->repaint();
    ui->label_ProgressNum->setText(QString::number(percent) + "%");
}

void UpdateFirmwareInfoItem::setUpgradeSuc()
{
    ui->stackedWidget->setCurrentIndex(1);
    m_upgrading = false;
}

void UpdateFirmwareInfoItem::setUpgradeFailed()
{
    ui->stackedWidget->setCurrentIndex(0);
    m_upgrading = false;
}

MainHidInterFace *UpdateFirmwareInfoItem::getHidInterface() const
{
    return m_hid.data();
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_upgrading)
        return;
    m_upgrading = true;

    HidCmdReport report(CMD_ENTER_UPGRADE);
    report[2] = 0x00;
    const int sent = m_hid ? m_hid->sendCommand(report.data()) : -1;
    if (sent < 0)
        qDebug() << "USB serial port [Into firmware] Failed ...";
    emit sigStartUpgradeing();
}
