#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "tests/support/KbdsimProcess.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/FirmwareUpgradeDriver.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/settings/DSettingsDia.h"
#include "widgets/CbNotice.h"

#include <QDir>
#include <QJsonObject>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The main window with the simulated keyboards: a keyboard offered by the manual check is upgraded
// from its row along its model's route and comes back with the image's version, after which
// nothing is left to offer.

namespace {

const int Patience = 60000;

QString recordText(const char *field)
{
    return QString::fromLatin1(field);
}

// The firmware version the device page holds for the model; empty while it is not listed.
QString listedVersion(DDevicePage *page, const QString &model)
{
    const QMap<QString, hidStructInfoAll> devices = page->getHidInfoMap();
    for (const hidStructInfoAll &device : devices) {
        if (recordText(device.hidName) == model)
            return recordText(device.firmwareVersion);
    }
    return QString();
}

} // namespace

class tst_FirmwareUpgradeProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void upgradeAlongEachRoute_data();
    void upgradeAlongEachRoute();
};

void tst_FirmwareUpgradeProgram::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_FirmwareUpgradeProgram::upgradeAlongEachRoute_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("newVersion");
    QTest::newRow("256K layout on the cable") << "Aster104" << false << QString() << "V1.00.10";
    QTest::newRow("512K layout behind its receiver") << "Breeze84W" << true << QString() << "V1.00.10";
    QTest::newRow("ufw on drive E") << "Quartz68HE" << false << "letter E"
                                    << "V105";
}

void tst_FirmwareUpgradeProgram::upgradeAlongEachRoute()
{
    QFETCH(QString, model);
    QFETCH(bool, receiver);
    QFETCH(QString, setup);
    QFETCH(QString, newVersion);

    KbdsimProcess sim;
    QVERIFY(sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim-" + model));
    int id = 0;
    QVERIFY(!sim.plug(receiver ? model + " - receiver" : model, &id).isEmpty());
    if (!setup.isEmpty())
        QCOMPARE(sim.control(QString("upgrade %1 %2").arg(id).arg(setup)), QString("OK"));
    // A keyboard behind a receiver answers only after a status report.
    const QString status = QString("status %1 0 0 85 1 0 0").arg(id);
    if (receiver)
        sim.control(status);

    DMainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DDevicePage *page = window.devicePage();
    QTRY_VERIFY_WITH_TIMEOUT(!listedVersion(page, model).isEmpty(), Patience);
    const QString oldVersion = listedVersion(page, model);
    QVERIFY(oldVersion != newVersion);

    window.onFirmwareUpgradeCheck();
    QPointer<DUpdateFirmwareDia> dialog = window.firmwareUpgradeDriver()->upgradeDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->rows().size(), 1);
    QCOMPARE(dialog->rows().first()->getNewVersion(), newVersion);
    QList<int> shown;
    connect(dialog.data(), &DUpdateFirmwareDia::sigUpgradeProgress, this, [&](int percent) { shown.append(percent); });
    dialog->rows().first()->findChild<QPushButton *>("pushButton_Update")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->notice()->text().isEmpty(), Patience);
    QCOMPARE(dialog->notice()->text(), QObject::tr("Update successful"));
    QVERIFY(!shown.isEmpty());
    for (int i = 1; i < shown.size(); ++i)
        QVERIFY(shown[i] > shown[i - 1]);

    QTRY_COMPARE_WITH_TIMEOUT(sim.dump(id).value("firmware").toObject().value("version").toString(), newVersion,
                              Patience);
    QTRY_VERIFY_WITH_TIMEOUT(
        (receiver ? (sim.control(status), true) : true) && listedVersion(page, model) == newVersion, Patience);

    dialog->findChild<QPushButton *>("pushButton_Close")->click();
    QTRY_VERIFY(dialog.isNull());
    window.on_pushButton_Setting_clicked();
    auto *settings = window.findChild<DSettingsDia *>();
    QVERIFY(settings);
    settings->findChild<QPushButton *>("pushButton_UpgradeCheck")->click();
    QVERIFY(!window.firmwareUpgradeDriver()->upgradeDialog());
    QCOMPARE(settings->findChild<CbNotice *>()->text(), QObject::tr("No upgradeable devices found"));
    settings->close();
}

QTEST_MAIN(tst_FirmwareUpgradeProgram)
#include "tst_FirmwareUpgradeProgram.moc"
