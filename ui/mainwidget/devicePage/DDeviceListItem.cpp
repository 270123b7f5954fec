#include "ui/mainwidget/devicePage/DDeviceListItem.h"

#include "app/DDataManager.h"
#include "ui_DDeviceListItem.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

DDeviceListItem::DDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DDeviceListItem)
{
    m_ui->setupUi(this);
    setFixedSize(190, 140);
    m_cover = new QWidget(this);
    m_cover->setWindowFlags(Qt::FramelessWindowHint);
    m_cover->resize(size());
    applyTheme();
}

DDeviceListItem::~DDeviceListItem()
{
    delete m_ui;
}

QString DDeviceListItem::connectionSuffix(int isOnline, int usbOrDongle)
{
    if (isOnline != 1)
        return "(OffLine)";
    return usbOrDongle == 0 ? "(USB)" : "(2.4G)";
}

QSize DDeviceListItem::pictureTargetSize(const QSize &cardSize)
{
    return QSize(cardSize.width() - 4, cardSize.height() - 4);
}

void DDeviceListItem::setHidInfo(hidStructInfoAll info)
{
    m_hidInfo = info;

    const QString productName = QString::fromLocal8Bit(m_hidInfo.productName);
    if (productName.isEmpty()) {
        m_ui->label_ProductName->hide();
        m_ui->label_DeviceName->setAlignment(Qt::AlignCenter);
    } else {
        m_ui->label_ProductName->show();
        m_ui->label_ProductName->setText(QString::fromUtf8(m_hidInfo.productName));
    }

    m_ui->label_DeviceName->setText(QString::fromLocal8Bit(m_hidInfo.deviceName)
                                    + connectionSuffix(m_hidInfo.isOnline, m_hidInfo.usbOrDongle));

    const QString picturePath = DDataManager::getApplicationDirPath() + "/images/hidImages/Keyboard_"
                                + QString::fromLocal8Bit(m_hidInfo.hidName) + ".png";
    const QImage picture(picturePath);
    QPixmap pixmap;
    if (!picture.isNull())
        pixmap =
            QPixmap::fromImage(picture.scaled(pictureTargetSize(size()), Qt::KeepAspectRatio, Qt::FastTransformation));
    m_ui->label_DeviceImage->setPixmap(pixmap);

    setOnlineState(m_hidInfo.isOnline);
}

void DDeviceListItem::setOnlineState(int online)
{
    m_online = online;
    m_hidInfo.isOnline = online;
    if (online != 0) {
        m_cover->hide();
        show();
        return;
    }
    m_cover->setObjectName("widget");
    m_cover->setStyleSheet("#widget {background-color:rgba(10, 10, 10, 100);}");
    m_cover->show();
    m_ui->frame_DeviceImageBg->setStyleSheet(QString("QFrame#frame_DeviceImageBg{ border: 1px solid rgb(%1, 0); } "
                                                     "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }")
                                                 .arg(m_selectionColour));
    hide();
}

void DDeviceListItem::setSelected(bool selected)
{
    m_selected = selected;
    const int alpha = selected ? 255 : 0;
    m_ui->frame_DeviceImageBg->setStyleSheet(QString("QFrame#frame_DeviceImageBg{ border: 1px solid rgb(%1, %2); } "
                                                     "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }")
                                                 .arg(m_selectionColour)
                                                 .arg(alpha));
}

void DDeviceListItem::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    QFont productFont = data->getFont(0);
    productFont.setPointSize(11);
    m_ui->label_ProductName->setFont(productFont);
    QFont deviceFont = data->getFont(1);
    deviceFont.setPointSize(12);
    m_ui->label_DeviceName->setFont(deviceFont);

    const ThemeColorInfo theme = data->getThemeInfo();
    m_selectionColour = theme.TextCheckedColor;
    m_ui->frame->setStyleSheet(
        QString("QFrame#frame{ background-color: rgb(%1);}").arg(theme.DeviceListAreaDefaultBgColor));
    m_ui->label_ProductName->setStyleSheet(
        QString("QLabel#label_ProductName{ color: rgb(%1);}").arg(theme.TextCheckedColor));
    m_ui->label_DeviceName->setStyleSheet(
        QString("QLabel#label_DeviceName{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    setSelected(m_selected);
}

void DDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    emit sigHidItemMouseClicked(m_hidInfo);
}
