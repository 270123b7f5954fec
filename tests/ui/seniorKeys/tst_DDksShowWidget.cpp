#include "app/DDataManager.h"
#include "ui/seniorKeys/DDksShowWidget.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>

namespace {

// Grid of 400 x 200: column width 100, row height 50; nodes at x 20, 120, 220, 320 and
// y 15, 65, 115, 165.
const int kWidth = 400;
const int kHeight = 200;

QPoint node(int column, int row)
{
    return QPoint(20 + 100 * column, 15 + 50 * row);
}

SeniorKeyInfoStu withRows(std::initializer_list<std::array<int, 4>> rows)
{
    SeniorKeyInfoStu info;
    std::memset(&info, 0, sizeof(info));
    info.id = 1;
    info.type = 1;
    int r = 0;
    for (const auto &states : rows) {
        for (int c = 0; c < 4; ++c)
            info.dks[4 * r + c] = states[c];
        ++r;
    }
    return info;
}

QString rowText(const SeniorKeyInfoStu &info, int row)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(info.dks[4 * row])
        .arg(info.dks[4 * row + 1])
        .arg(info.dks[4 * row + 2])
        .arg(info.dks[4 * row + 3]);
}

const char *const kDragStartLog = "---------------------------------------------------------";

} // namespace

// The DKS grid driven by mouse events on an offscreen grid of known size.
class tst_DDksShowWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void handleArmsOnlyInItsBand_data();
    void handleArmsOnlyInItsBand();
    void clickTogglesAtPressAndTwiceForDoubleClick();
    void pressOnArmedHandleTogglesNothing();
    void dragFromFirstColumnCommitsOnceOnRelease();
    void dragBackLeftKeepsWhatWasReached();
    void barClickRemovesTheBarOnRelease();
    void pendingBarRemovalStaysWithItsRow();
    void paintsTheCommittedCells();
    void gridWithoutColumnWidthTakesNoDrag_data();
    void gridWithoutColumnWidthTakesNoDrag();

private:
    void send(QEvent::Type type, const QPoint &pos, Qt::MouseButton button = Qt::NoButton);
    void showGrid(const SeniorKeyInfoStu &info);

    DDksShowWidget *m_grid = nullptr;
    Qt::MouseButtons m_buttons;
};

void tst_DDksShowWidget::init()
{
    m_grid = new DDksShowWidget;
    m_grid->resize(kWidth + 20, kHeight + 20);
    m_buttons = Qt::NoButton;
}

void tst_DDksShowWidget::cleanup()
{
    delete m_grid;
    m_grid = nullptr;
}

void tst_DDksShowWidget::showGrid(const SeniorKeyInfoStu &info)
{
    m_grid->resizeGrid(kWidth, kHeight);
    m_grid->setSeniorKeyInfo(info);
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
}

void tst_DDksShowWidget::send(QEvent::Type type, const QPoint &pos, Qt::MouseButton button)
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        m_buttons |= button;
    else if (type == QEvent::MouseButtonRelease)
        m_buttons &= ~button;
    QMouseEvent event(type, pos, m_grid->mapToGlobal(pos), button, m_buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(m_grid, &event);
}

void tst_DDksShowWidget::handleArmsOnlyInItsBand_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("armed");
    QTest::newRow("x + 4") << 0 << 4 << false;
    QTest::newRow("x + 5") << 0 << 5 << true;
    QTest::newRow("x + 6") << 0 << 6 << true;
    QTest::newRow("x + 7") << 0 << 7 << true;
    QTest::newRow("x + 8") << 0 << 8 << false;
    QTest::newRow("left of the node") << 0 << -6 << false;
    QTest::newRow("point in the last column") << 3 << 6 << false;
    QTest::newRow("empty node") << 1 << 6 << false;
}

void tst_DDksShowWidget::handleArmsOnlyInItsBand()
{
    QFETCH(int, column);
    QFETCH(int, offset);
    QFETCH(bool, armed);
    showGrid(withRows({{1, 0, 0, 1}}));
    send(QEvent::MouseMove, node(column, 0) + QPoint(offset, 3));
    QCOMPARE(m_grid->cursor().shape(), armed ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void tst_DDksShowWidget::clickTogglesAtPressAndTwiceForDoubleClick()
{
    showGrid(withRows({{}, {}, {0, 0, 0, 0}}));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint point = node(1, 2);

    send(QEvent::MouseMove, point);
    send(QEvent::MouseButtonPress, point, Qt::LeftButton);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 2), QStringLiteral("0 1 0 0"));
    send(QEvent::MouseButtonRelease, point, Qt::LeftButton);
    QCOMPARE(committed.size(), 1);

    // The second click of a double click arrives as a double-click event.
    send(QEvent::MouseMove, point + QPoint(1, 0));
    send(QEvent::MouseButtonDblClick, point, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, point, Qt::LeftButton);
    QCOMPARE(committed.size(), 2);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 2), QStringLiteral("0 0 0 0"));
}

void tst_DDksShowWidget::pressOnArmedHandleTogglesNothing()
{
    showGrid(withRows({{1, 0, 0, 0}}));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint handle = node(0, 0) + QPoint(6, 0);
    send(QEvent::MouseMove, handle);
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, handle, Qt::LeftButton);
    QCOMPARE(committed.size(), 0);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 0), QStringLiteral("1 0 0 0"));
}

