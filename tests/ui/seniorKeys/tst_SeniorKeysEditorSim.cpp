#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "tests/support/XTestInjector.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"
#include "ui/seniorKeys/DAllKeysItemKey.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeysPage.h"
#include "ui/seniorKeys/DStrokeConfigView.h"
#include "widgets/CbNotice.h"
#include "widgets/MySlider.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

QString cellsHex(const SeniorKeyInfoStu &key, int row)
{
    QByteArray cells;
    for (int c = 0; c < 4; ++c)
        cells.append(char(key.dks[4 * row + c]));
    return QString::fromLatin1(cells.toHex(' '));
}

} // namespace

// The advanced-key editor opened from the device page of a simulated magnetic keyboard: a DKS
// key and an MT key made in the editor, bound to two keys and downloaded into the keyboard.
class tst_SeniorKeysEditorSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void editedKeysReachTheKeyboard();

private:
    void pick(int code);
    void click(const char *name);
    void mouse(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButton button = Qt::NoButton);
    void bind(int keyCode, int listIndex);

    KbdsimProcess m_sim;
    XTestInjector m_injector;
    std::unique_ptr<DMainWidget> m_window;
    QPointer<DSeniorKeysPage> m_editor;
    Qt::MouseButtons m_buttons;
    int m_id = 0;
};

void tst_SeniorKeysEditorSim::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY2(m_injector.isOpen(), "needs an X display (run under xvfb-run)");
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_SeniorKeysEditorSim::cleanupTestCase()
{
    m_window.reset();
}

void tst_SeniorKeysEditorSim::pick(int code)
{
    for (DAllKeysItemKey *key : m_editor->findChildren<DAllKeysItemKey *>()) {
        if (key->getKeyDec() == code) {
            QTest::mouseClick(key, Qt::LeftButton);
            return;
        }
    }
    QFAIL("key not in the picker");
}

