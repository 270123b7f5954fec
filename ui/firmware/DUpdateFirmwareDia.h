#pragma once

#include "device/hidStructInfoAll.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

#include <atomic>

class CbNotice;
class DDeviceKeyboardLink;
class QVBoxLayout;
class UpdateFirmwareInfoItem;

namespace Ui {
class DUpdateFirmwareDia;
}

// The upgrade window: one row per keyboard that can take a newer built-in image. The upgrade
// driver reports into it through the three reporting operations, which touch no widget.
class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    void setUpgradeDeviceList(QList<hidStructInfoAll> devices, QMap<QString, QPointer<DDeviceKeyboardLink>> links);

    // Callable from any thread.
    void setUpgradeProgress(int total, int current);
    void setUpgradeFirmwareSuc();
    void setUpgradeFirmwareFailed();

    QList<UpdateFirmwareInfoItem *> rows() const { return m_rows; }
    CbNotice *notice() const { return m_notice; }

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    void sigUpgradeProgress(int ProgressNum);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();

public slots:
    void onStartUpgradeing();
    void onUpgradeProgress(int ProgressNum);
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();
    void on_pushButton_Close_clicked();

    // Every close, also Escape or a close by the window system, tells the opener once.
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void clearDeviceRows();
    void applyTheme();
    void announceClose();

    Ui::DUpdateFirmwareDia *ui;
    QVBoxLayout *m_rowsLayout = nullptr;
    UpdateFirmwareInfoItem *m_currentRow = nullptr;
    QList<UpdateFirmwareInfoItem *> m_rows;
    CbNotice *m_notice = nullptr;
    std::atomic<int> m_largestPercent{-1};
    bool m_closeAnnounced = false;
};
