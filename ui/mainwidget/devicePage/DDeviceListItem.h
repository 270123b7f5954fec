#pragma once

#include "device/hidStructInfoAll.h"

#include <QString>
#include <QWidget>

class Ui_DDeviceListItem;

// One card of the device list: the model's picture, its names with the connection suffix,
// a border for the selected card and a dark cover for an unreachable one.
class DDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setHidInfo(hidStructInfoAll info);
    hidStructInfoAll getHidInfo() const { return m_hidInfo; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setOnlineState(int online);
    int getOnlineState() const { return m_online; }
    void applyTheme();

    // "(USB)", "(2.4G)" or "(OffLine)" after the device name.
    static QString connectionSuffix(int isOnline, int usbOrDongle);
    // The picture's bounding size inside a card of the given size.
    static QSize pictureTargetSize(const QSize &cardSize);

signals:
    void sigHidItemMouseClicked(hidStructInfoAll info);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    Ui_DDeviceListItem *m_ui;
    QWidget *m_cover;
    int m_online = 0;
    hidStructInfoAll m_hidInfo = {};
    QString m_selectionColour;
    bool m_selected = false;
};
