#include "ui/firmware/FirmwareImageChecker.h"

#include "tests/ui/firmware/FirmwareFixtures.h"
#include "ui/mainwidget/devicePage/devices/DeviceSdkStartup.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTemporaryDir>
#include <QtTest>

using namespace FirmwareFixtures;

namespace {
struct ImageFile
{
    QString name;
    QByteArray bytes;
};
} // namespace

Q_DECLARE_METATYPE(ImageFile)
Q_DECLARE_METATYPE(hidStructInfoAll)
Q_DECLARE_METATYPE(QList<ImageFile>)

class TestFirmwareImageChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void offersOnlyNewerMatchingImages_data();
    void offersOnlyNewerMatchingImages();
    void absentLibraryEntryIsNeverCalled();

private:
    QLibrary m_library;
    UfwLibraryCalls m_calls;
};

void TestFirmwareImageChecker::initTestCase()
{
    // A temporary folder of this test alone, so its listing shows only what the checker leaves.
    const QString temporary = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/tmp";
    QVERIFY(QDir().mkpath(temporary));
    qputenv("TMPDIR", QFile::encodeName(temporary));
    m_library.setFileName(QCoreApplication::applicationDirPath() + "/" + DeviceSdkStartup::upgradeLibraryName);
    QVERIFY2(m_library.load(), qPrintable(m_library.errorString()));
    UpgradeLibraryEntries entries;
    entries.loadUfwData = m_library.resolve("JL_loadUfwData");
    entries.getUfwCrc = m_library.resolve("JL_getUfwCrc");
    entries.getUfwPidVid = m_library.resolve("JL_getUfwPidVid");
    entries.upgradeDevice = m_library.resolve("JL_upgradeDevice");
    entries.queryDevicePidVid = m_library.resolve("JL_queryDevicePidVid");
    QVERIFY(entries.isComplete());
    m_calls = UfwLibraryCalls::fromEntries(entries);
}

