#include "ui/macro/DCatchKeyAndMouseItem.h"

#include "app/DDataManager.h"
#include "resources/VorlanResources.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_DCatchKeyAndMouseItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void iconsAndTextFollowTypeDirectionAndName_data();
    void iconsAndTextFollowTypeDirectionAndName();
    void pressEmitsOnceUnlessAButtonTakesIt_data();
    void pressEmitsOnceUnlessAButtonTakesIt();
    void deleteButtonShowsOnlyWhilePointerIsOver();
    void looksFillAndColourTheTexts();
};

void tst_DCatchKeyAndMouseItem::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DCatchKeyAndMouseItem::iconsAndTextFollowTypeDirectionAndName_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("codeName");
    QTest::addColumn<QString>("kindPicture");
    QTest::addColumn<QString>("directionPicture");
    QTest::addColumn<QString>("text");

    QTest::newRow("key down") << "key"
                              << "down"
                              << "A"
                              << "keyboardSel"
                              << "keyDownSel"
                              << "A";
    // Click texts are for mouse events only.
    QTest::newRow("key named Left") << "key"
                                    << "up"
                                    << "Left Shift"
                                    << "keyboardSel"
                                    << "keyUpDef"
                                    << "Left Shift";
    QTest::newRow("mouse left") << "mouse"
                                << "down"
                                << "Left Click"
                                << "mouseSel"
                                << "keyDownSel"
                                << "Left Click";
    QTest::newRow("mouse center") << "mouse"
                                  << "up"
                                  << "Center Click"
                                  << "mouseSel"
                                  << "keyUpDef"
                                  << "Center Click";
    QTest::newRow("mouse right") << "mouse"
                                 << "down"
                                 << "Right Click"
                                 << "mouseSel"
                                 << "keyDownSel"
                                 << "Right Click";
    // The test is case-sensitive.
    QTest::newRow("mouse lower case") << "mouse"
                                      << "down"
                                      << "left click"
                                      << "mouseSel"
                                      << "keyDownSel"
                                      << "";
    // Contains "mouse" for the text, but is not exactly "mouse" for the icons: the form's
    // release icon stays.
    QTest::newRow("type containing mouse") << "mouseX"
                                           << "down"
                                           << "Right"
                                           << "timeSel"
                                           << "keyUpDef"
                                           << "Right Click";
    QTest::newRow("other type") << "delay"
                                << "down"
                                << "Wait"
                                << "timeSel"
                                << "keyUpDef"
                                << "Wait";
}

void tst_DCatchKeyAndMouseItem::iconsAndTextFollowTypeDirectionAndName()
{
    QFETCH(QString, type);
    QFETCH(QString, direction);
    QFETCH(QString, codeName);
    QFETCH(QString, kindPicture);
    QFETCH(QString, directionPicture);
    QFETCH(QString, text);

    DCatchKeyAndMouseItem row("3");
    row.setData(120, type, 4, codeName, direction);
    QVERIFY(row.findChild<QPushButton *>("pushButton_EventSelect")
                ->styleSheet()
                .contains(QString(":/images/macro/%1.png").arg(kindPicture)));
    QVERIFY(row.findChild<QPushButton *>("pushButton_EventStatus")
                ->styleSheet()
                .contains(QString(":/images/macro/%1.png").arg(directionPicture)));
    QCOMPARE(row.findChild<QLabel *>("label_CatchEventExplain")->text(), text);
    auto *delay = row.findChild<QLabel *>("label_DelayTime");
    QCOMPARE(delay->text(), QString("120 MS"));
    QVERIFY(delay->alignment() & Qt::AlignRight);
    QCOMPARE(row.mark(), QString("3"));
    QCOMPARE(row.codeName(), codeName);
    QCOMPARE(row.height(), 46);
}

void tst_DCatchKeyAndMouseItem::pressEmitsOnceUnlessAButtonTakesIt_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("deletes");

    QTest::newRow("left on the text") << "label_CatchEventExplain" << int(Qt::LeftButton) << 1 << 0;
    QTest::newRow("right on the text") << "label_CatchEventExplain" << int(Qt::RightButton) << 1 << 0;
    QTest::newRow("middle on the delay") << "label_DelayTime" << int(Qt::MiddleButton) << 1 << 0;
    QTest::newRow("left on the kind icon") << "pushButton_EventSelect" << int(Qt::LeftButton) << 0 << 0;
    QTest::newRow("right on the kind icon") << "pushButton_EventSelect" << int(Qt::RightButton) << 1 << 0;
    QTest::newRow("left on the direction icon") << "pushButton_EventStatus" << int(Qt::LeftButton) << 0 << 0;
    QTest::newRow("left on delete") << "pushButton_Delete" << int(Qt::LeftButton) << 0 << 1;
    QTest::newRow("right on delete") << "pushButton_Delete" << int(Qt::RightButton) << 1 << 0;
}

void tst_DCatchKeyAndMouseItem::pressEmitsOnceUnlessAButtonTakesIt()
{
    QFETCH(QString, place);
    QFETCH(int, button);
    QFETCH(int, clicks);
    QFETCH(int, deletes);

    DCatchKeyAndMouseItem row("7");
    row.setData(120, "key", 4, "A", "down");
    row.resize(400, 46);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&row, &enter);

    QSignalSpy clicked(&row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
    QSignalSpy deleted(&row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent);
    auto *target = row.findChild<QWidget *>(place);
    QVERIFY(target && target->isVisible());
    QTest::mouseClick(target, Qt::MouseButton(button));
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(deleted.size(), deletes);
    if (clicks)
        QCOMPARE(clicked.first(), QVariantList({"120", "key", "4", "A", "down"}));
}

void tst_DCatchKeyAndMouseItem::deleteButtonShowsOnlyWhilePointerIsOver()
{
    DCatchKeyAndMouseItem row("1");
    row.show();
    auto *remove = row.findChild<QPushButton *>("pushButton_Delete");
    QVERIFY(!remove->isVisible());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&row, &enter);
    QVERIFY(remove->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&row, &leave);
    QVERIFY(!remove->isVisible());
    QVERIFY(!row.findChild<QLabel *>("label_MarkNum")->isVisible());
}

void tst_DCatchKeyAndMouseItem::looksFillAndColourTheTexts()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    DCatchKeyAndMouseItem row("1");
    auto *frame = row.findChild<QFrame *>("frame");
    auto *text = row.findChild<QLabel *>("label_CatchEventExplain");
    const QString fill = QString("background-color: rgb(%1)").arg(theme.MacroListItemSelectedColor);
    const QString plain = QString("background-color: rgb(%1)").arg(theme.MacroCenterBgColor);
    const QString accent = QString("color: rgb(%1)").arg(theme.TextCheckedColor);
    const QString normal = QString("color: rgb(%1)").arg(theme.MacroListItemTextColor);

    QVERIFY(frame->styleSheet().contains(plain));
    row.setHighlighted(true);
    QVERIFY(frame->styleSheet().contains(fill));
    QVERIFY(text->styleSheet().contains(normal));
    row.setSelected(true);
    QVERIFY(frame->styleSheet().contains(fill));
    QVERIFY(text->styleSheet().contains(accent));
    row.setSelected(false);
    QVERIFY(frame->styleSheet().contains(plain));
    QVERIFY(text->styleSheet().contains(normal));
}

QTEST_MAIN(tst_DCatchKeyAndMouseItem)
#include "tst_DCatchKeyAndMouseItem.moc"