void tst_DDksShowWidget::dragFromFirstColumnCommitsOnceOnRelease()
{
    showGrid(withRows({{0, 0, 0, 0}, {1, 0, 0, 0}}));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    QSignalSpy moves(m_grid, &DDksShowWidget::sigDksPageMouseMovePointXY);
    const QPoint handle = node(0, 1) + QPoint(6, 0);
    send(QEvent::MouseMove, handle);
    QCOMPARE(m_grid->cursor().shape(), Qt::SizeHorCursor);
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton);

    QTest::ignoreMessage(QtDebugMsg, kDragStartLog);
    // Bar lengths 46, 86 (first segment), 176 (second), 286 (third) and the drag past the end.
    for (int x : {60, 100, 190, 300, 390})
        send(QEvent::MouseMove, QPoint(x, 66));
    QCOMPARE(committed.size(), 0);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 1), QStringLiteral("1 0 0 0"));

    send(QEvent::MouseButtonRelease, QPoint(390, 66), Qt::LeftButton);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 1), QStringLiteral("2 2 2 0"));
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 0), QStringLiteral("0 0 0 0"));
    QCOMPARE(moves.size(), 6);
    QCOMPARE(moves.last(), QVariantList({390, 66}));
    QCOMPARE(m_grid->cursor().shape(), Qt::ArrowCursor);
}

void tst_DDksShowWidget::dragBackLeftKeepsWhatWasReached()
{
    showGrid(withRows({{1, 0, 1, 0}}));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint handle = node(0, 0) + QPoint(6, 0);
    send(QEvent::MouseMove, handle);
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton);
    QTest::ignoreMessage(QtDebugMsg, kDragStartLog);
    send(QEvent::MouseMove, QPoint(100, 15));
    QTest::ignoreMessage(QtDebugMsg, "--------------------------------------------------------- m_mousePressPosX: 20");
    send(QEvent::MouseMove, QPoint(10, 15));
    send(QEvent::MouseButtonRelease, QPoint(10, 15), Qt::LeftButton);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 0), QStringLiteral("2 0 1 0"));
}

void tst_DDksShowWidget::barClickRemovesTheBarOnRelease()
{
    showGrid(withRows({{0, 0, 0, 0}, {2, 2, 3, 1}}));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint onSecondSegment(170, 66);
    send(QEvent::MouseMove, onSecondSegment);
    send(QEvent::MouseButtonPress, onSecondSegment, Qt::LeftButton);
    QCOMPARE(committed.size(), 0);
    send(QEvent::MouseButtonRelease, onSecondSegment, Qt::LeftButton);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 1), QStringLiteral("0 0 2 1"));
}

// The removal is written to the row that was clicked, wherever the pointer goes before release.
void tst_DDksShowWidget::pendingBarRemovalStaysWithItsRow()
{
    showGrid(withRows({{2, 2, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 0}}));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    const QPoint onBar(70, 15);
    send(QEvent::MouseMove, onBar);
    send(QEvent::MouseButtonPress, onBar, Qt::LeftButton);
    send(QEvent::MouseMove, node(1, 2));
    send(QEvent::MouseButtonRelease, node(1, 2), Qt::LeftButton);
    QCOMPARE(committed.size(), 1);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 0), QStringLiteral("0 0 0 0"));
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 2), QStringLiteral("0 1 0 0"));
}

void tst_DDksShowWidget::paintsTheCommittedCells()
{
    const QStringList accent = DDataManager::instance()->getThemeInfo().TextCheckedColor.split(',');
    const QColor accentColour(accent[0].toInt(), accent[1].toInt(), accent[2].toInt());
    showGrid(withRows({{2, 2, 0, 0}, {1, 0, 0, 0}}));
    QImage picture = m_grid->grab().toImage();
    QCOMPARE(QColor(picture.pixel(70, 15)), accentColour);  // first segment
    QCOMPARE(QColor(picture.pixel(170, 15)), accentColour); // second segment
    QVERIFY(QColor(picture.pixel(270, 15)) != accentColour);
    QVERIFY(QColor(picture.pixel(70, 65)) != accentColour);

    // A drag in progress does not paint its working row as committed.
    const QPoint handle = node(0, 1) + QPoint(6, 0);
    send(QEvent::MouseMove, handle);
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton);
    QTest::ignoreMessage(QtDebugMsg, kDragStartLog);
    send(QEvent::MouseMove, QPoint(100, 65));
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 1), QStringLiteral("1 0 0 0"));
    send(QEvent::MouseButtonRelease, QPoint(100, 65), Qt::LeftButton);
    picture = m_grid->grab().toImage();
    QCOMPARE(QColor(picture.pixel(70, 65)), accentColour);
}

void tst_DDksShowWidget::gridWithoutColumnWidthTakesNoDrag_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("never sized") << -1;
    QTest::newRow("under 4 px") << 3;
}

void tst_DDksShowWidget::gridWithoutColumnWidthTakesNoDrag()
{
    QFETCH(int, width);
    if (width >= 0)
        m_grid->resizeGrid(width, width);
    m_grid->setSeniorKeyInfo(withRows({{1, 0, 0, 0}}));
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    QSignalSpy committed(m_grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);

    const QPoint handle = node(0, 0) + QPoint(6, 0);
    send(QEvent::MouseMove, handle);
    QCOMPARE(m_grid->cursor().shape(), Qt::ArrowCursor);
    send(QEvent::MouseButtonPress, handle, Qt::LeftButton);
    for (int x : {40, 120, 300})
        send(QEvent::MouseMove, QPoint(x, 15));
    send(QEvent::MouseButtonRelease, QPoint(300, 15), Qt::LeftButton);
    m_grid->grab();
    // The press on the node toggled it; nothing was dragged.
    QCOMPARE(committed.size(), 1);
    QCOMPARE(rowText(m_grid->getSeniorKeyInfo(), 0), QStringLiteral("0 0 0 0"));
}

QTEST_MAIN(tst_DDksShowWidget)
#include "tst_DDksShowWidget.moc"
