#include "ui/mainwidget/MainWindowRules.h"
#include "ui/mainwidget/WindowEdge.h"

#include <QtTest>

class tst_MainWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void minimumSizeFollowsScreen_data();
    void minimumSizeFollowsScreen();
    void deviceListHandlePlacement_data();
    void deviceListHandlePlacement();
    void placeholderNamesCollapseList_data();
    void placeholderNamesCollapseList();
    void themeNames_data();
    void themeNames();
    void screensAreCentredOnWindow();
    void edgeBand_data();
    void edgeBand();
    void edgeCursors();
    void resizeKeepsMinimumAndOppositeEdge_data();
    void resizeKeepsMinimumAndOppositeEdge();
};

void tst_MainWindowRules::minimumSizeFollowsScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("full HD") << QSize(1920, 1080) << QSize(1280, 715);
    QTest::newRow("smaller") << QSize(1366, 728) << QSize(1280, 715);
    QTest::newRow("one wider") << QSize(1921, 1080) << QSize(1450, 810);
    QTest::newRow("one taller") << QSize(1920, 1081) << QSize(1450, 810);
    QTest::newRow("4K") << QSize(3840, 2100) << QSize(1450, 810);
}

void tst_MainWindowRules::minimumSizeFollowsScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, minimum);
    QCOMPARE(MainWindowRules::minimumSizeForScreen(screen), minimum);
}

void tst_MainWindowRules::deviceListHandlePlacement_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("contentHeight");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("shown, minimum window") << true << 715 << QRect(233, 207, 10, 100);
    QTest::newRow("collapsed, minimum window") << false << 715 << QRect(5, 207, 10, 100);
    QTest::newRow("collapsed, larger window") << false << 900 << QRect(5, 300, 10, 100);
    // Integer arithmetic: (301 - 300) / 2 is 0.
    QTest::newRow("odd height") << true << 301 << QRect(233, 0, 10, 100);
}

void tst_MainWindowRules::deviceListHandlePlacement()
{
    QFETCH(bool, shown);
    QFETCH(int, contentHeight);
    QFETCH(QRect, geometry);
    QCOMPARE(MainWindowRules::deviceListHandleGeometry(shown, contentHeight), geometry);
}

void tst_MainWindowRules::placeholderNamesCollapseList_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("like");
    QTest::addColumn<bool>("shown");
    QTest::newRow("placeholder") << "HID"
                                 << "RGB" << false;
    QTest::newRow("keyboard") << "Aster"
                              << "104" << true;
    QTest::newRow("only product matches") << "HID"
                                          << "104" << true;
    QTest::newRow("case differs") << "hid"
                                  << "rgb" << true;
}

void tst_MainWindowRules::placeholderNamesCollapseList()
{
    QFETCH(QString, product);
    QFETCH(QString, like);
    QFETCH(bool, shown);
    QCOMPARE(MainWindowRules::deviceListShownForNames(product, like), shown);
}

void tst_MainWindowRules::themeNames_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "Black";
    QTest::newRow("1") << 1 << "Light";
    QTest::newRow("2") << 2 << "Blue";
    QTest::newRow("3") << 3 << "Pink";
    QTest::newRow("4") << 4 << "Other";
    QTest::newRow("5") << 5 << "";
    QTest::newRow("-1") << -1 << "";
}

void tst_MainWindowRules::themeNames()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(MainWindowRules::themeNameForIndex(index), name);
}

void tst_MainWindowRules::screensAreCentredOnWindow()
{
    QCOMPARE(MainWindowRules::centredOn(QPoint(100, 50), QSize(1280, 715), QSize(640, 460)), QPoint(420, 177));
    // A screen larger than the window reaches past its top-left corner.
    QCOMPARE(MainWindowRules::centredOn(QPoint(0, 0), QSize(100, 100), QSize(201, 101)), QPoint(-50, 0));
}

