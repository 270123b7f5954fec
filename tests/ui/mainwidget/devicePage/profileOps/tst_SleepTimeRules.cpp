#include "ui/mainwidget/devicePage/profileOps/SleepTimeRules.h"

#include <QtTest>

using SleepTimeRules::Check;
Q_DECLARE_METATYPE(SleepTimeRules::Check)

class tst_SleepTimeRules : public QObject
{
    Q_OBJECT

private slots:
    void checksInOrder_data();
    void checksInOrder();
    void keyboardSleepStoredInWholeMinutes();
};

void tst_SleepTimeRules::checksInOrder_data()
{
    QTest::addColumn<int>("light");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<Check>("check");
    QTest::addColumn<QString>("text");
    QTest::newRow("300 s accepted") << 60 << 300 << Check::Accepted << "";
    QTest::newRow("equal times accepted") << 600 << 600 << Check::Accepted << "";
    QTest::newRow("299 s too short") << 60 << 299 << Check::KeyboardTooShort
                                     << "Keyboard enters sleep time is too short";
    QTest::newRow("light longer, checked first") << 250 << 200 << Check::LightLongerThanKeyboard
                                                 << "The time when the light enters sleep cannot be longer than "
                                                    "the keyboard enters sleep";
}

void tst_SleepTimeRules::checksInOrder()
{
    QFETCH(int, light);
    QFETCH(int, keyboard);
    QFETCH(Check, check);
    QFETCH(QString, text);
    QCOMPARE(SleepTimeRules::check(light, keyboard), check);
    QCOMPARE(SleepTimeRules::refusalText(check), text);
}

void tst_SleepTimeRules::keyboardSleepStoredInWholeMinutes()
{
    QCOMPARE(SleepTimeRules::storedKeyboardMinutes(390), 6);
    QCOMPARE(SleepTimeRules::storedKeyboardMinutes(300), 5);
}

QTEST_APPLESS_MAIN(tst_SleepTimeRules)
#include "tst_SleepTimeRules.moc"
