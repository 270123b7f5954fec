#include "ui/mainwidget/devicePage/keyFunctions/HookKeyRules.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyCombinationBuilder.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyFunctionTable.h"

#include <QtTest>

// The tab's routing of stored types, the hook's key translation and the combination rules.
class tst_KeyFunctionRules : public QObject
{
    Q_OBJECT

private slots:
    void storedTypeOpensItsPage_data();
    void storedTypeOpensItsPage();
    void everyFunctionHasItsButtonAndPage();
    void hookedKeyBecomesLayoutKey_data();
    void hookedKeyBecomesLayoutKey();
    void combinationPicks_data();
    void combinationPicks();
    void storedCombinationIsShownInBitOrder_data();
    void storedCombinationIsShownInBitOrder();
};

void tst_KeyFunctionRules::storedTypeOpensItsPage_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("buttonId");
    const QList<QPair<int, int>> rows{{0, 2},   {1, 1},   {2, 7},   {3, 6},   {4, 3},   {5, 5},   {6, 4},
                                      {7, 10},  {8, 8},   {9, 9},   {19, 19}, {20, 20}, {25, 20}, {27, 20},
                                      {30, 30}, {34, 30}, {40, 40}, {10, -1}, {12, -1}, {18, -1}, {28, -1},
                                      {29, -1}, {35, -1}, {39, -1}, {41, -1}, {-1, -1}, {-5, -1}};
    for (const auto &row : rows)
        QTest::addRow("type %d", row.first) << row.first << row.second;
}

void tst_KeyFunctionRules::storedTypeOpensItsPage()
{
    QFETCH(int, type);
    QFETCH(int, buttonId);
    QCOMPARE(KeyFunctionTable::buttonForStoredType(type), buttonId);
}

void tst_KeyFunctionRules::everyFunctionHasItsButtonAndPage()
{
    const QVector<KeyFunction> &functions = KeyFunctionTable::functions();
    QCOMPARE(functions.size(), 15);
    QSet<int> ids;
    for (const KeyFunction &function : functions) {
        ids.insert(function.buttonId);
        QCOMPARE(KeyFunctionTable::byButtonId(function.buttonId), &function);
        // A stored type opens the button whose function stores it.
        if (function.functionCode != 10 && function.functionCode >= 2)
            QCOMPARE(KeyFunctionTable::buttonForStoredType(function.functionCode), function.buttonId);
    }
    QCOMPARE(ids.size(), 15);
    QCOMPARE(KeyFunctionTable::byButtonId(11), nullptr);
    QCOMPARE(KeyFunctionTable::buttonForStoredType(0), 2);
    QCOMPARE(KeyFunctionTable::buttonForStoredType(1), 1);
}

void tst_KeyFunctionRules::hookedKeyBecomesLayoutKey_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("hookFlag");
    QTest::addColumn<int>("virtualKey");
    QTest::newRow("release") << 65 << 0 << 0 << -1;
    QTest::newRow("release flags") << 65 << 1 << 128 << -1;
    QTest::newRow("extended release flags") << 65 << 1 << 129 << -1;
    QTest::newRow("letter") << 65 << 1 << 0 << 65;
    QTest::newRow("main Enter") << 13 << 1 << 0 << 999;
    QTest::newRow("keypad Enter") << 13 << 1 << 1 << 998;
    QTest::newRow("Enter with Alt") << 13 << 1 << 32 << 13;
    QTest::newRow("keypad Home without Num Lock") << 36 << 1 << 0 << 103;
    QTest::newRow("keypad Home with Alt") << 36 << 1 << 32 << 103;
    QTest::newRow("Home key") << 36 << 1 << 1 << 36;
    QTest::newRow("keypad Clear") << 12 << 1 << 0 << 101;
    QTest::newRow("keypad Page Up") << 33 << 1 << 0 << 105;
    QTest::newRow("keypad Page Down") << 34 << 1 << 0 << 99;
    QTest::newRow("keypad End") << 35 << 1 << 0 << 97;
    QTest::newRow("keypad Left") << 37 << 1 << 0 << 100;
    QTest::newRow("keypad Up") << 38 << 1 << 0 << 104;
    QTest::newRow("keypad Right") << 39 << 1 << 0 << 102;
    QTest::newRow("keypad Down") << 40 << 1 << 0 << 98;
    QTest::newRow("keypad Insert") << 45 << 1 << 0 << 96;
    QTest::newRow("keypad Delete") << 46 << 1 << 0 << 110;
    QTest::newRow("Delete key") << 46 << 1 << 1 << 46;
    QTest::newRow("Down arrow") << 40 << 1 << 1 << 40;
}

