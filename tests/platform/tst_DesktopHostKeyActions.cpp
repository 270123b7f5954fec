#include "platform/DesktopHostKeyActions.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QX11Info>

#include <X11/keysym.h>

class tst_DesktopHostKeyActions : public QObject
{
    Q_OBJECT

private slots:
    void keysymForVirtualKey_data();
    void keysymForVirtualKey();
    void pasteReachesFocusedLineEdit();
    void unknownVirtualKeyIsSkipped();
};

void tst_DesktopHostKeyActions::keysymForVirtualKey_data()
{
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<qulonglong>("keysym");

    QTest::newRow("Ctrl") << 0x11 << qulonglong(XK_Control_L);
    QTest::newRow("V") << 0x56 << qulonglong(XK_v);
    QTest::newRow("A") << 0x41 << qulonglong(XK_a);
    QTest::newRow("digit 7") << 0x37 << qulonglong(XK_7);
    QTest::newRow("F24 has none here") << 0x87 << qulonglong(0);
}

void tst_DesktopHostKeyActions::keysymForVirtualKey()
{
    QFETCH(int, virtualKey);
    QFETCH(qulonglong, keysym);
    QCOMPARE(qulonglong(DesktopHostKeyActions::keysymForVirtualKey(virtualKey)), keysym);
}

void tst_DesktopHostKeyActions::pasteReachesFocusedLineEdit()
{
    QVERIFY(QX11Info::isPlatformX11());
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(edit.hasFocus(), 10000);

    DesktopHostKeyActions *actions = DesktopHostKeyActions::instance();
    const QString text = QStringLiteral("pasted \u00e9 text");
    actions->setClipboardText(text);
    QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard), text);
    actions->sendVirtualKey(HostKeyActions::VirtualKeyControl, false);
    actions->sendVirtualKey(HostKeyActions::VirtualKeyV, false);
    actions->sendVirtualKey(HostKeyActions::VirtualKeyV, true);
    actions->sendVirtualKey(HostKeyActions::VirtualKeyControl, true);
    QTRY_COMPARE_WITH_TIMEOUT(edit.text(), text, 10000);
}

void tst_DesktopHostKeyActions::unknownVirtualKeyIsSkipped()
{
    QTest::ignoreMessage(QtWarningMsg, "No X key for virtual key 135 - synthetic key skipped");
    DesktopHostKeyActions::instance()->sendVirtualKey(0x87, false);
}

QTEST_MAIN(tst_DesktopHostKeyActions)
#include "tst_DesktopHostKeyActions.moc"
