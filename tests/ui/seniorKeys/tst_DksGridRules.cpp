#include "ui/seniorKeys/DksGridRules.h"

#include <QtTest>

using DksGridRules::Row;

Q_DECLARE_METATYPE(Row)

namespace {

Row row(int s0, int s1, int s2, int s3)
{
    return Row{s0, s1, s2, s3};
}

QString text(const Row &r)
{
    return QStringLiteral("%1 %2 %3 %4").arg(r[0]).arg(r[1]).arg(r[2]).arg(r[3]);
}

} // namespace

// The DKS grid's edit rules without a widget: bar removal by click and the cells a drag sets.
class tst_DksGridRules : public QObject
{
    Q_OBJECT

private slots:
    void barClickRemovesTheBar_data();
    void barClickRemovesTheBar();
    void dragSetsCellsByLength_data();
    void dragSetsCellsByLength();
    void dragFromLastUsableColumnStaysInTheRow();
    void freeCellsStopAtTheNextPoint_data();
    void freeCellsStopAtTheNextPoint();
};

void tst_DksGridRules::barClickRemovesTheBar_data()
{
    QTest::addColumn<Row>("before");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<Row>("after");

    // One row per line of the table, with the last cell carried through.
    QTest::newRow("222 c0") << row(2, 2, 2, 1) << 0 << true << row(0, 0, 0, 1);
    QTest::newRow("222 c1") << row(2, 2, 2, 1) << 1 << true << row(0, 0, 0, 1);
    QTest::newRow("222 c2") << row(2, 2, 2, 0) << 2 << true << row(0, 0, 0, 0);
    QTest::newRow("223 c0") << row(2, 2, 3, 1) << 0 << true << row(0, 0, 2, 1);
    QTest::newRow("223 c1") << row(2, 2, 3, 1) << 1 << true << row(0, 0, 2, 1);
    QTest::newRow("223 c2") << row(2, 2, 3, 1) << 2 << true << row(2, 2, 0, 1);
    QTest::newRow("232 c0") << row(2, 3, 2, 1) << 0 << true << row(0, 2, 2, 1);
    QTest::newRow("232 c1") << row(2, 3, 2, 1) << 1 << true << row(2, 0, 0, 1);
    QTest::newRow("232 c2") << row(2, 3, 2, 1) << 2 << true << row(2, 0, 0, 1);
    QTest::newRow("233 c0") << row(2, 3, 3, 1) << 0 << true << row(0, 2, 3, 1);
    QTest::newRow("233 c1") << row(2, 3, 3, 1) << 1 << true << row(2, 0, 2, 1);
    QTest::newRow("233 c2") << row(2, 3, 3, 1) << 2 << true << row(2, 3, 0, 1);
    QTest::newRow("22x c0") << row(2, 2, 1, 0) << 0 << true << row(0, 0, 1, 0);
    QTest::newRow("22x c1") << row(2, 2, 0, 1) << 1 << true << row(0, 0, 0, 1);
    QTest::newRow("x32 c1") << row(1, 3, 2, 1) << 1 << true << row(1, 0, 0, 1);
    QTest::newRow("x32 c2") << row(0, 3, 2, 0) << 2 << true << row(0, 0, 0, 0);
    QTest::newRow("x22 c2") << row(1, 2, 2, 1) << 2 << true << row(1, 0, 0, 1);
    QTest::newRow("other c0, following 3 joins") << row(2, 3, 0, 1) << 0 << true << row(0, 2, 0, 1);
    QTest::newRow("other c0") << row(2, 0, 2, 1) << 0 << true << row(0, 0, 2, 1);
    QTest::newRow("other c1, following 3 joins") << row(1, 2, 3, 1) << 1 << true << row(1, 0, 2, 1);
    QTest::newRow("other c1") << row(2, 3, 0, 1) << 1 << true << row(2, 0, 0, 1);
    QTest::newRow("other c2") << row(1, 2, 3, 0) << 2 << true << row(1, 2, 0, 0);
    QTest::newRow("other c2 alone") << row(0, 0, 2, 1) << 2 << true << row(0, 0, 0, 1);

    // Clicks the table has no line for change nothing.
    QTest::newRow("3 in the first column") << row(3, 0, 0, 1) << 0 << false << row(3, 0, 0, 1);
    QTest::newRow("segment in the last column") << row(2, 2, 2, 2) << 3 << false << row(2, 2, 2, 2);
    QTest::newRow("clicked cell is no segment") << row(0, 2, 2, 0) << 0 << false << row(0, 2, 2, 0);
}

void tst_DksGridRules::barClickRemovesTheBar()
{
    QFETCH(Row, before);
    QFETCH(int, column);
    QFETCH(bool, changed);
    QFETCH(Row, after);
    Row result;
    QCOMPARE(DksGridRules::removeClickedBar(column, before, &result), changed);
    QCOMPARE(text(result), text(after));
}

