#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QtTest>

#include <cstring>

namespace {
hidStructInfoAll record(const char *product, const char *device, const char *model, int online, int dongle)
{
    hidStructInfoAll info = {};
    qstrncpy(info.productName, product, sizeof info.productName);
    qstrncpy(info.deviceName, device, sizeof info.deviceName);
    qstrncpy(info.hidName, model, sizeof info.hidName);
    qstrncpy(info.hidPath, "hid#vid_1209&pid_0001&mi_01#/dev/hidraw3", sizeof info.hidPath);
    info.isOnline = online;
    info.usbOrDongle = dongle;
    return info;
}

QString borderSheet(const DDeviceListItem &card)
{
    return card.findChild<QFrame *>("frame_DeviceImageBg")->styleSheet();
}
} // namespace

class tst_DDeviceListItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nameCarriesConnectionSuffix_data();
    void nameCarriesConnectionSuffix();
    void emptyProductNameHidesFirstLine();
    void pressEmitsCopyOfRecord_data();
    void pressEmitsCopyOfRecord();
    void selectedBorderFollowsTheme();
    void pictureFitsInsideCard();
};

void tst_DDeviceListItem::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DDeviceListItem::nameCarriesConnectionSuffix_data()
{
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("dongle");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("cable") << 1 << 0 << "Aster104(USB)" << false;
    QTest::newRow("receiver") << 1 << 1 << "Aster104(2.4G)" << false;
    QTest::newRow("receiver, other flag") << 1 << 7 << "Aster104(2.4G)" << false;
    QTest::newRow("offline") << 0 << 0 << "Aster104(OffLine)" << true;
    QTest::newRow("online field not 1") << 2 << 0 << "Aster104(OffLine)" << false;
}

void tst_DDeviceListItem::nameCarriesConnectionSuffix()
{
    QFETCH(int, online);
    QFETCH(int, dongle);
    QFETCH(QString, name);
    QFETCH(bool, hidden);
    QWidget list;
    auto *card = new DDeviceListItem(&list);
    list.show();
    card->setHidInfo(record("Aster", "Aster104", "Aster104", online, dongle));
    QCOMPARE(card->size(), QSize(190, 140));
    QCOMPARE(card->findChild<QLabel *>("label_DeviceName")->text(), name);
    QCOMPARE(card->isHidden(), hidden);
    QCOMPARE(card->getOnlineState(), online);
    QCOMPARE(card->getHidInfo().isOnline, online);

    // An offline card comes back only when it is reported reachable.
    card->setOnlineState(1);
    QVERIFY(!card->isHidden());
}

void tst_DDeviceListItem::emptyProductNameHidesFirstLine()
{
    DDeviceListItem card;
    card.setHidInfo(record("", "Breeze84W", "Breeze84W", 1, 1));
    QVERIFY(card.findChild<QLabel *>("label_ProductName")->isHidden());
    QCOMPARE(card.findChild<QLabel *>("label_DeviceName")->alignment(), Qt::AlignCenter);
    card.setHidInfo(record("Breeze", "Breeze84W", "Breeze84W", 1, 1));
    QVERIFY(!card.findChild<QLabel *>("label_ProductName")->isHidden());
    QCOMPARE(card.findChild<QLabel *>("label_ProductName")->text(), QString("Breeze"));
}

void tst_DDeviceListItem::pressEmitsCopyOfRecord_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("selected");
    QTest::newRow("left, unselected") << int(Qt::LeftButton) << false;
    QTest::newRow("right, selected") << int(Qt::RightButton) << true;
}

void tst_DDeviceListItem::pressEmitsCopyOfRecord()
{
    QFETCH(int, button);
    QFETCH(bool, selected);
    DDeviceListItem card;
    card.setHidInfo(record("Quartz", "Quartz68HE", "Quartz68HE", 1, 0));
    card.setSelected(selected);
    QList<hidStructInfoAll> pressed;
    connect(&card, &DDeviceListItem::sigHidItemMouseClicked, this,
            [&pressed](hidStructInfoAll info) { pressed << info; });
    QTest::mousePress(&card, Qt::MouseButton(button));
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(QByteArray(pressed.first().hidPath), QByteArray("hid#vid_1209&pid_0001&mi_01#/dev/hidraw3"));
    QCOMPARE(QByteArray(pressed.first().deviceName), QByteArray("Quartz68HE"));
}

void tst_DDeviceListItem::selectedBorderFollowsTheme()
{
    DDeviceListItem card;
    const QString dark = DDataManager::instance()->getThemeInfo().TextCheckedColor;
    QVERIFY(borderSheet(card).contains(QString("rgb(%1, 0)").arg(dark)));
    card.setSelected(true);
    QVERIFY(borderSheet(card).contains(QString("rgb(%1, 255)").arg(dark)));

    DDataManager::instance()->loadTheme(3);
    const QString pink = DDataManager::instance()->getThemeInfo().TextCheckedColor;
    card.applyTheme();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(
        borderSheet(card).contains(QString("QFrame#frame_DeviceImageBg{ border: 1px solid rgb(%1, 255); }").arg(pink)));
    QVERIFY(borderSheet(card).contains(QString(":hover{ border: 1px solid rgb(%1); }").arg(pink)));
}

void tst_DDeviceListItem::pictureFitsInsideCard()
{
    // A picture four times as wide as high, beside the executable like the model pictures.
    const QString folder = DDataManager::getApplicationDirPath() + "/images/hidImages";
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + "/Keyboard_WideTestModel.png";
    QImage wide(400, 100, QImage::Format_RGB32);
    wide.fill(Qt::darkCyan);
    QVERIFY(wide.save(file));

    DDeviceListItem card;
    card.setHidInfo(record("Wide", "WideTestModel", "WideTestModel", 1, 0));
    QFile::remove(file);
    const QPixmap shown = card.findChild<QLabel *>("label_DeviceImage")->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.width(), 186);
    QVERIFY2(qAbs(shown.height() - 46) <= 1, qPrintable(QString::number(shown.height())));

    // A missing picture leaves the card without one.
    card.setHidInfo(record("None", "NoPicture", "NoPictureModel", 1, 0));
    QVERIFY(card.findChild<QLabel *>("label_DeviceImage")->pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(tst_DDeviceListItem)
#include "tst_DDeviceListItem.moc"
