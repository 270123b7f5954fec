#include "device/LightTypes.h"

#include "resources/VorlanResources.h"
#include "sdk/protocol/ModelCatalog.h"

#include <QImage>
#include <QtTest>

Q_DECLARE_METATYPE(colorInfoData)

class tst_LightTypes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keyboardButtonsFollowTheFormNotTheCodes_data();
    void keyboardButtonsFollowTheFormNotTheCodes();
    void sideButtonsMapToTheirCodes();
    void dpiHasNoModeAndNoSelectableButton();
    void unknownCodesAndIdsMapToNothing();
    void defaultKeyboardRecord_data();
    void defaultKeyboardRecord();
    void defaultSideRecord_data();
    void defaultSideRecord();
    void modeOffers_data();
    void modeOffers();
    void everyButtonPictureLoads();
    void musicPalettesWalkTheHueCircle();
};

void tst_LightTypes::initTestCase()
{
    initVorlanResources();
}

void tst_LightTypes::keyboardButtonsFollowTheFormNotTheCodes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    const QList<QPair<int, const char *>> rows = {
        {0, "Static"},           {3, "Neon"},   {1, "Breath"},     {2, "Wave"},
        {9, "Twinkle"},          {5, "Snake"},  {4, "Radar"},      {14, "Auto Ripple"},
        {15, "Striation"},       {7, "Aurora"}, {8, "Ripple"},     {6, "Reactive"},
        {11, "Cross"},           {-1, "DPI"},   {16, "Fireworks"}, {12, "Speed Respond"},
        {100, "Musical Rhythm"}, {10, "Custom"}};
    for (int id = 0; id < rows.size(); ++id)
        QTest::addRow("id %d", id) << id << rows.at(id).first << QString(rows.at(id).second);
}

void tst_LightTypes::keyboardButtonsFollowTheFormNotTheCodes()
{
    QFETCH(int, id);
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(LightTypes::keyboardModeOfButton(id), code);
    QCOMPARE(LightTypes::keyboardButtons()[id].buttonId, id);
    QCOMPARE(QString(LightTypes::keyboardButtons()[id].name), name);
    if (code >= 0) {
        QCOMPARE(LightTypes::keyboardButtonOfMode(code), id);
        QCOMPARE(QString(LightTypes::keyboardModeName(code)), name);
    }
}

void tst_LightTypes::sideButtonsMapToTheirCodes()
{
    const QList<int> codes = {0, 4, 1, 2, 3, 5};
    const QStringList names = {"Static", "Neon", "Breath", "Wave", "Collision", "Close"};
    for (int i = 0; i < codes.size(); ++i) {
        QCOMPARE(LightTypes::sideModeOfButton(50 + i), codes.at(i));
        QCOMPARE(LightTypes::sideButtonOfMode(codes.at(i)), 50 + i);
        QCOMPARE(QString(LightTypes::sideModeName(codes.at(i))), names.at(i));
    }
}

void tst_LightTypes::dpiHasNoModeAndNoSelectableButton()
{
    QCOMPARE(LightTypes::keyboardModeOfButton(13), -1);
    QCOMPARE(LightTypes::keyboardButtonOfMode(13), -1);
    QCOMPARE(QString(LightTypes::keyboardModeName(13)), QString("DPI"));
}

void tst_LightTypes::unknownCodesAndIdsMapToNothing()
{
    for (int code : {-1, 17, 18, 99, 101, 255}) {
        QCOMPARE(LightTypes::keyboardButtonOfMode(code), -1);
        QVERIFY(!LightTypes::keyboardModeName(code));
    }
    for (int code : {-1, 6, 10})
        QCOMPARE(LightTypes::sideButtonOfMode(code), -1);
    for (int id : {-1, 18, 49, 56, 900}) {
        QCOMPARE(LightTypes::keyboardModeOfButton(id), -1);
        QCOMPARE(LightTypes::sideModeOfButton(id), -1);
    }
}

void tst_LightTypes::defaultKeyboardRecord_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("direction");
    const QList<QPair<int, int>> rows = {{0, 0},  {1, 0},  {2, 0},  {3, 0},  {4, 6},  {5, 6},
                                         {6, 0},  {7, 4},  {8, 4},  {9, 0},  {10, 0}, {11, 0},
                                         {12, 2}, {13, 0}, {14, 4}, {15, 6}, {16, 4}, {100, 2}};
    for (const auto &row : rows)
        QTest::addRow("mode %d", row.first) << row.first << row.second;
}

void tst_LightTypes::defaultKeyboardRecord()
{
    QFETCH(int, mode);
    QFETCH(int, direction);
    const colorInfoData record = LightTypes::defaultRecord(LIGHT_AREA_KEYBOARD, mode);
    const QVector<int> fields(reinterpret_cast<const int32_t *>(&record),
                              reinterpret_cast<const int32_t *>(&record) + 14);
    QCOMPARE(fields, (QVector<int>{0, mode, 3, 3, 255, 0, 0, 0, 0, 0, direction, 1, 0, 0}));
    // Every mode that offers directions starts on one it offers.
    const LightModeOffer offer = LightTypes::keyboardModeOffer(mode);
    QVERIFY(offer.directions == 0 || offer.offersDirection(record.direction));
}