void tst_KeyFunctionRules::hookedKeyBecomesLayoutKey()
{
    QFETCH(int, keyCode);
    QFETCH(int, flag);
    QFETCH(int, hookFlag);
    QFETCH(int, virtualKey);
    QCOMPARE(HookKeyRules::capturedVirtualKey(keyCode, flag, hookFlag), virtualKey);
}

using Pick = KeyCombinationBuilder::Pick;
Q_DECLARE_METATYPE(QVector<Pick>)

void tst_KeyFunctionRules::combinationPicks_data()
{
    QTest::addColumn<QVector<int>>("keys");
    QTest::addColumn<QVector<Pick>>("picks");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("value");
    QTest::newRow("L_CTRL L_SHIFT A") << QVector<int>{224, 225, 4}
                                      << QVector<Pick>{Pick::ModifierAdded, Pick::ModifierAdded, Pick::Completed}
                                      << "L_CTRL+L_SHIFT+A"
                                      << "3,4";
    QTest::newRow("ordinary key first") << QVector<int>{4} << QVector<Pick>{Pick::Refused} << ""
                                        << "";
    QTest::newRow("third modifier refused")
        << QVector<int>{224, 230, 225, 4}
        << QVector<Pick>{Pick::ModifierAdded, Pick::ModifierAdded, Pick::TooManyModifiers, Pick::Completed}
        << "L_CTRL+R_ALT+A"
        << "65,4";
    QTest::newRow("modifier twice") << QVector<int>{224, 224, 4}
                                    << QVector<Pick>{Pick::ModifierAdded, Pick::ModifierAdded, Pick::Completed}
                                    << "L_CTRL+A"
                                    << "1,4";
    QTest::newRow("R_WIN F1") << QVector<int>{231, 58} << QVector<Pick>{Pick::ModifierAdded, Pick::Completed}
                              << "R_WIN+F1"
                              << "128,58";
    QTest::newRow("unknown key drops") << QVector<int>{224, 300} << QVector<Pick>{Pick::ModifierAdded, Pick::Dropped}
                                       << "L_CTRL"
                                       << "";
    QTest::newRow("new combination after a dropped one")
        << QVector<int>{224, 300, 229, 5}
        << QVector<Pick>{Pick::ModifierAdded, Pick::Dropped, Pick::ModifierAdded, Pick::Completed} << "R_SHIFT+B"
        << "32,5";
    QTest::newRow("two in a row") << QVector<int>{224, 4, 226, 5}
                                  << QVector<Pick>{Pick::ModifierAdded, Pick::Completed, Pick::ModifierAdded,
                                                   Pick::Completed}
                                  << "L_ALT+B"
                                  << "4,5";
}

void tst_KeyFunctionRules::combinationPicks()
{
    QFETCH(QVector<int>, keys);
    QFETCH(QVector<Pick>, picks);
    QFETCH(QString, shown);
    QFETCH(QString, value);
    const QMap<int, QString> names{{4, "A"}, {5, "B"}, {58, "F1"}, {224, "Ctrl"}, {230, "Alt"}};
    KeyCombinationBuilder builder;
    QString lastCompleted;
    for (int index = 0; index < keys.size(); ++index) {
        QCOMPARE(builder.pick(keys[index], names), picks[index]);
        if (picks[index] == Pick::Completed) {
            lastCompleted = builder.value();
            builder.clearStored();
        }
    }
    QCOMPARE(builder.shownText(), shown);
    QCOMPARE(lastCompleted, value);
}

void tst_KeyFunctionRules::storedCombinationIsShownInBitOrder_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3,4") << "3,4"
                         << "L_CTRL+L_SHIFT+A";
    QTest::newRow("5,30") << "5,30"
                          << "L_CTRL+L_ALT+1";
    QTest::newRow("picked out of order") << "65,4"
                                         << "L_CTRL+R_ALT+A";
    QTest::newRow("all modifiers") << "255,4"
                                   << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+A";
    QTest::newRow("bits above 7 ignored") << "257,4"
                                          << "L_CTRL+A";
    QTest::newRow("unknown key") << "1,999"
                                 << "L_CTRL";
    QTest::newRow("no comma") << "2"
                              << "L_SHIFT";
    QTest::newRow("not numbers") << "x,y"
                                 << "";
}

void tst_KeyFunctionRules::storedCombinationIsShownInBitOrder()
{
    QFETCH(QString, value);
    QFETCH(QString, shown);
    const QMap<int, QString> names{{4, "A"}, {30, "1"}};
    QCOMPARE(KeyCombinationBuilder::describe(value, names), shown);
}

QTEST_APPLESS_MAIN(tst_KeyFunctionRules)
#include "tst_KeyFunctionRules.moc"
