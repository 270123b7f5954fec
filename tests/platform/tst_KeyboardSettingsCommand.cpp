#include "platform/KeyboardSettingsCommand.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// Which program opens the desktop's keyboard settings, and that it is started apart.
class tst_KeyboardSettingsCommand : public QObject
{
    Q_OBJECT

private slots:
    void choosesByDesktopThenFirstOnPath_data();
    void choosesByDesktopThenFirstOnPath();
    void startsDetachedAndLogsWhenThereIsNone();
};

void tst_KeyboardSettingsCommand::choosesByDesktopThenFirstOnPath_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    const QStringList everything{"gnome-control-center", "systemsettings", "xfce4-keyboard-settings",
                                 "mate-keyboard-properties", "lxinput"};
    QTest::newRow("gnome") << "GNOME" << everything << "gnome-control-center" << QStringList{"keyboard"};
    QTest::newRow("several names, most specific first")
        << "ubuntu:GNOME" << everything << "gnome-control-center" << QStringList{"keyboard"};
    QTest::newRow("case does not matter") << "xfce" << everything << "xfce4-keyboard-settings" << QStringList{};
    QTest::newRow("kde") << "KDE" << everything << "systemsettings" << QStringList{"kcm_keyboard"};
    QTest::newRow("older kde") << "KDE" << QStringList{"systemsettings5"} << "systemsettings5"
                               << QStringList{"kcm_keyboard"};
    QTest::newRow("desktop's program missing: first on the path")
        << "MATE" << QStringList{"lxinput", "xfce4-keyboard-settings"} << "xfce4-keyboard-settings" << QStringList{};
    QTest::newRow("no desktop named") << "" << QStringList{"lxinput"} << "lxinput" << QStringList{};
    QTest::newRow("unknown desktop") << "openbox" << QStringList{"mate-keyboard-properties"}
                                     << "mate-keyboard-properties" << QStringList{};
    QTest::newRow("nothing installed") << "GNOME" << QStringList{} << "" << QStringList{};
}

void tst_KeyboardSettingsCommand::choosesByDesktopThenFirstOnPath()
{
    QFETCH(QString, desktop);
    QFETCH(QStringList, installed);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const DesktopCommand command =
        KeyboardSettingsCommand::choose(desktop, [&](const QString &name) { return installed.contains(name); });
    QCOMPARE(command.program, program);
    QCOMPARE(command.arguments, arguments);
}

void tst_KeyboardSettingsCommand::startsDetachedAndLogsWhenThereIsNone()
{
    QTemporaryDir folder;
    const QString marker = folder.filePath("started");
    QVERIFY(KeyboardSettingsCommand::startDetached({"touch", {marker}}));
    QTRY_VERIFY(QFileInfo::exists(marker));

    QTest::ignoreMessage(QtWarningMsg, "No keyboard settings program found for this desktop");
    QVERIFY(!KeyboardSettingsCommand::startDetached({}));
    QTest::ignoreMessage(QtWarningMsg, "Cannot start the keyboard settings: /no/such/settings-program");
    QVERIFY(!KeyboardSettingsCommand::startDetached({"/no/such/settings-program", {}}));
}

QTEST_GUILESS_MAIN(tst_KeyboardSettingsCommand)
#include "tst_KeyboardSettingsCommand.moc"
