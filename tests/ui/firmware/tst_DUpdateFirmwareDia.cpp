#include "ui/firmware/DUpdateFirmwareDia.h"

#include "app/DDataManager.h"
#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"
#include "tests/support/SimServerFixture.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "widgets/CbNotice.h"
#include "widgets/ElidedLabel.h"
#include "widgets/ThemeColorText.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <cstring>
#include <thread>

namespace {

hidStructInfoAll record(const QString &path, const QString &model, const QString &version, const QString &newVersion)
{
    hidStructInfoAll info;
    std::memset(&info, 0, sizeof(info));
    qstrncpy(info.hidPath, path.toUtf8().constData(), sizeof(info.hidPath));
    qstrncpy(info.hidName, model.toUtf8().constData(), sizeof(info.hidName));
    qstrncpy(info.productName, "Vorlan", sizeof(info.productName));
    qstrncpy(info.deviceName, model.toUtf8().constData(), sizeof(info.deviceName));
    qstrncpy(info.firmwareVersion, version.toUtf8().constData(), sizeof(info.firmwareVersion));
    qstrncpy(info.newFirmwareVersion, newVersion.toUtf8().constData(), sizeof(info.newFirmwareVersion));
    return info;
}

QPushButton *updateButton(UpdateFirmwareInfoItem *row)
{
    return row->findChild<QPushButton *>("pushButton_Update");
}

QList<bool> enabledButtons(const DUpdateFirmwareDia &dialog)
{
    QList<bool> enabled;
    for (UpdateFirmwareInfoItem *row : dialog.rows())
        enabled.append(updateButton(row)->isEnabled());
    return enabled;
}

QString labelText(QWidget *row, const char *name)
{
    return row->findChild<QLabel *>(name)->text();
}

} // namespace

class TestDUpdateFirmwareDia : public QObject
{
    Q_OBJECT

private slots:
    void rowShowsRecordAndEmptyProgress();
    void rowsFollowListAndReplaceOldOnes();
    void progressFromWorkerPassesOnlyRisingPercent();
    void oneRowUpgradesAtATime();
    void closedChannelStillStartsAndLogs();
    void twoQuickClicksSendOneEnterUpgrade();
    void everyCloseIsAnnouncedOnce_data();
    void everyCloseIsAnnouncedOnce();
    void shownWindowIsThemedAndCutsNoName();
};

void TestDUpdateFirmwareDia::rowShowsRecordAndEmptyProgress()
{
    UpdateFirmwareInfoItem row;
    hidStructInfoAll info = record("p1", "Aster104", "V1.00.06", "V1.00.10");
    qstrncpy(info.productName, "", sizeof(info.productName));
    row.setInfo(info, nullptr, "SN1");
    QCOMPARE(labelText(&row, "label_HidLikeName"), QString(" Aster104"));
    QCOMPARE(labelText(&row, "label_OldVer"), QString("V1.00.06"));
    QCOMPARE(labelText(&row, "label_NewVer"), QString("V1.00.10"));
    QCOMPARE(labelText(&row, "label_ProgressNum"), QString("0%"));
    QCOMPARE(row.findChild<QProgressBar *>("progressBar")->value(), 0);
    row.setProgress(37);
    QCOMPARE(labelText(&row, "label_ProgressNum"), QString("37%"));
    QCOMPARE(row.findChild<QProgressBar *>("progressBar")->value(), 37);
}

void TestDUpdateFirmwareDia::rowsFollowListAndReplaceOldOnes()
{
    DUpdateFirmwareDia dialog;
    QCOMPARE(dialog.size(), QSize(740, 520));
    dialog.setUpgradeDeviceList({record("a", "Aster104", "V1", "V2"), record("b", "Breeze84W", "V1", "V2")}, {});
    QPointer<UpdateFirmwareInfoItem> old = dialog.rows().first();
    dialog.setUpgradeDeviceList({record("c", "Quartz68HE", "V1", "V2")}, {});
    QCOMPARE(dialog.rows().size(), 1);
    QCOMPARE(dialog.rows().first()->getHidPath(), QString("c"));
    auto *layout = dialog.findChild<QVBoxLayout *>("verticalLayout_17");
    QCOMPARE(layout->count(), 2);
    QCOMPARE(layout->itemAt(0)->widget(), dialog.rows().first());
    QVERIFY(layout->itemAt(1)->spacerItem());
    QTRY_VERIFY(old.isNull());
}

