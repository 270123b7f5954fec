#include "widgets/keyboardButCustom.h"

#include "tests/support/BlackBackdrop.h"
#include "tests/support/PaintCounter.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>

namespace {

const QColor Hover(0, 255, 0);
const QColor Selected(0, 0, 255);
const QColor Mark(255, 255, 0);

// Colour of `fill` at alpha 50 over black, as the cap's fills come out on a black picture.
QColor washed(const QColor &c)
{
    return QColor(c.red() * 50 / 255, c.green() * 50 / 255, c.blue() * 50 / 255);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
}

// A cap on a black background, so a grab shows exactly what the cap paints.
struct CapOnBlack
{
    QWidget background;
    keyboardButCustom *cap = nullptr;

    CapOnBlack()
    {
        makeBlackBackdrop(background, QSize(100, 100));
        cap = new keyboardButCustom(&background);
        cap->setKeySize(40, 40);
        cap->move(10, 10);
        cap->setKeyInfo(4, QStringLiteral("A"));
        cap->setHoverColor(Hover);
        cap->setHoverBorderColor(Hover);
        cap->setSelectedColor(Selected);
        cap->setSelectedBorderColor(Selected);
        cap->setMarkColor(Mark);
        cap->setMarkBorderColor(Mark);
    }

    QColor pixel(int x, int y) { return background.grab().toImage().pixelColor(10 + x, 10 + y); }
    QColor centre() { return pixel(20, 20); }
};

using Setup = std::function<void(keyboardButCustom *)>;

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_keyboardButCustom : public QObject
{
    Q_OBJECT

private slots:
    void paintStates_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QColor>("centre");
        QTest::newRow("idle draws nothing") << Setup([](keyboardButCustom *) {}) << QColor(Qt::black);
        QTest::newRow("hovered") << Setup([](keyboardButCustom *c) { c->setHovered(true); }) << washed(Hover);
        QTest::newRow("hovered with hover disabled") << Setup([](keyboardButCustom *c) {
            c->setHoverEnabled(false);
            c->setHovered(true);
        }) << QColor(Qt::black);
        QTest::newRow("selected") << Setup([](keyboardButCustom *c) { c->setSelected(true, true); })
                                  << washed(Selected);
        QTest::newRow("selected and hovered shows hover") << Setup([](keyboardButCustom *c) {
            c->setSelected(true, true);
            c->setHovered(true);
        }) << washed(Hover);
        QTest::newRow("marked") << Setup([](keyboardButCustom *c) { c->setMarked(true); }) << washed(Mark);
        QTest::newRow("not remappable is washed red")
            << Setup([](keyboardButCustom *c) { c->setRemappable(false); }) << QColor(39, 0, 0);
        QTest::newRow("not remappable and hovered: red over hover") << Setup([](keyboardButCustom *c) {
            c->setRemappable(false);
            c->setHovered(true);
        }) << QColor(39, 40, 0);
        QTest::newRow("light edit, black light shows no fill") << Setup([](keyboardButCustom *c) {
            c->setLightPreviewEnabled(true);
            c->setLightColor(Qt::black);
            c->setLightEditMode(true);
            c->setHovered(true);
        }) << QColor(Qt::black);
        QTest::newRow("light edit shows the light colour") << Setup([](keyboardButCustom *c) {
            c->setLightPreviewEnabled(true);
            c->setLightColor(QColor(0, 128, 255));
            c->setLightEditMode(true);
        }) << QColor(0, 128, 255);
        QTest::newRow("light given while preview is off is lost") << Setup([](keyboardButCustom *c) {
            c->setLightColor(QColor(0, 128, 255));
            c->setLightEditMode(true);
        }) << QColor(Qt::black);
        QTest::newRow("light edit without hover: wheel stays clear") << Setup([](keyboardButCustom *c) {
            c->setKeyInfo(800, QString());
            c->setLightPreviewEnabled(true);
            c->setLightColor(QColor(0, 128, 255));
            c->setLightEditMode(true);
            c->setHoverEnabled(false);
        }) << QColor(Qt::black);
        QTest::newRow("light edit without hover: key shows light") << Setup([](keyboardButCustom *c) {
            c->setLightPreviewEnabled(true);
            c->setLightColor(QColor(0, 128, 255));
            c->setLightEditMode(true);
            c->setHoverEnabled(false);
            c->setSelected(true, true);
        }) << QColor(0, 128, 255);
        QTest::newRow("calibration shows light over selection") << Setup([](keyboardButCustom *c) {
            c->setLightPreviewEnabled(true);
            c->setLightColor(QColor(255, 0, 255));
            c->setSelected(true, true);
            c->setCalibrationMode(true);
        }) << QColor(255, 0, 255);
    }

