#include "widgets/hidDeviceJoinFrame.h"

#include "resources/VorlanResources.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/keyboardImageFrameItem.h"
#include "widgets/sideLightButtonCustom.h"

#include <QFrame>
#include <QSignalSpy>
#include <QtTest>

namespace {

hidStu recordOf(const char *model)
{
    hidStu info{};
    qstrncpy(info.hidName, model, sizeof info.hidName);
    qstrncpy(info.path, "hid#vid_1209&pid_0001&mi_01#sim:/tmp/x", sizeof info.path);
    return info;
}

} // namespace

class tst_hidDeviceJoinFrame : public QObject
{
    Q_OBJECT

private:
    // The Aster104 view shown offscreen, so the container has its place in the view.
    struct ShownView
    {
        hidDeviceJoinFrame view;
        explicit ShownView(const char *model = "Aster104", float scale = 1.0f)
        {
            view.resize(1400, 600);
            view.setDeviceInfo(recordOf(model));
            view.setKeyboardScale(scale);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
        }
        keyboardButCustom *key(int code) const { return view.getKeySelectFrame()->getKeyButtonMap().value(code); }
        QPoint origin() const { return view.getKeyboardContainer()->pos(); }
    };

private slots:
    void initTestCase() { initVorlanResources(); }

    void scaleOnePlacesCapsAtTheirLoadPositions()
    {
        ShownView shown;
        QCOMPARE(shown.view.getKeyboardContainer()->size(), QSize(742 + 20, 222 + 20));
        QCOMPARE(shown.key(41)->geometry(), QRect(22, 22, 30, 30)); // Esc at (12, 12)
        QCOMPARE(shown.key(30)->geometry(), QRect(54, 62, 30, 30)); // "1" at (44, 52)
    }

    void scaleOneAndAHalf()
    {
        ShownView shown("Aster104", 1.5f);
        // R(742 * 1.5) = 1113, R(222 * 1.5) = 333.
        QCOMPARE(shown.view.getKeyboardContainer()->size(), QSize(1133, 353));
        // "1": R(66) + 10, R(78) + 10, R(45) = 45.
        QCOMPARE(shown.key(30)->geometry(), QRect(76, 88, 45, 45));
        QCOMPARE(shown.key(30)->getKeyPosition(), QPoint(76, 88));
        const QMap<int, sideLightButtonCustom *> leds = shown.view.getKeySelectFrame()->getSideLightButtonMap();
        // Left edge at x 0 with its unscaled width; R(12 * 1.5) + 10 = 28, R(62 * 1.5) = 93.
        QCOMPARE(leds.value(1)->geometry(), QRect(0, 28, 6, 93));
        // Right edge at the container's right margin.
        QCOMPARE(leds.value(4)->geometry(), QRect(1123, 28, 6, 93));
    }

    void scaledEnterKeepsTheStandardNotch()
    {
        ShownView shown("Breeze84W", 1.5f);
        QCOMPARE(shown.key(40)->getEnterKeyNotch(), QPoint(15, 45));
    }

    void pictureIsShownUnderTheCaps()
    {
        ShownView shown;
        const QString path = shown.view.getImageFrame()->getPicturePath();
        QVERIFY(path.endsWith(QStringLiteral("/images/hidImages/Keyboard_Aster104.png")));
        // The centre of the Esc cap in the picture is cap-coloured, not the view's background.
        const QPoint centre = shown.origin() + QPoint(22 + 3, 22 + 15);
        const QColor pixel = shown.view.grab().toImage().pixelColor(centre);
        QVERIFY2(pixel.blue() > 80 && pixel.red() > 50, qPrintable(pixel.name()));

        shown.view.setKeyboardMode(1);
        QVERIFY(shown.view.getImageFrame()->getPicturePath().endsWith(QStringLiteral("Keyboard_Aster104_1.png")));
        shown.view.setKeyboardMode(3);
        QCOMPARE(shown.view.getImageFrame()->getPicturePath(), path);
    }