void TestDUpdateFirmwareDia::progressFromWorkerPassesOnlyRisingPercent()
{
    DUpdateFirmwareDia dialog;
    dialog.setUpgradeDeviceList({record("a", "Aster104", "V1", "V2")}, {});
    QList<int> shown;
    connect(&dialog, &DUpdateFirmwareDia::sigUpgradeProgress, this, [&](int percent) { shown.append(percent); });

    auto report = [&](QList<QPair<int, int>> pairs) {
        std::thread worker([&] {
            for (const auto &pair : pairs)
                dialog.setUpgradeProgress(pair.first, pair.second);
        });
        worker.join();
    };
    updateButton(dialog.rows().first())->click();
    report({{100, 0}, {100, 0}, {100, 10}, {100, 5}, {100, 10}, {100, 50}, {0, 5}, {-1, 5}});
    QTRY_COMPARE(shown, QList<int>({0, 10, 50}));
    QCOMPARE(labelText(dialog.rows().first(), "label_ProgressNum"), QString("50%"));

    shown.clear();
    dialog.setUpgradeFirmwareFailed();
    QTRY_VERIFY(!dialog.rows().first()->isUpgrading());
    updateButton(dialog.rows().first())->click();
    report({{3, 0}, {3, 1}, {3, 2}, {0, 0}, {-1, -1}});
    QTRY_COMPARE(shown, QList<int>({0, 33, 66}));
}

void TestDUpdateFirmwareDia::oneRowUpgradesAtATime()
{
    DUpdateFirmwareDia dialog;
    dialog.setUpgradeDeviceList({record("a", "Aster104", "V1", "V2"), record("b", "Breeze84W", "V1", "V2"),
                                 record("c", "Quartz68HE", "V1", "V2")},
                                {});
    QSignalSpy starts(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    UpdateFirmwareInfoItem *second = dialog.rows().at(1);
    updateButton(second)->click();
    QCOMPARE(starts.count(), 1);
    QCOMPARE(starts.first().at(0).toString(), QString("b"));
    QCOMPARE(starts.first().at(2).toString(), QString("Breeze84W"));
    QCOMPARE(enabledButtons(dialog), QList<bool>({false, true, false}));

    dialog.setUpgradeFirmwareFailed();
    QTRY_COMPARE(dialog.notice()->text(), QObject::tr("Update failed"));
    QCOMPARE(enabledButtons(dialog), QList<bool>({false, true, false}));
    QCOMPARE(second->findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 0);

    updateButton(second)->click();
    QCOMPARE(starts.count(), 2);
    dialog.setUpgradeFirmwareSuc();
    QTRY_COMPARE(dialog.notice()->text(), QObject::tr("Update successful"));
    QCOMPARE(enabledButtons(dialog), QList<bool>({true, true, true}));
    QCOMPARE(second->findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 1);
    QCOMPARE(labelText(second, "label_SuccessfulTip"), QString("Complete"));
}

void TestDUpdateFirmwareDia::closedChannelStillStartsAndLogs()
{
    MainHidInterFace closed(0, "Aster104");
    UpdateFirmwareInfoItem row;
    row.setInfo(record("a", "Aster104", "V1", "V2"), &closed, "SN");
    QSignalSpy starts(&row, &UpdateFirmwareInfoItem::sigStartUpgradeing);
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Into firmware] Failed ...");
    updateButton(&row)->click();
    QCOMPARE(starts.count(), 1);

    // Without any channel the row behaves the same.
    UpdateFirmwareInfoItem bare;
    bare.setInfo(record("b", "Aster104", "V1", "V2"), nullptr, QString());
    QSignalSpy bareStarts(&bare, &UpdateFirmwareInfoItem::sigStartUpgradeing);
    QTest::ignoreMessage(QtDebugMsg, "USB serial port [Into firmware] Failed ...");
    updateButton(&bare)->click();
    QCOMPARE(bareStarts.count(), 1);
}

