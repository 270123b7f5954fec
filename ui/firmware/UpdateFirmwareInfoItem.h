#pragma once

#include "device/hidStructInfoAll.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class MainHidInterFace;

namespace Ui {
class UpdateFirmwareInfoItem;
}

// One keyboard of the upgrade dialog: its names and versions, the progress of its upgrade and the
// Update button that sends it into its bootloader.
class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    // hid may be null: the row then sends nothing and behaves as if the send was refused.
    void setInfo(hidStructInfoAll info, MainHidInterFace *hid, QString sn);
    void setUpdateEnabled(bool enabled);
    void setProgress(int percent);
    void setUpgradeSuc();
    void setUpgradeFailed();

    MainHidInterFace *getHidInterface() const;
    QString getHidPath() const { return m_hidPath; }
    QString getSN() const { return m_sn; }
    QString getHidName() const { return m_hidName; }
    int getUsbOrDongle() const { return m_usbOrDongle; }
    QString getNewVersion() const { return m_newVersion; }
    bool isUpgrading() const { return m_upgrading; }

signals:
    void sigStartUpgradeing();

public slots:
    void on_pushButton_Update_clicked();

private:
    void applyTheme();

    Ui::UpdateFirmwareInfoItem *ui;
    // The channel belongs to the device link; a guarded pointer never dangles once it is gone.
    QPointer<MainHidInterFace> m_hid;
    QString m_hidPath;
    QString m_sn;
    QString m_hidName;
    int m_usbOrDongle = 0;
    QString m_newVersion;
    bool m_upgrading = false;
};
