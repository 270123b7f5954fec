#include "widgets/KeyLayoutLoader.h"

#include "resources/VorlanResources.h"
#include "sdk/protocol/ModelCatalog.h"
#include "tests/widgets/LayoutFixture.h"
#include "widgets/KeyViewGeometry.h"
#include "widgets/KeyboardModelLook.h"

#include <QImage>
#include <QtTest>

Q_DECLARE_METATYPE(KeyLayoutItem)

class tst_KeyLayoutLoader : public QObject
{
    Q_OBJECT

private:
    static QByteArray rowOf(int count, const QByteArray &entry)
    {
        QByteArrayList entries;
        for (int i = 0; i < count; ++i)
            entries << entry;
        return "[" + entries.join(',') + "]";
    }

private slots:
    void initTestCase() { initVorlanResources(); }

    void everyCatalogueModelHasItsLayoutAndPicture_data()
    {
        QTest::addColumn<QString>("model");
        for (const ModelInfo &info : ModelCatalog::models())
            QTest::newRow(info.name.c_str()) << QString::fromStdString(info.name);
    }

    void everyCatalogueModelHasItsLayoutAndPicture()
    {
        QFETCH(QString, model);
        const ModelInfo *info = ModelCatalog::findByName(model.toStdString());
        const ModelViewLook look = ModelCatalog::viewLook(model.toStdString());
        KeyLayout layout;
        QVERIFY(KeyLayoutLoader::load(model, layout));
        QCOMPARE(layout.keys.size(), 132);
        QCOMPARE(layout.sideLight, info->hasSideLight);
        QCOMPARE(layout.specialEnterKey, look.specialEnterKey);
        QCOMPARE(layout.hidDeviceType, look.hidDeviceType);

        const QSize size = KeyboardModelLook::pictureSize(model);
        const QRect picture(QPoint(0, 0), size);
        QVERIFY(!size.isEmpty());
        int keys = 0;
        QSet<int> codes;
        for (const KeyLayout::Key &key : layout.keys) {
            if (key.item.code == 0)
                continue;
            ++keys;
            QVERIFY2(!codes.contains(key.item.code), qPrintable(key.caption));
            codes.insert(key.item.code);
            const QRect cap(key.item.posX, key.item.posY, key.item.width, key.item.height);
            QVERIFY2(picture.contains(cap), qPrintable(key.caption));
        }
        QCOMPARE(keys, info->keyCount);
        QCOMPARE(layout.leds.isEmpty(), !info->hasSideLight);
        for (const KeyLayout::Led &led : layout.leds) {
            if (led.validStatus == 1)
                QVERIFY(picture.contains(QRect(led.item.posX, led.item.posY, led.item.width, led.item.height)));
        }

        const QString base = QCoreApplication::applicationDirPath() + "/images/hidImages/Keyboard_" + model;
        for (const QString &suffix : {QString(), QStringLiteral("_0"), QStringLiteral("_1"), QStringLiteral("_2")}) {
            const QImage image(base + suffix + ".png");
            QVERIFY2(!image.isNull(), qPrintable(base + suffix));
            QCOMPARE(image.size(), size);
        }
    }