void TestDUpdateFirmwareDia::twoQuickClicksSendOneEnterUpgrade()
{
    SimServerFixture sim;
    QVERIFY(sim.isRunning());
    const int id = sim.plug("Aster104");
    QVERIFY(id > 0);
    // The keyboard stays, so its log can be read after the report.
    QCOMPARE(sim.server().execute("drop " + std::to_string(id) + " 0a on"), std::string("OK"));
    MainHidInterFace hid(0, "Aster104");
    QCOMPARE(hid.openHid(sim.devicePath(id)), 0);
    hid.start();

    UpdateFirmwareInfoItem row;
    row.setInfo(record(sim.devicePath(id), "Aster104", "V1", "V2"), &hid, "SN");
    QSignalSpy starts(&row, &UpdateFirmwareInfoItem::sigStartUpgradeing);
    updateButton(&row)->click();
    updateButton(&row)->click();
    QCOMPARE(starts.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(sim.receivedCommands(id).contains(CMD_ENTER_UPGRADE), 20000);
    QTest::qWait(300);
    QCOMPARE(sim.receivedCommands(id).count(CMD_ENTER_UPGRADE), 1);
    HidCmdReport expected(CMD_ENTER_UPGRADE);
    for (const QByteArray &report : sim.received(id)) {
        if (report.size() > 1 && report[1] == CMD_ENTER_UPGRADE)
            QCOMPARE(report, expected.toByteArray());
    }
}

void TestDUpdateFirmwareDia::everyCloseIsAnnouncedOnce_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("close button") << 0;
    QTest::newRow("escape") << 1;
    QTest::newRow("close()") << 2;
}

void TestDUpdateFirmwareDia::everyCloseIsAnnouncedOnce()
{
    QFETCH(int, way);
    QWidget host;
    host.resize(1000, 700);
    QPointer<DUpdateFirmwareDia> dialog = new DUpdateFirmwareDia(&host);
    QCOMPARE(dialog->pos(), QPoint(130, 90));
    QSignalSpy closes(dialog.data(), &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);
    host.show();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    if (way == 0)
        dialog->findChild<QPushButton *>("pushButton_Close")->click();
    else if (way == 1)
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
    else
        dialog->close();
    QCOMPARE(closes.count(), 1);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(closes.count(), 1);
}

void TestDUpdateFirmwareDia::shownWindowIsThemedAndCutsNoName()
{
    DDataManager::instance()->loadTheme(0);
    DUpdateFirmwareDia dialog;
    hidStructInfoAll longName = record("b", "Breeze84W", "V1.00.06", "V1.00.10");
    qstrncpy(longName.productName, "Breeze 84", sizeof(longName.productName));
    qstrncpy(longName.deviceName, "Wireless Keyboard with a Long Name", sizeof(longName.deviceName));
    dialog.setUpgradeDeviceList({record("a", "K1", "V1", "V2"), longName}, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // A name that does not fit ends in an ellipsis inside its label, never cut off by the next column.
    const QList<QString> full = {"Vorlan K1", "Breeze 84 Wireless Keyboard with a Long Name"};
    for (int i = 0; i < 2; ++i) {
        auto *name = dialog.rows().at(i)->findChild<ElidedLabel *>("label_HidLikeName");
        QVERIFY(name);
        QCOMPARE(name->text(), full.at(i));
        const QString shown = name->shownText();
        QVERIFY2(name->fontMetrics().horizontalAdvance(shown) <= name->contentsRect().width(), qPrintable(shown));
        QVERIFY2(i == 0 ? shown == full.at(i) : shown.endsWith(QChar(0x2026)), qPrintable(shown));
    }

    // Below the rows the list shows the window's own background, not black.
    const QColor body = opaqueThemeColor(DDataManager::instance()->getThemeInfo().UpgradeBgColor);
    const QImage image = dialog.grab().toImage();
    const QColor pixel = image.pixelColor(dialog.width() / 2, 400);
    QVERIFY2(qAbs(pixel.red() - body.red()) <= 2 && qAbs(pixel.green() - body.green()) <= 2
                 && qAbs(pixel.blue() - body.blue()) <= 2,
             qPrintable(pixel.name() + " instead of " + body.name()));
}

QTEST_MAIN(TestDUpdateFirmwareDia)
#include "tst_DUpdateFirmwareDia.moc"