void tst_LightTypes::defaultSideRecord_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("red");
    for (int mode = 0; mode <= 5; ++mode)
        QTest::addRow("mode %d", mode) << mode << (mode == SIDE_LIGHT_CLOSE ? 0 : 255);
}

void tst_LightTypes::defaultSideRecord()
{
    QFETCH(int, mode);
    QFETCH(int, red);
    const colorInfoData record = LightTypes::defaultRecord(LIGHT_AREA_SIDE, mode);
    const QVector<int> fields(reinterpret_cast<const int32_t *>(&record),
                              reinterpret_cast<const int32_t *>(&record) + 14);
    QCOMPARE(fields, (QVector<int>{1, mode, 3, 3, red, 0, 0, 0, 0, 0, 0, 1, 0, 0}));
}

void tst_LightTypes::modeOffers_data()
{
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("brightness");
    QTest::addColumn<bool>("speed");
    QTest::addColumn<QList<int>>("directions");
    QTest::addColumn<bool>("colours");
    const QList<int> none;
    QTest::newRow("Static") << 0 << 0 << true << false << none << false;
    for (int mode : {1, 3, 6, 8, 9, 11, 14, 16})
        QTest::addRow("keyboard %d", mode) << 0 << mode << true << true << none << true;
    QTest::newRow("Wave") << 0 << 2 << true << true << QList<int>{0, 1, 2, 3, 4, 5} << true;
    for (int mode : {4, 5, 15})
        QTest::addRow("turning %d", mode) << 0 << mode << true << true << QList<int>{6, 7} << true;
    QTest::newRow("Aurora") << 0 << 7 << true << true << QList<int>{4, 5} << true;
    QTest::newRow("Custom") << 0 << 10 << true << false << none << false;
    QTest::newRow("Speed Respond") << 0 << 12 << true << false << QList<int>{2, 3} << true;
    QTest::newRow("DPI") << 0 << 13 << true << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << true;
    QTest::newRow("Musical Rhythm") << 0 << 100 << true << false << none << true;
    QTest::newRow("side Static") << 1 << 0 << true << false << none << false;
    for (int mode : {1, 2, 3, 4})
        QTest::addRow("side %d", mode) << 1 << mode << true << true << none << true;
    QTest::newRow("side Close") << 1 << 5 << false << false << none << false;
}

void tst_LightTypes::modeOffers()
{
    QFETCH(int, area);
    QFETCH(int, mode);
    QFETCH(bool, brightness);
    QFETCH(bool, speed);
    QFETCH(QList<int>, directions);
    QFETCH(bool, colours);
    const LightModeOffer offer = area == 0 ? LightTypes::keyboardModeOffer(mode) : LightTypes::sideModeOffer(mode);
    QCOMPARE(offer.brightness, brightness);
    QCOMPARE(offer.speed, speed);
    QList<int> offered;
    for (int direction = -1; direction <= 8; ++direction) {
        if (offer.offersDirection(direction))
            offered.append(direction);
    }
    QCOMPARE(offered, directions);
    QCOMPARE(offer.fullAndSecondColor, colours);
}

void tst_LightTypes::everyButtonPictureLoads()
{
    QStringList pictures;
    for (bool selected : {false, true}) {
        for (int i = 0; i < LightTypes::keyboardButtonCount; ++i)
            pictures << LightTypes::keyboardModePicture(LightTypes::keyboardButtons()[i], selected);
        for (int i = 0; i < LightTypes::sideButtonCount; ++i)
            pictures << LightTypes::sideModePicture(LightTypes::sideButtons()[i], selected);
        for (int i = 0; i < LightTypes::directionCount; ++i)
            pictures << LightTypes::directionPicture(LightTypes::directionButtons()[i], selected);
    }
    QCOMPARE(pictures.size(), 64);
    QVERIFY(pictures.contains(":/images/deviceLed/keyboard/SnackSel.png"));
    QVERIFY(pictures.contains(":/images/deviceLed/side/sideCloseDef.png"));
    QVERIFY(pictures.contains(":/images/deviceLed/LightUncwSel.png"));
    for (const QString &path : pictures)
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
}

void tst_LightTypes::musicPalettesWalkTheHueCircle()
{
    using LightTypes::MUSIC_PALETTE_ALT;
    using LightTypes::MUSIC_PALETTE_HUE;
    for (int i = 0; i < 11; ++i) {
        const QColor colour(MUSIC_PALETTE_HUE[i]);
        QVERIFY2(qAbs(colour.hue() - 30 * i) <= 1, qPrintable(QString::number(i)));
        QCOMPARE(colour.alpha(), 255);
    }
    QList<QRgb> hue(MUSIC_PALETTE_HUE.begin(), MUSIC_PALETTE_HUE.end());
    QList<QRgb> alt(MUSIC_PALETTE_ALT.begin(), MUSIC_PALETTE_ALT.end());
    QCOMPARE(alt.mid(0, 4), (QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 255)}));
    std::sort(hue.begin(), hue.end());
    std::sort(alt.begin(), alt.end());
    QCOMPARE(alt, hue);
    QVERIFY(ModelCatalog::findByName(LightTypes::kMusicPaletteAltModel) != nullptr);
}

QTEST_MAIN(tst_LightTypes)
#include "tst_LightTypes.moc"
