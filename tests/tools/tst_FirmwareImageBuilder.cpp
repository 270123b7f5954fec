#include "resources/VorlanResources.h"
#include "sdk/protocol/FirmwareImageFormat.h"
#include "sdk/protocol/ModelCatalog.h"
#include "tools/fwimage/FirmwareImageBuilder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <cstring>

namespace {

QString fwimage()
{
    return QCoreApplication::applicationDirPath() + "/fwimage";
}

QByteArray runFwimage(const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(fwimage(), arguments);
    if (!process.waitForFinished(30000))
        return {};
    if (exitCode)
        *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

QByteArray textAt(const QByteArray &image, int offset, int size)
{
    const QByteArray block = image.mid(offset, size);
    return block.left(block.indexOf('\0') < 0 ? block.size() : block.indexOf('\0'));
}

} // namespace

class TestFirmwareImageBuilder : public QObject
{
    Q_OBJECT

private slots:
    void builtInImagesCarryTheirBlocks_data();
    void builtInImagesCarryTheirBlocks();
    void builtInSetFollowsTheTable();
    void generatorIsDeterministicAndDumps();
    void shortImageHasNoIdentity();
    void namesOverTheirLimitsFail_data();
    void namesOverTheirLimitsFail();
};

void TestFirmwareImageBuilder::builtInImagesCarryTheirBlocks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dateOffset");
    QTest::addColumn<int>("timeOffset");
    QTest::addColumn<int>("identityOffset");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("identity");
    QTest::newRow("256 KB layout") << "Aster104.bin" << 0x1FE0C << 0x1FE00 << 0x1FE1C << 131 * 1024
                                   << QByteArray("VL8201,01,KB,VL,Aster104,V1.00.10");
    QTest::newRow("512 KB layout, receiver") << "Breeze84W_Dongle.bin" << 0x10810 << 0x10820 << 0x10840 << 510 * 1024
                                             << QByteArray("VL8105,03,KB,VL,Breeze84W,V1.00.10");
}

void TestFirmwareImageBuilder::builtInImagesCarryTheirBlocks()
{
    QFETCH(QString, name);
    QFETCH(int, dateOffset);
    QFETCH(int, timeOffset);
    QFETCH(int, identityOffset);
    QFETCH(int, size);
    QFETCH(QByteArray, identity);
    initVorlanResources();
    QFile file(ModelCatalog::firmwareImageFolder + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.readAll();
    QCOMPARE(image.size(), size);
    QCOMPARE(textAt(image, identityOffset, 50), identity);
    QVERIFY(QRegularExpression("^[A-Z][a-z]{2} \\d\\d \\d{4}$").match(textAt(image, dateOffset, 12)).hasMatch());
    QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(textAt(image, timeOffset, 12)).hasMatch());
    // The date is NUL-terminated inside its 12 bytes.
    QCOMPARE(image.at(dateOffset + 11), '\0');
}

void TestFirmwareImageBuilder::builtInSetFollowsTheTable()
{
    initVorlanResources();
    const QDir folder(ModelCatalog::firmwareImageFolder);
    const QStringList expected{"Aster104.bin",         "Breeze84W.bin", "Breeze84W_Dongle.bin",
                               "Cinder104.bin",        "Ember84.bin",   "Flint68HE.ufw",
                               "Flint68HE_Dongle.ufw", "Harbor60.ufw",  "Quartz68HE.ufw"};
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), expected);
    // Every model of a row fits the name limits, and a ".bin" row's texts the identity.
    for (const FirmwareImageRow &row : ModelCatalog::firmwareImageRows()) {
        QVERIFY(std::strlen(row.modelName) <= ModelCatalog::maxImageModelLength);
        QCOMPARE(ModelCatalog::findFirmwareImage(row.modelName), &row);
    }
    QCOMPARE(ModelCatalog::firmwareImageName(FirmwareImageKind::ImageBin256K, "Ember84", true),
             std::string("Ember84.bin"));
    QCOMPARE(ModelCatalog::firmwareImageName(FirmwareImageKind::ImageUfw, "Flint68HE", true),
             std::string("Flint68HE_Dongle.ufw"));

    QFile ufw(ModelCatalog::firmwareImageFolder + QString("Quartz68HE.ufw"));
    QVERIFY(ufw.open(QIODevice::ReadOnly));
    const QByteArray bytes = ufw.readAll();
    UfwHeader header;
    QVERIFY(UfwHeader::parse(reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size(), &header)
            == UfwHeader::Check::Ok);
    QCOMPARE(header.product, std::string("Quartz68HE"));
    QCOMPARE(header.version, std::string("V105"));
}