    void irregularFileYieldsFullMatrix()
    {
        KeyLayout layout;
        QVERIFY(KeyLayoutLoader::parse(layoutFixture("KeyInfo_Odd.config"), layout));
        QCOMPARE(layout.keys.size(), 132);
        QVERIFY(layout.hasKeyboardObject);
        QCOMPARE(layout.sideLight, false);
        QVERIFY(layout.leds.isEmpty()); // row 00 present but the model has no side light
        QCOMPARE(layout.hidDeviceType, 3);

        for (int c = 0; c < 22; ++c) {
            const KeyLayoutItem &gap = layout.keyAt(0, c).item;
            QCOMPARE(gap.code, 0);
            QCOMPARE(QRect(gap.posX, gap.posY, gap.width, gap.height), QRect(-1, -1, 0, 0));
            QCOMPARE(layout.keyAt(0, c).caption, QStringLiteral("-"));
        }
        // Leading zeros are plain integers.
        QCOMPARE(layout.keyAt(1, 0).item, (KeyLayoutItem{30, 5, 50, 38, 38, 999, 0}));
        // The 23-entry row loses its last entry; the 21-entry row ends in a gap.
        QCOMPARE(layout.keyAt(2, 21).item.code, 4 + 21);
        for (const KeyLayout::Key &key : layout.keys)
            QVERIFY(key.item.code != 4 + 22);
        QCOMPARE(layout.keyAt(3, 21).item.code, 0);
        // An entry without "Dec", "Width" and "Height" takes gap values for them.
        const KeyLayoutItem &partial = layout.keyAt(3, 1).item;
        QCOMPARE(partial, (KeyLayoutItem{0, 70, 130, 0, 0, 999, 0}));
        QCOMPARE(layout.keyAt(5, 1).item.code, 40);
    }

