#include "ui/firmware/DFirwareInfoShow.h"

#include "app/DDataManager.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "ui/firmware/DFirwareInfoItem.h"
#include "ui/firmware/FirmwareInfoText.h"
#include "ui/firmware/RowListLayout.h"
#include "ui_DFirwareInfoShow.h"

#include <QTimer>

#include <list>
#include <string>

namespace {
constexpr int kLoadDelayMs = 200;
} // namespace

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DFirwareInfoShow)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(QObject::tr("Firmware Info"));
    setFixedSize(350, 370);
    ui->frame_26->hide();

    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    ui->frame_26->setStyleSheet(
        QString::fromUtf8(
            "QFrame#frame_26{background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2);}\n"
            "QLabel#label_10{color: rgb(%3); font: 75 12pt \"微软雅黑\";}")
            .arg(theme.SettingsBgColor, theme.SettingsBorderColor, theme.TextDefaultColor));
    ui->frame_2->setStyleSheet(
        QString("QFrame#frame_2{border: none; border-top: 2px solid rgb(%1);}").arg(theme.SettingsBorderColor));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QString("QWidget#scrollAreaWidgetContents_2{background-color: rgb(%1);}").arg(theme.SettingsBgColor));

    QTimer::singleShot(kLoadDelayMs, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow()
{
    delete ui;
}

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    QMap<QString, QString> rows;
    std::list<std::string> paths;
    CVorlanHid_GetHidInfoList(&paths);
    for (const std::string &path : paths) {
        hidStu hid;
        FirmwareInfoStu firmware;
        const QByteArray latin1 = QString::fromStdString(path).toLatin1();
        if (!CVorlanHid_GetHidAndFirmwareInfoStu(latin1.constData(), &hid, &firmware))
            continue;
        // A later interface with the same identity replaces the earlier one's value.
        rows.insert(FirmwareInfoText::key(firmware), FirmwareInfoText::value(firmware));
    }
    fillRows(rows);
}

void DFirwareInfoShow::clearRows()
{
    m_rowsLayout = ui->verticalLayout_17;
    removeRowsAboveSpacer(m_rowsLayout);
}

void DFirwareInfoShow::fillRows(QMap<QString, QString> rows)
{
    clearRows();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        auto *row = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        row->setInfo(it.key(), it.value());
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
    }
}
