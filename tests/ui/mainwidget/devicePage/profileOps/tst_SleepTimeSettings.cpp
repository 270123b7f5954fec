#include "SleepTimeSettings.h"

#include "DDataManager.h"
#include "SimLink.h"
#include "VorlanXml.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// The profile's stored (light seconds, keyboard minutes); (-1, -1) when none is stored.
QList<int> storedSleep(const QByteArray &path)
{
    int times[2] = {-1, -1};
    CVorlanXML_GetProFileIntoSleepTimeInfo(path.constData(), "1", times);
    return {times[0], times[1]};
}

QByteArray freshProfile()
{
    const QByteArray path = (qEnvironmentVariable("VORLAN_TEST_TMP") + QStringLiteral("/sleep.xml")).toLocal8Bit();
    QFile::remove(QString::fromLocal8Bit(path));
    CVorlanXML_CreateXMLFile(path.constData());
    CVorlanXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0);
    return path;
}

} // namespace

class tst_SleepTimeSettings : public QObject
{
    Q_OBJECT

private slots:
    void confirmedTimesAreStored();
    void unconfirmedTimesAreNotStored();
    void refusedTimesAreNotSent();
    void noDeviceIsAFailure();
};

void tst_SleepTimeSettings::confirmedTimesAreStored()
{
    SimLinkedKeyboard device;
    QVERIFY(device.open("Quartz68HE"));
    const QByteArray path = freshProfile();
    DDataManager::instance()->setProhibitSleep(0);
    SleepTimeSettings settings;
    settings.setDeviceLink(&device.link);
    settings.setProfile(path, 1);
    QSignalSpy notices(&settings, &SleepTimeSettings::sigNotice);

    QVERIFY(settings.request(120, 390, 1));

    QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Sleep time has been set"));
    QCOMPARE(storedSleep(path), (QList<int>{120, 6}));
    QCOMPARE(DDataManager::instance()->getProhibitSleep(), 1);
    int light = 0;
    int keyboard = 0;
    device.sim.server().withKeyboard(device.keyboard, [&](SimKeyboard &simulated) {
        light = simulated.memory().lightSleepSeconds;
        keyboard = simulated.memory().keyboardSleepSeconds;
    });
    QCOMPARE((QList<int>{light, keyboard}), (QList<int>{120, 390}));
}

void tst_SleepTimeSettings::unconfirmedTimesAreNotStored()
{
    SimLinkedKeyboard device;
    QVERIFY(device.open("Quartz68HE"));
    QCOMPARE(device.sim.server().execute("drop " + std::to_string(device.keyboard) + " 13 on"), std::string("OK"));
    const QByteArray path = freshProfile();
    DDataManager::instance()->setProhibitSleep(0);
    SleepTimeSettings settings;
    settings.setDeviceLink(&device.link);
    settings.setProfile(path, 1);
    QSignalSpy notices(&settings, &SleepTimeSettings::sigNotice);

    QVERIFY(!settings.request(60, 600, 1));

    QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Sleep time set failed"));
    QCOMPARE(storedSleep(path), (QList<int>{-1, -1}));
    QCOMPARE(DDataManager::instance()->getProhibitSleep(), 0);
}

void tst_SleepTimeSettings::refusedTimesAreNotSent()
{
    SimLinkedKeyboard device;
    QVERIFY(device.open("Quartz68HE"));
    const int before = device.sim.received(device.keyboard).size();
    const QByteArray path = freshProfile();
    SleepTimeSettings settings;
    settings.setDeviceLink(&device.link);
    settings.setProfile(path, 1);
    QSignalSpy notices(&settings, &SleepTimeSettings::sigNotice);

    QVERIFY(!settings.request(60, 299, 0));
    QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Keyboard enters sleep time is too short"));
    QVERIFY(!settings.request(400, 200, 0));
    QCOMPARE(notices.last().at(0).toString(),
             QStringLiteral("The time when the light enters sleep cannot be longer than the keyboard enters sleep"));

    QCOMPARE(device.receivedUpToMarker().size(), before);
    QCOMPARE(storedSleep(path), (QList<int>{-1, -1}));
}

void tst_SleepTimeSettings::noDeviceIsAFailure()
{
    const QByteArray path = freshProfile();
    SleepTimeSettings settings;
    settings.setProfile(path, 1);
    QSignalSpy notices(&settings, &SleepTimeSettings::sigNotice);

    QVERIFY(!settings.request(60, 300, 0));
    QCOMPARE(notices.last().at(0).toString(), QStringLiteral("Sleep time set failed"));
    QCOMPARE(storedSleep(path), (QList<int>{-1, -1}));
}

QTEST_MAIN(tst_SleepTimeSettings)
#include "tst_SleepTimeSettings.moc"