    void paintStates()
    {
        QFETCH(Setup, setup);
        QFETCH(QColor, centre);
        CapOnBlack fixture;
        setup(fixture.cap);
        const QColor actual = fixture.centre();
        QVERIFY2(near(actual, centre), qPrintable(actual.name() + " != " + centre.name()));
    }

    void themeColorsForceFillAlpha()
    {
        CapOnBlack fixture;
        fixture.cap->setThemeColors(QColor(220, 40, 45), QColor(0, 200, 100, 255));
        fixture.cap->setHovered(true);
        QVERIFY(near(fixture.centre(), washed(QColor(0, 200, 100))));
        fixture.cap->setHovered(false);
        fixture.cap->setSelected(true, true);
        QVERIFY(near(fixture.centre(), washed(QColor(220, 40, 45))));
    }

    void lShapedEnterLeavesTheCornerBelowTheNotch()
    {
        CapOnBlack fixture;
        fixture.cap->setKeySize(60, 80);
        fixture.cap->setEnterKeyNotch(10, 30);
        fixture.cap->setSpecialShape(true);
        fixture.cap->setShapeKind(1);
        fixture.cap->setSelected(true, true);
        const QColor fill = washed(Selected);
        QVERIFY(near(fixture.pixel(35, 15), fill));     // upper part, full width
        QVERIFY(near(fixture.pixel(35, 60), fill));     // lower part, right of the notch
        QVERIFY(near(fixture.pixel(4, 60), Qt::black)); // below the notch: not the key
    }

    void pillModelRoundsTheCorners_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("cornerFilled");
        QTest::newRow("rectangle caps") << QStringLiteral("Aster104") << true;
        QTest::newRow("pill caps") << QStringLiteral("Quartz68HE") << false;
    }

    void pillModelRoundsTheCorners()
    {
        QFETCH(QString, model);
        QFETCH(bool, cornerFilled);
        CapOnBlack fixture;
        fixture.cap->setModelName(model);
        fixture.cap->setSelected(true, true);
        QVERIFY(near(fixture.centre(), washed(Selected)));
        QCOMPARE(fixture.pixel(3, 3) != QColor(Qt::black), cornerFilled);
    }

    void shapedPainterNeedsShapeKindOne()
    {
        CapOnBlack fixture;
        fixture.cap->setSpecialShape(true);
        fixture.cap->setSelected(true, true);
        QVERIFY(near(fixture.centre(), Qt::black));
    }

    // The light preview sets every cap on each refresh; a cap keeping its colour must not repaint.
    void unchangedLightColourDoesNotRepaint()
    {
        CapOnBlack fixture;
        fixture.cap->setLightPreviewEnabled(true);
        fixture.cap->setLightColor(QColor(255, 0, 0, 180));
        fixture.background.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.background));
        QCoreApplication::processEvents();
        PaintCounter counter;
        fixture.cap->installEventFilter(&counter);
        for (int i = 0; i < 5; ++i) {
            fixture.cap->setLightColor(QColor(255, 0, 0, 180));
            QCoreApplication::processEvents();
        }
        QCOMPARE(counter.paints, 0);
        fixture.cap->setLightColor(QColor(0, 255, 0, 180));
        QTRY_COMPARE(counter.paints, 1);
    }

    void enterAndLeaveAreSignalled()
    {
        CapOnBlack fixture;
        QSignalSpy entered(fixture.cap, &keyboardButCustom::sigCustomButMouseEnter);
        QSignalSpy left(fixture.cap, &keyboardButCustom::sigCustomButMouseLeave);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(fixture.cap, &enter);
        QCOMPARE(entered.count(), 1);
        QVERIFY(fixture.cap->isHovered());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(fixture.cap, &leave);
        QCOMPARE(left.count(), 1);
        QVERIFY(!fixture.cap->isHovered());
    }
};

QTEST_MAIN(tst_keyboardButCustom)
#include "tst_keyboardButCustom.moc"
