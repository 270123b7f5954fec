#include "keySelectFrame.h"

#include "LayoutFixture.h"
#include "VorlanResources.h"
#include "keyboardButCustom.h"
#include "sideLightButtonCustom.h"

#include <QSignalSpy>
#include <QtTest>

class tst_keySelectFrame : public QObject
{
    Q_OBJECT

private:
private slots:
    void initTestCase() { initVorlanResources(); }

    void irregularFileGivesOneCapPerCell()
    {
        keySelectFrame frame;
        QSignalSpy loaded(&frame, &keySelectFrame::sigKeyboardAlreadyLoad);
        frame.parseKeyboardInfo(layoutFixture("KeyInfo_Odd.config").constData());
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(frame.getKeyButtonList().size(), 132);
        QCOMPARE(frame.getKeyLayoutList().size(), 132);
        QVERIFY(!frame.hasSideLight());
        QVERIFY(frame.getSideLightButtonMap().isEmpty());
        QCOMPARE(frame.findChildren<sideLightButtonCustom *>().size(), 0);
        QCOMPARE(frame.getHidDeviceType(), 3);

        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 22; ++c) {
                keyboardButCustom *cap = frame.keyAt(r, c);
                QVERIFY(cap);
                QCOMPARE(cap->getRowIndex(), r);
                QCOMPARE(cap->getColumnIndex(), c);
            }
        }
        // A gap row: invisible caps at the shifted gap position.
        keyboardButCustom *gap = frame.keyAt(0, 5);
        QCOMPARE(gap->geometry(), QRect(9, 9, 0, 0));
        QCOMPARE(gap->getKeyDec(), 0);
        // Code 0 maps to the last gap of the file.
        QCOMPARE(frame.getKeyButtonMap().value(0), frame.keyAt(5, 21));
        keyboardButCustom *quote = frame.getKeyButtonMap().value(52);
        QCOMPARE(quote->getKeyCharacter(), QStringLiteral("' \""));
        QCOMPARE(quote->geometry(), QRect(120, 140, 38, 38));
        // Without the special-Enter flag the Enter cap is a plain rectangle.
        QCOMPARE(frame.getKeyButtonMap().value(40)->getEnterKeyNotch(), QPoint(0, 0));
    }

    void unusableTextLoadsNothing_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("missing layout file") << QStringLiteral("NoSuchModel") << QByteArray();
        QTest::newRow("not JSON") << QString() << QByteArray("{\"Keyboard\": ");
    }

    void unusableTextLoadsNothing()
    {
        QFETCH(QString, model);
        QFETCH(QByteArray, text);
        keySelectFrame frame;
        QSignalSpy loaded(&frame, &keySelectFrame::sigKeyboardAlreadyLoad);
        if (!model.isEmpty()) {
            QTest::ignoreMessage(QtWarningMsg, "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL "
                                               "-------------------------");
            frame.loadKeyboardInfo(model);
        } else {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a JSON object"));
            frame.parseKeyboardInfo(text.constData());
        }
        QCOMPARE(loaded.count(), 0);
        QVERIFY(frame.findChildren<keyboardButCustom *>().isEmpty());
    }

    void sideLightShowsOnlyValidSegments()
    {
        keySelectFrame frame;
        hidStu info{};
        qstrncpy(info.hidName, "Aster104", sizeof info.hidName);
        frame.setDeviceInfo(info);
        frame.show();
        QVERIFY(frame.hasSideLight());
        const QList<sideLightButtonCustom *> leds = frame.getSideLightButtonList();
        QCOMPARE(leds.size(), 8);
        for (sideLightButtonCustom *led : leds)
            QVERIFY(led->isHidden());
        // The left edge segment sits 10 pixels in, like the caps.
        QCOMPARE(frame.getSideLightButtonMap().value(1)->geometry(), QRect(10, 22, 6, 62));

        frame.setSideLightVisible(true);
        int shown = 0;
        for (sideLightButtonCustom *led : leds) {
            QCOMPARE(led->isVisible(), led->isValid());
            shown += led->isVisible();
        }
        QCOMPARE(shown, 6);
        frame.setSideLightVisible(false);
        for (sideLightButtonCustom *led : leds)
            QVERIFY(led->isHidden());
    }

    void specialEnterIsLShaped()
    {
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Breeze84W"));
        QVERIFY(frame.hasSpecialEnterKey());
        QCOMPARE(frame.getKeyButtonMap().value(40)->getEnterKeyNotch(), QPoint(10, 30));
    }

    void lightEditModeDropsDragSelectionAndCurrentKey()
    {
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        keyboardButCustom *cap = frame.getKeyButtonMap().value(4);
        cap->setDragSelected(true);
        frame.setLightEditMode(true);
        QVERIFY(!cap->isDragSelected());
    }
};

QTEST_MAIN(tst_keySelectFrame)
#include "tst_keySelectFrame.moc"
