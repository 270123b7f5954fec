#include "ui/mainwidget/devicePage/profiles/LightRelayRules.h"
#include "ui/mainwidget/devicePage/profiles/ProfilePath.h"

#include <QtTest>

class tst_LightRelayRules : public QObject
{
    Q_OBJECT

private slots:
    void keyReactiveModes_data();
    void keyReactiveModes();
    void layerSwitchRewritesFileName_data();
    void layerSwitchRewritesFileName();
    void savedSetHoldsPaintedCapsRowMajor();
    void savedCaptionIsBounded();
};

void tst_LightRelayRules::keyReactiveModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("reactive");
    QTest::addColumn<bool>("paints");
    for (int mode = -1; mode <= 20; ++mode) {
        const bool reactive = QList<int>{6, 7, 8, 11, 12, 16}.contains(mode);
        QTest::addRow("mode %d", mode) << mode << reactive << (mode == 10);
    }
}

void tst_LightRelayRules::keyReactiveModes()
{
    QFETCH(int, mode);
    QFETCH(bool, reactive);
    QFETCH(bool, paints);
    QCOMPARE(LightRelayRules::isKeyReactiveLightMode(mode), reactive);
    QCOMPARE(LightRelayRules::paintsKeys(mode), paints);
}

void tst_LightRelayRules::layerSwitchRewritesFileName_data()
{
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("default to FN") << QByteArray("/c/UserConfig/Aster104/SN1/appProfile_Default.xml") << 1
                                   << QByteArray("/c/UserConfig/Aster104/SN1/appProfile_FN.xml");
    QTest::newRow("FN to default") << QByteArray("/c/UserConfig/Aster104/SN1/appProfile_FN.xml") << 0
                                   << QByteArray("/c/UserConfig/Aster104/SN1/appProfile_Default.xml");
    QTest::newRow("any other layer is FN")
        << QByteArray("/d/appProfile_Default.xml") << 2 << QByteArray("/d/appProfile_FN.xml");
    QTest::newRow("no current file") << QByteArray() << 1 << QByteArray();
    const QByteArray deep = "/" + QByteArray(255 - 1 - 22, 'x') + "/appProfile_FN.xml";
    QTest::newRow("longer result refused") << deep << 0 << QByteArray();
}

void tst_LightRelayRules::layerSwitchRewritesFileName()
{
    QFETCH(QByteArray, current);
    QFETCH(int, layer);
    QFETCH(QByteArray, expected);
    if (expected.isEmpty() && !current.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Profile path refused, longer than 255 bytes"));
    QCOMPARE(ProfilePath::layerFilePath(current, layer), expected);
}

void tst_LightRelayRules::savedSetHoldsPaintedCapsRowMajor()
{
    const QVector<CustomLightCap> caps{
        {82, "Up", 4, 16, QColor(255, 0, 0)},  {4, "A", 3, 2, QColor(0, 0, 0)}, // painted black: dropped
        {26, "W", 2, 2, QColor(255, 0, 0)},    {7, "D", 3, 4, QColor(255, 0, 0)},
        {41, "Esc", 0, 0, QColor(0, 0, 0, 0)}, // never painted
        {22, "S", 3, 3, QColor(0, 1, 0, 10)},  // any non-black colour counts, alpha is ignored
    };
    QStringList saved;
    for (const CustomLightItemStu &item : LightRelayRules::customLightItems(caps)) {
        QCOMPARE(item.transparentNum, 128);
        saved << QStringLiteral("%1 %2 (%3,%4) %5,%6,%7")
                     .arg(item.keyCode, item.codeName)
                     .arg(item.indexX)
                     .arg(item.indexY)
                     .arg(item.colorR)
                     .arg(item.colorG)
                     .arg(item.colorB);
    }
    QCOMPARE(saved,
             (QStringList{"26 W (2,2) 255,0,0", "22 S (3,3) 0,1,0", "7 D (3,4) 255,0,0", "82 Up (4,16) 255,0,0"}));
}

void tst_LightRelayRules::savedCaptionIsBounded()
{
    const QVector<CustomLightCap> caps{{4, QString(100, QChar(0xE9)), 1, 1, QColor(1, 2, 3)}};
    const std::vector<CustomLightItemStu> items = LightRelayRules::customLightItems(caps);
    QCOMPARE(int(items.size()), 1);
    QCOMPARE(qstrnlen(items.front().codeName, sizeof(items.front().codeName)), 63u);
    QCOMPARE(QString::fromLatin1(items.front().codeName), QString(63, QChar(0xE9)));
}

QTEST_GUILESS_MAIN(tst_LightRelayRules)
#include "tst_LightRelayRules.moc"
