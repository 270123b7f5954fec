#include "widgets/keySelectFrame.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/widgets/LayoutFixture.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DCustomEventTipExplain.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sideLightButtonCustom.h"

#include <QSignalSpy>
#include <QtTest>

class tst_keySelectFrame : public QObject
{
    Q_OBJECT

private:
private:
    static QList<ArrowWidget *> openTips()
    {
        QList<ArrowWidget *> tips;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *tip = qobject_cast<ArrowWidget *>(widget))
                tips << tip;
        }
        return tips;
    }

    static void hover(keyboardButCustom *cap)
    {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(cap, &enter);
    }

    static void leave(keyboardButCustom *cap)
    {
        QEvent leaveEvent(QEvent::Leave);
        QApplication::sendEvent(cap, &leaveEvent);
    }

    // The texts of the one open tip.
    static QStringList tipTexts()
    {
        const QList<ArrowWidget *> tips = openTips();
        if (tips.size() != 1 || !tips.first()->isVisible())
            return {};
        auto *content = tips.first()->findChild<DCustomEventTipExplain *>();
        return {content->nameText(), content->typeText(), content->descriptionText()};
    }

    QString m_profilePath;

private slots:
    void initTestCase()
    {
        initVorlanResources();
        // A profile in which the A key (4) is bound to the multimedia function Mute.
        m_profilePath = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/layer.xml";
        const QByteArray path = m_profilePath.toLocal8Bit();
        QVERIFY(CVorlanXML_CreateXMLFile(path.constData()));
        QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile 1", 0));
        QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(path.constData(), "1", "4", "A", "3", "1", "0", "2"));
        DDataManager::instance()->setCurrentProfileXmlPath(path.constData());
        DDataManager::instance()->setCurrentProfileIndex(1);
    }

    void cleanup()
    {
        DDataManager::instance()->setKeyCalibrationRunning(false);
        QCOMPARE(openTips().size(), 0);
    }

    void loadHandsTheKeysToTheDataManager()
    {
        DDataManager *manager = DDataManager::instance();
        {
            keySelectFrame frame;
            frame.loadKeyboardInfo(QStringLiteral("Breeze84W"));
            QCOMPARE(manager->getKeySelectFrame(), &frame);
            QCOMPARE(manager->getKeyInfoList(), frame.getKeyButtonList());
            QCOMPARE(manager->getKeyButtonMap().value(40), frame.getKeyButtonMap().value(40));
            QVERIFY(manager->isSpecialEnterKey());
            QCOMPARE(manager->getHidDeviceType(), 3);
        }
        // A destroyed frame leaves no dangling caps behind.
        QCOMPARE(manager->getKeySelectFrame(), nullptr);
        QVERIFY(manager->getKeyInfoList().isEmpty());
    }

    void clickMakesTheCurrentKey()
    {
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        QSignalSpy current(DDataManager::instance(), &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
        keyboardButCustom *a = frame.getKeyButtonMap().value(4);
        keyboardButCustom *quote = frame.getKeyButtonMap().value(52);
        a->click();
        a->click(); // the current key again: nothing new
        QCOMPARE(current.count(), 1);
        QCOMPARE(current.at(0), (QList<QVariant>{4, QStringLiteral("A")}));
        QVERIFY(a->isSelected());
        quote->click();
        QCOMPARE(current.count(), 2);
        QCOMPARE(current.at(1), (QList<QVariant>{52, QStringLiteral("' \"")}));
        QVERIFY(!a->isSelected());
        QCOMPARE(frame.getCurrentKey(), quote);
    }

    void clicksThatChangeNothing_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("remappable");
        QTest::newRow("Fn") << -10 << true;
        QTest::newRow("not remappable") << 4 << false;
    }

    void clicksThatChangeNothing()
    {
        QFETCH(int, code);
        QFETCH(bool, remappable);
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        keyboardButCustom *cap = frame.getKeyButtonMap().value(code);
        cap->setRemappable(remappable);
        QSignalSpy current(DDataManager::instance(), &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
        QSignalSpy calibration(DDataManager::instance(), &DDataManager::sigTheMagneticKeyboardCalibrationPoint);
        cap->click();
        QCOMPARE(current.count(), 0);
        QVERIFY(!cap->isSelected());

        // During a calibration the same click reports the key's matrix cell.
        DDataManager::instance()->setKeyCalibrationRunning(true);
        cap->click();
        QCOMPARE(current.count(), 0);
        QCOMPARE(calibration.count(), 1);
        QCOMPARE(calibration.at(0), (QList<QVariant>{cap->getRowIndex(), cap->getColumnIndex()}));
        QVERIFY(cap->isSelected());
    }

    void hoverTipNamesTheStoredFunction_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("remappable");
        QTest::addColumn<bool>("calibrating");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("stored function") << 4 << true << false << QStringList{"A", "Multimedia", "Mute"};
        QTest::newRow("no stored function") << 5 << true << false << QStringList{"B", "Default", "B"};
        QTest::newRow("quote key") << 52 << true << false << QStringList{"' \"", "Default", "' \""};
        QTest::newRow("not remappable") << 5 << false << false << QStringList{"B", "Default", "Cannot remapped"};
        QTest::newRow("Fn") << -10 << true << false << QStringList{"Fn", "Default", "Cannot remapped"};
        QTest::newRow("calibration never reads the profile") << 4 << true << true << QStringList{"A", "Default", "A"};
    }

    void hoverTipNamesTheStoredFunction()
    {
        QFETCH(int, code);
        QFETCH(bool, remappable);
        QFETCH(bool, calibrating);
        QFETCH(QStringList, texts);
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        frame.show();
        DDataManager::instance()->setKeyCalibrationRunning(calibrating);
        keyboardButCustom *cap = frame.getKeyButtonMap().value(code);
        cap->setRemappable(remappable);
        hover(cap);
        QCOMPARE(tipTexts(), texts);
        // Centred above the cap, its lower edge on the cap's upper edge.
        const QPoint capTop = cap->mapToGlobal(QPoint(cap->width() / 2, 0));
        QCOMPARE(openTips().first()->geometry(), QRect(capTop.x() - 130, capTop.y() - 120, 260, 120));
        leave(cap);
        QCOMPARE(openTips().size(), 0);
    }

    void secondEnterClosesTheFirstTip()
    {
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        frame.show();
        hover(frame.getKeyButtonMap().value(4));
        hover(frame.getKeyButtonMap().value(5));
        QCOMPARE(openTips().size(), 1);
        QCOMPARE(tipTexts().value(0), QStringLiteral("B"));
        frame.clearCurrentKeyAndTip();
        QCOMPARE(openTips().size(), 0);
    }

    void enteringTheTipClosesIt()
    {
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        frame.show();
        hover(frame.getKeyButtonMap().value(4));
        ArrowWidget *tip = openTips().value(0);
        QVERIFY(tip);
        emit tip->sigArrowWidgetMouseEnter();
        QTRY_COMPARE_WITH_TIMEOUT(openTips().size(), 0, 5000);
    }

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
            QTest::ignoreMessage(QtDebugMsg, "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL "
                                             "-------------------------");
            frame.loadKeyboardInfo(model);
        } else {
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not a JSON object"));
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

    void themeColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("rgb") << QStringLiteral("255,143,31") << QColor(255, 143, 31);
        QTest::newRow("alpha ignored") << QStringLiteral("1, 2, 3, 40") << QColor(1, 2, 3, 255);
        QTest::newRow("short") << QStringLiteral("9") << QColor(9, 0, 0);
    }

    void themeColor()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QCOMPARE(keySelectFrame::themeColor(text), color);
    }

    void loadedCapsShowLightAndLoseTheirMarksInLightEdit()
    {
        keySelectFrame frame;
        frame.loadKeyboardInfo(QStringLiteral("Quartz68HE"));
        keyboardButCustom *cap = frame.getKeyButtonMap().value(4);
        // The load switches the light preview on, so light colours are kept.
        cap->setLightColor(QColor(0, 0, 255));
        QCOMPARE(cap->getLightColor(), QColor(0, 0, 255));
        cap->click();
        cap->setDragSelected(true);
        frame.setLightEditMode(true);
        QVERIFY(!cap->isDragSelected());
        QVERIFY(!cap->isSelected());
        QCOMPARE(frame.getCurrentKey(), nullptr);
    }
};

QTEST_MAIN(tst_keySelectFrame)
#include "tst_keySelectFrame.moc"
