#include "ui/mainwidget/devicePage/profileOps/SleepTimeSettings.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/profileOps/SimLink.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

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
    void init();
    void cleanup();
    void confirmedTimesAreStored();
    void unconfirmedTimesAreNotStored();
    void refusedTimesAreNotSent();
    void noDeviceIsAFailure();

private:
    QString lastNotice() const { return m_notices->isEmpty() ? QString() : m_notices->last().at(0).toString(); }

    std::unique_ptr<SimLinkedKeyboard> m_device;
    std::unique_ptr<SleepTimeSettings> m_settings;
    std::unique_ptr<QSignalSpy> m_notices;
    QByteArray m_path;
};

void tst_SleepTimeSettings::init()
{
    m_device = std::make_unique<SimLinkedKeyboard>();
    QVERIFY(m_device->open("Quartz68HE"));
    m_path = freshProfile();
    DDataManager::instance()->setProhibitSleep(0);
    m_settings = std::make_unique<SleepTimeSettings>();
    m_settings->setDeviceLink(&m_device->link);
    m_settings->setProfile(m_path, 1);
    m_notices = std::make_unique<QSignalSpy>(m_settings.get(), &SleepTimeSettings::sigNotice);
}

void tst_SleepTimeSettings::cleanup()
{
    m_notices.reset();
    m_settings.reset();
    m_device.reset();
}

void tst_SleepTimeSettings::confirmedTimesAreStored()
{
    QVERIFY(m_settings->request(120, 390, 1));

    QCOMPARE(lastNotice(), QStringLiteral("Sleep time has been set"));
    QCOMPARE(storedSleep(m_path), (QList<int>{120, 6}));
    QCOMPARE(DDataManager::instance()->getProhibitSleep(), 1);
    int light = 0;
    int keyboard = 0;
    m_device->sim.server().withKeyboard(m_device->keyboard, [&](SimKeyboard &simulated) {
        light = simulated.memory().lightSleepSeconds;
        keyboard = simulated.memory().keyboardSleepSeconds;
    });
    QCOMPARE((QList<int>{light, keyboard}), (QList<int>{120, 390}));
}

void tst_SleepTimeSettings::unconfirmedTimesAreNotStored()
{
    QCOMPARE(m_device->sim.server().execute("drop " + std::to_string(m_device->keyboard) + " 13 on"),
             std::string("OK"));

    QVERIFY(!m_settings->request(60, 600, 1));

    QCOMPARE(lastNotice(), QStringLiteral("Sleep time set failed"));
    QCOMPARE(storedSleep(m_path), (QList<int>{-1, -1}));
    QCOMPARE(DDataManager::instance()->getProhibitSleep(), 0);
}

void tst_SleepTimeSettings::refusedTimesAreNotSent()
{
    const int before = m_device->sim.received(m_device->keyboard).size();

    QVERIFY(!m_settings->request(60, 299, 0));
    QCOMPARE(lastNotice(), QStringLiteral("Keyboard enters sleep time is too short"));
    QVERIFY(!m_settings->request(400, 200, 0));
    QCOMPARE(lastNotice(),
             QStringLiteral("The time when the light enters sleep cannot be longer than the keyboard enters sleep"));

    QCOMPARE(m_device->receivedUpToMarker().size(), before);
    QCOMPARE(storedSleep(m_path), (QList<int>{-1, -1}));
}

void tst_SleepTimeSettings::noDeviceIsAFailure()
{
    m_settings->setDeviceLink(nullptr);

    QVERIFY(!m_settings->request(60, 300, 0));
    QCOMPARE(lastNotice(), QStringLiteral("Sleep time set failed"));
    QCOMPARE(storedSleep(m_path), (QList<int>{-1, -1}));
}

QTEST_MAIN(tst_SleepTimeSettings)
#include "tst_SleepTimeSettings.moc"