void tst_DksGridRules::dragSetsCellsByLength_data()
{
    // Column width 100: h = 55, the windows are 55..100, 155..200 and beyond 255.
    QTest::addColumn<int>("column");
    QTest::addColumn<Row>("before");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<Row>("after");
    QTest::addColumn<bool>("commit");

    QTest::newRow("onto a point, full length")
        << 0 << row(1, 0, 1, 1) << QList<int>{20, 60, 170, 200} << row(2, 2, 1, 1) << true;
    QTest::newRow("onto a point, shortened past W + h")
        << 0 << row(1, 0, 1, 1) << QList<int>{20, 60, 170, 200, 180} << row(2, 2, 0, 1) << true;
    QTest::newRow("window jumped over") << 0 << row(1, 0, 0, 0) << QList<int>{170} << row(1, 2, 0, 0) << true;
    QTest::newRow("three segments") << 0 << row(1, 0, 0, 0) << QList<int>{60, 170, 260} << row(2, 2, 2, 0) << true;
    QTest::newRow("meets a bar, which starts anew")
        << 0 << row(1, 2, 0, 0) << QList<int>{60} << row(2, 3, 0, 0) << true;
    QTest::newRow("second window meets a bar")
        << 0 << row(1, 0, 2, 0) << QList<int>{60, 170} << row(2, 2, 3, 0) << true;
    QTest::newRow("c1 twice in one window") << 1 << row(0, 1, 2, 0) << QList<int>{60, 80} << row(0, 2, 3, 0) << true;
    QTest::newRow("c1 once in the window") << 1 << row(0, 1, 2, 0) << QList<int>{60} << row(0, 3, 3, 0) << true;
    QTest::newRow("c1 free") << 1 << row(0, 1, 0, 0) << QList<int>{60, 170} << row(0, 2, 2, 0) << true;
    QTest::newRow("c1 after a bar") << 1 << row(2, 1, 0, 0) << QList<int>{60} << row(2, 3, 0, 0) << true;
    QTest::newRow("c2 after a bar") << 2 << row(0, 2, 1, 0) << QList<int>{60} << row(0, 2, 3, 0) << true;
    QTest::newRow("c2 free") << 2 << row(0, 0, 1, 0) << QList<int>{60} << row(0, 0, 2, 0) << true;
    QTest::newRow("shrunk below h") << 0 << row(1, 0, 0, 0) << QList<int>{60, 40} << row(1, 0, 0, 0) << true;
    QTest::newRow("shrunk into the first window")
        << 0 << row(1, 0, 0, 0) << QList<int>{60, 170, 120} << row(2, 0, 0, 0) << true;
    QTest::newRow("grown past 10 px, no cell") << 0 << row(1, 0, 0, 0) << QList<int>{20} << row(1, 0, 0, 0) << true;
    QTest::newRow("shrunk to exactly h") << 0 << row(1, 0, 0, 0) << QList<int>{60, 55} << row(2, 0, 0, 0) << true;
    QTest::newRow("within 10 px") << 0 << row(1, 0, 0, 0) << QList<int>{6, 10} << row(1, 0, 0, 0) << false;
    QTest::newRow("same length") << 0 << row(1, 0, 0, 0) << QList<int>{0} << row(1, 0, 0, 0) << false;
}

void tst_DksGridRules::dragSetsCellsByLength()
{
    QFETCH(int, column);
    QFETCH(Row, before);
    QFETCH(QList<int>, lengths);
    QFETCH(Row, after);
    QFETCH(bool, commit);
    Row work = before;
    bool changed = false;
    int last = 0;
    for (int length : lengths) {
        changed = DksGridRules::updateDragCells(column, 100, &work, last, length) || changed;
        last = length;
    }
    QCOMPARE(text(work), text(after));
    QCOMPARE(changed, commit);
}

// The shrink rules name cells two columns on; from column 2 there is none to write.
void tst_DksGridRules::dragFromLastUsableColumnStaysInTheRow()
{
    struct Guarded
    {
        Row work;
        int fence;
    } guarded{row(0, 0, 2, 0), 7};
    QVERIFY(DksGridRules::updateDragCells(2, 100, &guarded.work, 250, 200));
    QCOMPARE(text(guarded.work), text(row(0, 0, 2, 0)));
    QCOMPARE(guarded.fence, 7);
}

void tst_DksGridRules::freeCellsStopAtTheNextPoint_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Row>("states");
    QTest::addColumn<int>("free");
    QTest::newRow("point two on") << 0 << row(1, 0, 1, 0) << 2;
    QTest::newRow("open row") << 0 << row(1, 0, 0, 0) << 4;
    QTest::newRow("bar next") << 1 << row(0, 1, 2, 0) << 1;
    QTest::newRow("last but one") << 2 << row(0, 0, 1, 0) << 2;
    QTest::newRow("last") << 3 << row(0, 0, 0, 1) << 1;
}

void tst_DksGridRules::freeCellsStopAtTheNextPoint()
{
    QFETCH(int, column);
    QFETCH(Row, states);
    QFETCH(int, free);
    QCOMPARE(DksGridRules::freeCellsRightOf(column, states), free);
}

QTEST_APPLESS_MAIN(tst_DksGridRules)
#include "tst_DksGridRules.moc"