void TestFirmwareImageChecker::offersOnlyNewerMatchingImages_data()
{
    QTest::addColumn<QList<ImageFile>>("images");
    QTest::addColumn<hidStructInfoAll>("device");
    QTest::addColumn<QString>("offered"); // the new version, or empty when not offered

    const QByteArray aster = "CHIPA,01,KB,VL,Aster104,";
    const ImageFile asterNew{"Aster104.bin", binImage(false, aster + "V1.00.10")};
    QTest::newRow("newer version") << QList<ImageFile>{asterNew} << device("p", "Aster104", "V1.00.06") << "V1.00.10";
    QTest::newRow("equal version") << QList<ImageFile>{asterNew} << device("p", "Aster104", "V1.00.10") << "";
    QTest::newRow("older image") << QList<ImageFile>{asterNew} << device("p", "Aster104", "V1.00.11") << "";
    QTest::newRow("lower-case v is the same version")
        << QList<ImageFile>{{"Aster104.bin", binImage(false, aster + "v1.00.10")}}
        << device("p", "Aster104", "V1.00.10") << "";
    hidStructInfoAll lowerChip = device("p", "Aster104", "V1.00.06");
    qstrcpy(lowerChip.firmwareChip, "chipa");
    QTest::newRow("chip in other case") << QList<ImageFile>{asterNew} << lowerChip << "V1.00.10";
    hidStructInfoAll otherVendor = device("p", "Aster104", "V1.00.06");
    qstrcpy(otherVendor.firmwareVendorCode, "VX");
    QTest::newRow("other vendor") << QList<ImageFile>{asterNew} << otherVendor << "";
    QTest::newRow("field 2 not compared")
        << QList<ImageFile>{{"Aster104.bin", binImage(false, "CHIPA,01,XX,VL,Aster104,V1.00.10")}}
        << device("p", "Aster104", "V1.00.06") << "V1.00.10";
    QTest::newRow("five fields") << QList<ImageFile>{{"Aster104.bin", binImage(false, "CHIPA,01,KB,VL,Aster104")}}
                                 << device("p", "Aster104", "V1.00.06") << "";
    QTest::newRow("image ends before identity")
        << QList<ImageFile>{{"Aster104.bin", binImage(false, aster + "V1.00.10", 0x1000)}}
        << device("p", "Aster104", "V1.00.06") << "";
    QTest::newRow("256K receiver reads cable image")
        << QList<ImageFile>{asterNew} << device("p", "Aster104", "V1.00.06", 1) << "V1.00.10";
    const QByteArray breeze = "CHIPA,01,KB,VL,Breeze84W,";
    QTest::newRow("512K receiver reads dongle image")
        << QList<ImageFile>{{"Breeze84W.bin", binImage(true, breeze + "V1.00.07")},
                            {"Breeze84W_Dongle.bin", binImage(true, breeze + "V1.00.10")}}
        << device("p", "Breeze84W", "V1.00.06", 1) << "V1.00.10";
    QTest::newRow("512K receiver without dongle image")
        << QList<ImageFile>{{"Breeze84W.bin", binImage(true, breeze + "V1.00.10")}}
        << device("p", "Breeze84W", "V1.00.06", 1) << "";
    QTest::newRow("model without a row") << QList<ImageFile>{{"Nomad60.bin",
                                                              binImage(false, "CHIPA,01,KB,VL,Nomad60,V1.00.10")}}
                                         << device("p", "Nomad60", "V1.00.06") << "";
    QTest::newRow("ufw newer") << QList<ImageFile>{{"Quartz68HE.ufw", ufwImage("Quartz68HE", "V105")}}
                               << device("p", "Quartz68HE", "V100") << "V105";
    QTest::newRow("ufw product in other case") << QList<ImageFile>{{"Quartz68HE.ufw", ufwImage("quartz68HE", "V105")}}
                                               << device("p", "Quartz68HE", "V100") << "";
    QByteArray corrupt = ufwImage("Quartz68HE", "V105");
    corrupt[corrupt.size() - 1] = static_cast<char>(corrupt.at(corrupt.size() - 1) ^ 0xff);
    QTest::newRow("ufw corrupt") << QList<ImageFile>{{"Quartz68HE.ufw", corrupt}} << device("p", "Quartz68HE", "V100")
                                 << "";
}

void TestFirmwareImageChecker::offersOnlyNewerMatchingImages()
{
    QFETCH(QList<ImageFile>, images);
    QFETCH(hidStructInfoAll, device);
    QFETCH(QString, offered);
    QTemporaryDir folder;
    for (const ImageFile &image : images)
        QVERIFY(writeFile(folder.path() + "/" + image.name, image.bytes));
    const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const FirmwareImageChecker checker(m_calls, folder.path() + "/");
    QString version;
    QCOMPARE(checker.checkFirmwareImage(device, &version), !offered.isEmpty());
    if (!offered.isEmpty())
        QCOMPARE(version, offered);
    // The extracted copy went with its temporary folder, whatever the outcome.
    QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), temporaryBefore);
}

void TestFirmwareImageChecker::absentLibraryEntryIsNeverCalled()
{
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.path() + "/Quartz68HE.ufw", ufwImage("Quartz68HE", "V105")));
    UfwLibraryCalls calls = m_calls;
    calls.getUfwCrc = nullptr;
    const FirmwareImageChecker checker(calls, folder.path() + "/");
    QString version;
    QVERIFY(!checker.checkFirmwareImage(device("p", "Quartz68HE", "V100"), &version));
    QVERIFY(!checker.loadUfwImage("Quartz68HE", false));
    QVERIFY(FirmwareImageChecker(m_calls, folder.path() + "/").loadUfwImage("Quartz68HE", false));
}

QTEST_GUILESS_MAIN(TestFirmwareImageChecker)
#include "tst_FirmwareImageChecker.moc"