void tst_SeniorKeysEditorSim::click(const char *name)
{
    auto *button = m_editor->findChild<QAbstractButton *>(name);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void tst_SeniorKeysEditorSim::mouse(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButton button)
{
    if (type == QEvent::MouseButtonPress)
        m_buttons |= button;
    else if (type == QEvent::MouseButtonRelease)
        m_buttons &= ~button;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, m_buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void tst_SeniorKeysEditorSim::bind(int keyCode, int listIndex)
{
    keyboardButCustom *keyCap = DDataManager::instance()->getKeyButtonMap().value(keyCode);
    QVERIFY(keyCap);
    QTest::mouseClick(keyCap, Qt::LeftButton);
    auto *tab = m_window->devicePage()->findChild<DCustomKeysPage *>();
    QTest::mouseClick(tab->findChild<QToolButton *>("toolButton_SeniorKeys"), Qt::LeftButton);
    auto *list = tab->findChild<DSeniorKeysBindingPage *>()->findChild<QComboBox *>("comboBox_SeniorKeys");
    QCOMPARE(list->count(), 2);
    list->setCurrentIndex(listIndex);
    emit list->activated(listIndex);
}

void tst_SeniorKeysEditorSim::editedKeysReachTheKeyboard()
{
    QVERIFY(!m_sim.plug("Quartz68HE", &m_id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->getKeyView(), Patience);
    auto *tab = page->findChild<DCustomKeysPage *>();
    QTRY_VERIFY_WITH_TIMEOUT(tab && !tab->profileXmlPath().isEmpty(), Patience);

    // The device page's advanced-key button opens the editor.
    auto *openButton = page->findChild<QToolButton *>("toolButton_SeniorKey");
    QTRY_VERIFY(openButton->isVisible());
    QTest::mouseClick(openButton, Qt::LeftButton);
    m_editor = m_window->findChild<DSeniorKeysPage *>();
    QVERIFY(m_editor);
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    QTRY_VERIFY(m_editor->findChild<DAllKeysShowPage *>());

    // DKS1: A at the first point, B at the second; cells by clicks and one drag; travel 2.0 mm.
    click("pushButton_NewCreate");
    pick(4);
    click("toolButton_SeniorKey02");
    pick(5);
    auto *grid = m_editor->findChild<DDksShowWidget *>();
    QTRY_VERIFY(grid->isVisible());
    QWidget *area = grid->parentWidget();
    const int columnWidth = area->width() / 4;
    const int rowHeight = area->height() / 4;
    const auto node = [&](int column, int row) { return QPoint(20 + column * columnWidth, 15 + row * rowHeight); };
    for (const QPoint &at : {node(0, 0), node(0, 1)}) {
        mouse(grid, QEvent::MouseMove, at);
        mouse(grid, QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(grid, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    }
    const QPoint handle = node(0, 1) + QPoint(6, 0);
    mouse(grid, QEvent::MouseMove, handle);
    mouse(grid, QEvent::MouseButtonPress, handle, Qt::LeftButton);
    for (int x = handle.x() + 10; x <= node(2, 1).x() + 10; x += 10)
        mouse(grid, QEvent::MouseMove, QPoint(x, handle.y()));
    mouse(grid, QEvent::MouseButtonRelease, QPoint(node(2, 1).x() + 10, handle.y()), Qt::LeftButton);

    emit m_editor->findChild<QLabel *>("label_Stroke01")->linkActivated("Company|1.5mm|");
    QPointer<DStrokeConfigView> popup = m_editor->findChild<DStrokeConfigView *>();
    QVERIFY(popup);
    auto *travel = popup->findChild<MySlider *>("horizontalSlider_StrokeView");
    travel->setValue(20);
    emit travel->sliderReleased();
    QTest::mouseClick(popup->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QTRY_VERIFY(popup.isNull());

    // MT2: hold for left Shift, click for A, 300 ms.
    click("radioButton_MT");
    click("pushButton_NewCreate");
    pick(225);
    click("toolButton_ClickKey");
    pick(5);
    // A real right click on the click slot reaches the editor through the button and clears it.
    auto *clickKey = m_editor->findChild<QToolButton *>("toolButton_ClickKey");
    QCOMPARE(clickKey->text(), QString("B"));
    const QPoint centre = clickKey->mapToGlobal(clickKey->rect().center());
    m_injector.click(centre.x(), centre.y(), 3);
    QTRY_COMPARE(clickKey->text(), QString());
    pick(4);
    auto *hold = m_editor->findChild<MySlider *>("horizontalSlider_HoldDuration");
    hold->setValue(30);
    emit hold->sliderReleased();
    click("pushButton_Close");
    QTRY_VERIFY(m_editor.isNull());

    char seniorKeyPath[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getSeniorKeyXmlPath(seniorKeyPath);
    std::list<SeniorKeyInfoStu> records;
    QVERIFY(CVorlanXML_SeniorKey_SelectAllInfoItem(seniorKeyPath, &records));
    QCOMPARE(records.size(), std::size_t(2));
    const SeniorKeyInfoStu dks = records.front();
    QCOMPARE(cellsHex(dks, 0), QString("01 00 00 00"));
    QVERIFY2(dks.dks[4] == 2 && dks.dks[5] == 2, qPrintable(cellsHex(dks, 1)));

    // Two keys of the current profile get the advanced keys; the download sends both.
    bind(30, 0);
    bind(31, 1);
    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    auto *toast = page->findChild<CbNotice *>();
    QVERIFY(toast && toast->text() == QString("Download config successful"));

    const QString dksData = QString("01 14 24 24 14 00 04 00 00 %1 00 05 00 00 %2 00 00 00 00 %3 00 00 00 00 %4")
                                .arg(cellsHex(dks, 0), cellsHex(dks, 1), cellsHex(dks, 2), cellsHex(dks, 3));
    const QString mtData = "02 00 e1 00 00 00 04 00 00 1e";
    const auto stored = [this] {
        QStringList data;
        for (const QJsonValue &place : m_sim.dump(m_id).value("onboard").toObject().value("advancedKeys").toArray()) {
            if (place.toObject().value("written").toBool())
                data << place.toObject().value("data").toString();
        }
        return data;
    };
    const auto padded = [](const QString &hex) { return hex + QString(" 00").repeated(58 - (hex.size() + 1) / 3); };
    QTRY_VERIFY_WITH_TIMEOUT(stored().contains(padded(dksData)) && stored().contains(padded(mtData)), Patience);
    qInfo().noquote() << "advanced keys in the keyboard:" << stored().join(" | ");
}

QTEST_MAIN(tst_SeniorKeysEditorSim)
#include "tst_SeniorKeysEditorSim.moc"