    void captions_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plain") << 3 << 0 << QStringLiteral("Caps");
        QTest::newRow("quote key whatever the file says") << 3 << 2 << QStringLiteral("' \"");
        QTest::newRow("escaped backslash stays doubled") << 3 << 3 << QStringLiteral("\\\\");
        QTest::newRow("fn") << 4 << 1 << QStringLiteral("Fn");
        QTest::newRow("missing caption") << 3 << 1 << QStringLiteral("-");
    }

    void captions()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, caption);
        KeyLayout layout;
        QVERIFY(KeyLayoutLoader::parse(layoutFixture("KeyInfo_Odd.config"), layout));
        QCOMPARE(layout.keyAt(row, column).caption, caption);
    }

    void sideLightRowIsReadWhenTheModelHasOne()
    {
        const QByteArray text = "{\"Keyboard\": {\"sideLightHave\": 1, \"specialEnterKey\": 1,"
                                " \"specialEnterKeyShape\": 2, \"hidDeviceType\": 5},"
                                " \"EveryKeyInfo_Row00\": ["
                                "{\"PosX\": 000, \"PosY\": 30, \"Width\": 5, \"Height\": 60, \"Index\": 1,"
                                " \"validStatus\": 1, \"SidePosition\": 1, \"Mark\": \"0x01\"},"
                                "{\"PosX\": -10, \"PosY\": -10, \"Width\": 10, \"Height\": 10, \"Index\": 2,"
                                " \"validStatus\": 0, \"SidePosition\": 0, \"Mark\": \"0x02\"}]}";
        KeyLayout layout;
        QVERIFY(KeyLayoutLoader::parse(text, layout));
        QVERIFY(layout.sideLight);
        QVERIFY(layout.specialEnterKey);
        QCOMPARE(layout.specialEnterKeyShape, 2);
        QCOMPARE(layout.hidDeviceType, 5);
        QCOMPARE(layout.leds.size(), 2);
        QCOMPARE(layout.leds.at(0).item, (KeyLayoutItem{1, 0, 30, 5, 60, 777, 1}));
        QCOMPARE(layout.leds.at(0).validStatus, 1);
        QCOMPARE(layout.leds.at(1).validStatus, 0);
        // Missing key rows become gap rows, so the matrix is always complete.
        QCOMPARE(layout.keys.size(), 132);
    }

    void fileWithoutKeyboardObjectStillReadsRows()
    {
        const QByteArray key = "{\"PosX\": 1, \"PosY\": 2, \"Width\": 30, \"Height\": 30, \"Dec\": 41,"
                               " \"Character\": \"Esc\"}";
        const QByteArray text = "{\"EveryKeyInfo_Row00\": [], \"EveryKeyInfo_Row01\": " + rowOf(22, key) + "}";
        KeyLayout layout;
        QVERIFY(KeyLayoutLoader::parse(text, layout));
        QVERIFY(!layout.hasKeyboardObject);
        QVERIFY(!layout.sideLight);
        QCOMPARE(layout.keyAt(0, 21).item.code, 41);
        QCOMPARE(layout.keyAt(1, 0).item.code, 0);
    }

    void valuesOutsideThePictureAreClamped_data()
    {
        QTest::addColumn<QByteArray>("members");
        QTest::addColumn<KeyLayoutItem>("expected");
        const int extent = KeyLayoutLoader::MaxExtent;
        QTest::newRow("coordinates near INT_MAX")
            << QByteArray("\"PosX\": 2147483647, \"PosY\": 2147483000, \"Width\": 30, \"Height\": 30, \"Dec\": 41")
            << KeyLayoutItem{41, extent, extent, 30, 30, KeyLayoutItem::KindKey, 0};
        QTest::newRow("beyond int") << QByteArray(
            "\"PosX\": -1e300, \"PosY\": 1e300, \"Width\": 30, \"Height\": 30, \"Dec\": 41")
                                    << KeyLayoutItem{41, -extent, extent, 30, 30, KeyLayoutItem::KindKey, 0};
        QTest::newRow("negative sizes") << QByteArray(
            "\"PosX\": 10, \"PosY\": 10, \"Width\": -2147483648, \"Height\": -5, \"Dec\": 41")
                                        << KeyLayoutItem{41, 10, 10, 0, 0, KeyLayoutItem::KindKey, 0};
        QTest::newRow("huge code") << QByteArray(
            "\"PosX\": 10, \"PosY\": 10, \"Width\": 30, \"Height\": 30, \"Dec\": 99999999")
                                   << KeyLayoutItem{KeyLayoutLoader::MaxCode, 10, 10, 30, 30,
                                                    KeyLayoutItem::KindKey,   0};
    }

    void valuesOutsideThePictureAreClamped()
    {
        QFETCH(QByteArray, members);
        QFETCH(KeyLayoutItem, expected);
        const QByteArray text =
            "{\"EveryKeyInfo_Row01\": " + rowOf(22, "{" + members + ", \"Character\": \"K\"}") + "}";
        KeyLayout layout;
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("Key layout: row 1 entry \\d+ lies outside the picture, clamped"));
        QVERIFY(KeyLayoutLoader::parse(text, layout));
        QCOMPARE(layout.keyAt(0, 0).item, expected);
        // The view's arithmetic stays in range at the largest zoom (the sanitizer build checks it).
        const QRect rect = KeyViewGeometry::keyRect(layout.keyAt(0, 0).item, 4.0f);
        QVERIFY(rect.width() >= 0 && rect.height() >= 0);
        QVector<KeyLayoutItem> items;
        for (const KeyLayout::Key &key : layout.keys)
            items.append(key.item);
        QVERIFY(KeyViewGeometry::keysInBand(items, 4.0f, QPoint(0, 0), 0, 0, 100, 100).size() <= 22);
        KeyViewGeometry::keyAt(items, KeyLayout::Columns, 4.0f, QPoint(0, 0), 1000, QPoint(50, 50));
    }

    void invalidTextLoadsNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("truncated") << QByteArray("{\"Keyboard\": {\"sideLightHave\": 1");
        QTest::newRow("array") << QByteArray("[1, 2]");
        QTest::newRow("empty") << QByteArray();
    }

    void invalidTextLoadsNothing()
    {
        QFETCH(QByteArray, text);
        KeyLayout layout;
        layout.keys.resize(3);
        QVERIFY(!KeyLayoutLoader::parse(text, layout));
        QVERIFY(layout.keys.isEmpty());
        QVERIFY(layout.leds.isEmpty());
    }

    void missingFileIsLogged()
    {
        QTest::ignoreMessage(
            QtDebugMsg,
            "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL -------------------------");
        KeyLayout layout;
        QVERIFY(!KeyLayoutLoader::load(QStringLiteral("NoSuchModel"), layout));
        QVERIFY(layout.keys.isEmpty());
    }
};

QTEST_MAIN(tst_KeyLayoutLoader)
#include "tst_KeyLayoutLoader.moc"
