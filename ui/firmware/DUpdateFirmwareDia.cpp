#include "ui/firmware/DUpdateFirmwareDia.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "ui/firmware/RowListLayout.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui_DUpdateFirmwareDia.h"
#include "widgets/CbNotice.h"
#include "widgets/WindowShapeMask.h"

#include <QCloseEvent>

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DUpdateFirmwareDia)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(740, 520);
    WindowShapeMask::followRoundedFrame(ui->frame_Bg, 12);
    if (parent)
        move((parent->width() - 740) / 2, (parent->height() - 520) / 2);

    ui->label_Title->setText(QObject::tr("Update Firmware"));
    ui->widget_Tip->setTextFont("Microsoft Yahei", 14);
    ui->widget_Tip->setBackground(QColor(0, 0, 0, 1));
    ui->widget_Tip->setForeground(QColor(255, 50, 0, 255));
    ui->widget_Tip->setText(QObject::tr("If the firmware is being updated, do not unplug the device!"));

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(16);
    applyTheme();

    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia()
{
    delete ui;
}

void DUpdateFirmwareDia::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_notice->applyTheme(theme);

    ui->frame_Bg->setStyleSheet(
        QString("QFrame#frame_Bg{background-color: rgb(%1); border: 1px solid rgb(%2); border-radius: 12px;}")
            .arg(theme.UpgradeBgColor, theme.TextCheckedColor));
    ui->frame_Title->setStyleSheet(
        QString("QFrame#frame_Title{background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2); "
                "border-top-left-radius: 12px; border-top-right-radius: 12px;}\n"
                "QLabel#label_Title{color: rgb(%3); font: 75 13pt \"%4\";}")
            .arg(theme.UpgradeBgColor, theme.UpgradeBorderColor, theme.TextCheckedColor, theme.TextFont));
    ui->widget_4->setStyleSheet(
        QString("QScrollBar:vertical{background: transparent; width: 3px; margin: 3px 0px 3px 0px;}\n"
                "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%); min-height: 20px; border-radius: 1px;}\n"
                "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30% );}\n"
                "QScrollBar::add-line:vertical{height: 0px; subcontrol-position: bottom; subcontrol-origin: margin;}\n"
                "QScrollBar::sub-line:vertical{height: 0px; subcontrol-position: top; subcontrol-origin: margin;}\n"
                "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(%1); "
                "border-radius: 3px;}")
            .arg(theme.AllScrollBarColorDef));
    // The rows show the window's panel beneath them; a near-transparent fill would turn black in a
    // translucent window without a compositing manager.
    const QString clear = QStringLiteral("transparent");
    ui->scrollArea_2->setStyleSheet(QString("QScrollArea#scrollArea_2{background-color: %1;}").arg(clear));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents_2{background-color: %1;}").arg(clear));
}

void DUpdateFirmwareDia::clearDeviceRows()
{
    m_rowsLayout = ui->verticalLayout_17;
    removeRowsAboveSpacer(m_rowsLayout);
    m_rows.clear();
    m_currentRow = nullptr;
}

void DUpdateFirmwareDia::setUpgradeDeviceList(QList<hidStructInfoAll> devices,
                                              QMap<QString, QPointer<DDeviceKeyboardLink>> links)
{
    clearDeviceRows();
    for (const hidStructInfoAll &device : devices) {
        auto *row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
        const QString path = QString::fromUtf8(device.hidPath, static_cast<int>(qstrnlen(device.hidPath, 256)));
        const QPointer<DDeviceKeyboardLink> link = links.value(path);
        row->setInfo(device, link ? link->getHidInterface() : nullptr, link ? link->getSN() : QString());
        connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this, &DUpdateFirmwareDia::onStartUpgradeing);
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
        m_rows.append(row);
    }
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    m_largestPercent.store(-1);
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row)
        return;
    m_currentRow = row;
    for (UpdateFirmwareInfoItem *each : qAsConst(m_rows))
        each->setUpdateEnabled(each == m_currentRow);
    emit sigStartHidUpgrade(row->getHidPath(), row->getSN(), row->getHidName(), row->getUsbOrDongle());
}

void DUpdateFirmwareDia::setUpgradeProgress(int total, int current)
{
    // Without a positive total the percentage has no meaning.
    if (total <= 0)
        return;
    const int percent = static_cast<int>(static_cast<float>(current) / static_cast<float>(total) * 100.0f);
    int largest = m_largestPercent.load();
    while (percent > largest) {
        if (m_largestPercent.compare_exchange_weak(largest, percent)) {
            emit sigUpgradeProgress(percent);
            return;
        }
    }
}

void DUpdateFirmwareDia::setUpgradeFirmwareSuc()
{
    emit sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::setUpgradeFirmwareFailed()
{
    emit sigUpgradeFirmwareFailed();
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (m_currentRow)
        m_currentRow->setProgress(ProgressNum);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (m_currentRow)
        m_currentRow->setUpgradeSuc();
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        row->setUpdateEnabled(true);
    m_notice->showNotice(QObject::tr("Update successful"), rect().center());
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed()
{
    if (m_currentRow)
        m_currentRow->setUpgradeFailed();
    m_notice->showNotice(QObject::tr("Update failed"), rect().center());
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    announceClose();
    close();
}

void DUpdateFirmwareDia::announceClose()
{
    if (m_closeAnnounced)
        return;
    m_closeAnnounced = true;
    emit sigUpdateFirmwareWindowClose();
}

void DUpdateFirmwareDia::done(int result)
{
    announceClose();
    QDialog::done(result);
}

void DUpdateFirmwareDia::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        announceClose();
}