    void bandSelectionIsCornerExactInEitherOrder()
    {
        ShownView shown;
        QSignalSpy changes(&shown.view, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
        const QPoint esc = shown.origin() + QPoint(22, 22);
        const QPoint one = shown.origin() + QPoint(54, 62);
        shown.view.selectKeysInRect(esc.x(), esc.y(), one.x(), one.y());
        const QList<keyboardButCustom *> forward = shown.view.getDragSelection();
        shown.view.selectKeysInRect(one.x(), one.y(), esc.x(), esc.y());
        QCOMPARE(shown.view.getDragSelection(), forward);
        // Esc, "`" and "1" have their corners in the band; F1 (x 76) does not.
        QCOMPARE(forward.size(), 3);
        QVERIFY(forward.contains(shown.key(41)) && forward.contains(shown.key(53)) && forward.contains(shown.key(30)));
        QVERIFY(shown.key(30)->isDragSelected());

        // One pixel short of the corner of "1": it drops out.
        shown.view.selectKeysInRect(esc.x(), esc.y(), one.x() - 1, one.y());
        QVERIFY(!shown.view.getDragSelection().contains(shown.key(30)));
        QVERIFY(!shown.key(30)->isDragSelected());

        shown.view.selectKeysInRect(0, 0, 0, 0); // the page's answer to a right click
        QVERIFY(shown.view.getDragSelection().isEmpty());
        QCOMPARE(changes.count(), 4);
        QCOMPARE(changes.last(), (QList<QVariant>{0, -1, -1, -1}));
    }

    void clickTogglesTheHoveredKey()
    {
        ShownView shown;
        QSignalSpy overKey(&shown.view, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
        QSignalSpy changes(&shown.view, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
        const QPoint insideOne = shown.origin() + QPoint(54 + 15, 62 + 15);
        shown.view.hoverKeyAt(insideOne.x(), insideOne.y(), 1);
        QCOMPARE(overKey.last().at(0).toBool(), true);
        QVERIFY(shown.key(30)->isHovered());

        shown.view.toggleHoveredKey(true);
        // Held down: moving elsewhere changes no hover state.
        shown.view.hoverKeyAt(0, 0, 1);
        QVERIFY(shown.key(30)->isHovered());
        shown.view.toggleHoveredKey(false);
        shown.view.toggleHoveredKey(true);
        shown.view.toggleHoveredKey(false);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(changes.at(0), (QList<QVariant>{1, 1, 1, 1}));
        QCOMPARE(changes.at(1), (QList<QVariant>{1, -1, 1, 1}));
        QVERIFY(shown.view.getDragSelection().isEmpty());

        shown.view.hoverKeyAt(0, 0, 1);
        QCOMPARE(overKey.last().at(0).toBool(), false);
        QVERIFY(!shown.key(30)->isHovered());
    }

    void leavingTheKeysOnTheTriggerTabForgetsTheCurrentKey_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("forgotten");
        QTest::newRow("trigger tab") << 4 << true;
        QTest::newRow("lighting tab") << 1 << false;
    }

    void leavingTheKeysOnTheTriggerTabForgetsTheCurrentKey()
    {
        QFETCH(int, mode);
        QFETCH(bool, forgotten);
        ShownView shown;
        shown.key(30)->click();
        QCOMPARE(shown.view.getKeySelectFrame()->getCurrentKey(), shown.key(30));
        const QPoint insideOne = shown.origin() + QPoint(54 + 15, 62 + 15);
        shown.view.hoverKeyAt(insideOne.x(), insideOne.y(), mode);
        shown.view.hoverKeyAt(0, 0, mode);
        QCOMPARE(shown.view.getKeySelectFrame()->getCurrentKey() == nullptr, forgotten);
    }

    void unknownModelHasNoKeysAndSurvivesHover()
    {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("fp == NULL"));
        hidDeviceJoinFrame view;
        view.setDeviceInfo(recordOf("NoSuchModel"));
        QCOMPARE(view.getKeyboardContainer()->size(), QSize(20, 20));
        view.setKeyboardScale(1.5f);
        QSignalSpy overKey(&view, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
        view.hoverKeyAt(10, 10, 4);
        view.selectKeysInRect(0, 0, 500, 500);
        QCOMPARE(overKey.count(), 1);
        QVERIFY(view.getDragSelection().isEmpty());
    }
};

QTEST_MAIN(tst_hidDeviceJoinFrame)
#include "tst_hidDeviceJoinFrame.moc"