void tst_MainWindowRules::edgeBand_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("edge");
    // Window pixels (100, 200) to (1379, 914).
    QTest::newRow("top-left pixel") << QPoint(100, 200) << int(LEFTTOP);
    QTest::newRow("4 in, 4 down") << QPoint(104, 204) << int(LEFTTOP);
    QTest::newRow("5 in along the top") << QPoint(105, 202) << int(UP);
    QTest::newRow("5 down along the left") << QPoint(102, 205) << int(LEFT);
    QTest::newRow("left and bottom") << QPoint(103, 912) << int(LEFTBOTTOM);
    QTest::newRow("right and bottom") << QPoint(1379, 914) << int(RIGHTBOTTOM);
    QTest::newRow("right and top") << QPoint(1375, 204) << int(RIGHTTOP);
    QTest::newRow("right") << QPoint(1376, 500) << int(RIGHT);
    QTest::newRow("bottom") << QPoint(700, 910) << int(DOWN);
    QTest::newRow("5 above the bottom") << QPoint(700, 909) << int(NONE);
    QTest::newRow("middle") << QPoint(700, 500) << int(NONE);
    QTest::newRow("outside") << QPoint(99, 500) << int(NONE);
}

void tst_MainWindowRules::edgeBand()
{
    QFETCH(QPoint, point);
    QFETCH(int, edge);
    const QRect window(QPoint(100, 200), QPoint(1379, 914));
    QCOMPARE(int(windowEdgeAt(window, point)), edge);
}

void tst_MainWindowRules::edgeCursors()
{
    const QList<Qt::CursorShape> shapes{Qt::SizeVerCursor,   Qt::SizeVerCursor,   Qt::SizeHorCursor,
                                        Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeBDiagCursor,
                                        Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::ArrowCursor};
    for (int edge = UP; edge <= NONE; ++edge)
        QCOMPARE(cursorForEdge(WindowEdge(edge)), shapes[edge]);
}

void tst_MainWindowRules::resizeKeepsMinimumAndOppositeEdge_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QRect>("result");
    // Window pixels (100, 200) to (1379, 914): 1280 x 715, minimum 1000 x 600.
    QTest::newRow("top up") << int(UP) << QPoint(500, 150) << QRect(QPoint(100, 150), QPoint(1379, 914));
    QTest::newRow("top down, room left") << int(UP) << QPoint(500, 300) << QRect(QPoint(100, 300), QPoint(1379, 914));
    QTest::newRow("top down to the minimum")
        << int(UP) << QPoint(500, 314) << QRect(QPoint(100, 200), QPoint(1379, 914));
    QTest::newRow("left to the minimum") << int(LEFT) << QPoint(379, 500) << QRect(QPoint(100, 200), QPoint(1379, 914));
    QTest::newRow("left in") << int(LEFT) << QPoint(378, 500) << QRect(QPoint(378, 200), QPoint(1379, 914));
    QTest::newRow("bottom") << int(DOWN) << QPoint(0, 1000) << QRect(100, 200, 1280, 800);
    QTest::newRow("right") << int(RIGHT) << QPoint(1500, 0) << QRect(100, 200, 1400, 715);
    QTest::newRow("right-bottom") << int(RIGHTBOTTOM) << QPoint(1500, 1000) << QRect(100, 200, 1400, 800);
    QTest::newRow("left-bottom") << int(LEFTBOTTOM) << QPoint(50, 1000) << QRect(QPoint(50, 200), QPoint(1379, 999));
    QTest::newRow("left-top") << int(LEFTTOP) << QPoint(50, 150) << QRect(QPoint(50, 150), QPoint(1379, 914));
    QTest::newRow("right-top") << int(RIGHTTOP) << QPoint(1500, 150) << QRect(QPoint(100, 150), QPoint(1499, 914));
    QTest::newRow("none") << int(NONE) << QPoint(0, 0) << QRect(QPoint(100, 200), QPoint(1379, 914));
}

void tst_MainWindowRules::resizeKeepsMinimumAndOppositeEdge()
{
    QFETCH(int, edge);
    QFETCH(QPoint, point);
    QFETCH(QRect, result);
    const QRect window(QPoint(100, 200), QPoint(1379, 914));
    QCOMPARE(resizedByEdge(window, WindowEdge(edge), point, QSize(1000, 600)), result);
}

QTEST_APPLESS_MAIN(tst_MainWindowRules)
#include "tst_MainWindowRules.moc"