void TestFirmwareImageBuilder::generatorIsDeterministicAndDumps()
{
    QTemporaryDir first, second;
    int code = -1;
    runFwimage({"--out", first.path()}, &code);
    QCOMPARE(code, 0);
    runFwimage({"--out", second.path()}, &code);
    QCOMPARE(code, 0);
    const QStringList files = QDir(first.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 10); // nine images and the resource file
    for (const QString &name : files) {
        QFile a(first.filePath(name)), b(second.filePath(name));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(name));
    }

    QFile image(first.filePath("Aster104.bin"));
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray atOffset = textAt(image.readAll(), 0x1FE1C, 50);
    QCOMPARE(runFwimage({"--dump", first.filePath("Aster104.bin")}).trimmed(), atOffset);
    QVERIFY(atOffset.endsWith(",V1.00.10"));
    QCOMPARE(atOffset.count(','), 5);
    QCOMPARE(runFwimage({"--dump", first.filePath("Breeze84W.bin")}).trimmed(),
             QByteArray("VL8105,03,KB,VL,Breeze84W,V1.00.10"));
    QVERIFY(
        runFwimage({"--dump", first.filePath("Quartz68HE.ufw")}).startsWith("ufw: product Quartz68HE version V105"));
}

void TestFirmwareImageBuilder::shortImageHasNoIdentity()
{
    std::vector<uint8_t> image;
    std::string error;
    QVERIFY(FirmwareImageBuilder::buildFixture("short", &image, &error));
    const BinImageIdentity identity =
        BinImageIdentity::read(image, *BinImageLayout::forKind(FirmwareImageKind::ImageBin256K));
    QVERIFY(identity.text.empty());
    QVERIFY(identity.field(BinImageIdentity::Model).empty());
    QCOMPARE(FirmwareImageBuilder::describe(image), std::string("no identity"));

    QVERIFY(FirmwareImageBuilder::buildFixture("five-fields", &image, &error));
    const BinImageIdentity five =
        BinImageIdentity::read(image, *BinImageLayout::forKind(FirmwareImageKind::ImageBin256K));
    QCOMPARE(five.field(BinImageIdentity::Model), std::string("Aster104"));
    QVERIFY(five.field(BinImageIdentity::Version).empty());
}

void TestFirmwareImageBuilder::namesOverTheirLimitsFail_data()
{
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("fits");
    QTest::newRow("16-character model") << "VL8201"
                                        << "VL"
                                        << "ABCDEFGHIJKLMNOP" << true;
    QTest::newRow("17-character model") << "VL8201"
                                        << "VL"
                                        << "ABCDEFGHIJKLMNOPQ" << false;
    QTest::newRow("32 characters together") << "CHIPCHIPCHIPCH"
                                            << "VL"
                                            << "ABCDEFGHIJKLMNOP" << true;
    QTest::newRow("33 characters together") << "CHIPCHIPCHIPCHI"
                                            << "VL"
                                            << "ABCDEFGHIJKLMNOP" << false;
    QTest::newRow("vendor code with a digit") << "VL8201"
                                              << "V1"
                                              << "Aster104" << false;
}

void TestFirmwareImageBuilder::namesOverTheirLimitsFail()
{
    QFETCH(QString, chip);
    QFETCH(QString, vendor);
    QFETCH(QString, model);
    QFETCH(bool, fits);
    QCOMPARE(FirmwareImageBuilder::binNameError(chip.toStdString(), vendor.toStdString(), model.toStdString()).empty(),
             fits);
    std::vector<uint8_t> image;
    std::string error;
    QCOMPARE(FirmwareImageBuilder::buildUfw(model.toStdString(), "V105", "seed", &image, &error), model.size() <= 16);
}

QTEST_GUILESS_MAIN(TestFirmwareImageBuilder)
#include "tst_FirmwareImageBuilder.moc"
