#include "ui/mainwidget/devicePage/profileOps/MagneticCommands.h"

#include "app/DDataManager.h"
#include "device/MainHidInterFace.h"
#include "tests/ui/mainwidget/devicePage/profileOps/SimLink.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int kWait = 10000;

QString noticeText(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QString() : spy.last().at(0).toString();
}

// Bytes 5.. of the 0x29 reports among the given ones.
QList<QByteArray> magneticPayloads(const QList<QByteArray> &reports)
{
    QList<QByteArray> out;
    for (const QByteArray &report : reports) {
        if (report.at(1) == 0x29)
            out << report.mid(5, 28);
    }
    return out;
}

QByteArray payload(int subCommand, const QByteArray &from7 = QByteArray())
{
    QByteArray out(28, '\0');
    out[0] = 0x18;
    out[1] = static_cast<char>(subCommand);
    out.replace(2, from7.size(), from7);
    return out;
}

} // namespace

class tst_MagneticCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void applySendsSelectionAndTravels();
    void applyWithoutSelectionSendsNothing();
    void valueIsKeptOnlyWhenQueued();
    void singleKeyCalibrationSequence();
    void allKeysCalibrationStartAndStop();
    void liveTravelReachesTheDataManager();

private:
    std::unique_ptr<SimLinkedKeyboard> m_device;
    std::unique_ptr<MagneticCommands> m_commands;
    int m_before = 0;
};

void tst_MagneticCommands::init()
{
    m_device = std::make_unique<SimLinkedKeyboard>();
    QVERIFY(m_device->open("Quartz68HE"));
    m_before = m_device->sim.received(m_device->keyboard).size();
    m_commands = std::make_unique<MagneticCommands>();
    m_commands->setHidInterface(m_device->link.getHidInterface());
    DDataManager::instance()->setKeyCalibrationRunning(false);
}

void tst_MagneticCommands::cleanup()
{
    m_commands.reset();
    m_device.reset();
}

void tst_MagneticCommands::applySendsSelectionAndTravels()
{
    QSignalSpy notices(m_commands.get(), &MagneticCommands::sigNotice);
    m_commands->applyConfig(13, {QPoint(0, 0), QPoint(5, 21)}, 30, 25, 3, 4);

    QByteArray from7(26, '\0');
    from7[0] = 0x01;
    from7[21] = 0x20;
    from7[22] = 30;
    from7[23] = 25;
    from7[24] = 3;
    from7[25] = 4;
    QCOMPARE(magneticPayloads(m_device->receivedUpToMarker().mid(m_before)), QList<QByteArray>{payload(13, from7)});
    QCOMPARE(noticeText(notices), QStringLiteral("Operate successful"));
}

void tst_MagneticCommands::applyWithoutSelectionSendsNothing()
{
    QSignalSpy notices(m_commands.get(), &MagneticCommands::sigNotice);
    m_commands->applyConfig(0, {}, 30, 25, 3, 4);
    QCOMPARE(noticeText(notices), QStringLiteral("Please select one Key first"));
    QCOMPARE(m_device->receivedUpToMarker().size(), m_before);

    // Without a device nothing happens at all.
    MagneticCommands detached;
    QSignalSpy detachedNotices(&detached, &MagneticCommands::sigNotice);
    detached.applyConfig(0, {}, 30, 25, 3, 4);
    QVERIFY(detachedNotices.isEmpty());
}

void tst_MagneticCommands::valueIsKeptOnlyWhenQueued()
{
    QSignalSpy notices(m_commands.get(), &MagneticCommands::sigNotice);
    m_commands->setAntiShake(7);
    QCOMPARE(DDataManager::instance()->getAntiShakeValue(), 7);
    QCOMPARE(noticeText(notices), QStringLiteral("Operate successful"));
    m_commands->setReportRate(2);
    QCOMPARE(DDataManager::instance()->getRateOfReturnValue(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(m_device->sim.received(m_device->keyboard).size(), m_before + 2, kWait);
    int antiShake = 0;
    m_device->sim.server().withKeyboard(m_device->keyboard,
                                        [&](SimKeyboard &simulated) { antiShake = simulated.memory().antiShake; });
    QCOMPARE(antiShake, 7);

    // A closed device refuses the report: nothing is kept and nothing claims success.
    m_device->link.getHidInterface()->closeHid();
    notices.clear();
    m_commands->setAntiShake(9);
    QCOMPARE(DDataManager::instance()->getAntiShakeValue(), 7);
    QVERIFY(notices.isEmpty());
}

void tst_MagneticCommands::singleKeyCalibrationSequence()
{
    QSignalSpy notices(m_commands.get(), &MagneticCommands::sigNotice);
    QSignalSpy statuses(DDataManager::instance(), &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);

    m_commands->startKeyCalibration();
    QCOMPARE(noticeText(notices), QStringLiteral("Please switch to key calibration mode first"));
    m_commands->setCalibrationMode(true);
    m_commands->startKeyCalibration();
    QCOMPARE(noticeText(notices), QStringLiteral("Please select one Key first"));
    m_commands->chooseCalibrationKey(2, 3);
    m_commands->startKeyCalibration();
    QCOMPARE(noticeText(notices), QStringLiteral("Operate successful"));

    QByteArray chosen(22, '\0');
    chosen[3] = 0x04;
    QCOMPARE(magneticPayloads(m_device->receivedUpToMarker().mid(m_before)),
             (QList<QByteArray>{payload(2), payload(2, chosen), payload(7, QByteArray::fromHex("0203"))}));
    QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 2, kWait);
    QCOMPARE(statuses.at(0).at(0).toInt(), 1);
    QCOMPARE(statuses.at(1).at(0).toInt(), 0);

    m_commands->setCalibrationMode(false);
    QCOMPARE(m_commands->calibrationPoint(), QPoint(-1, -1));
    QVERIFY(!DDataManager::instance()->isKeyCalibrationRunning());
}

void tst_MagneticCommands::allKeysCalibrationStartAndStop()
{
    QSignalSpy statuses(DDataManager::instance(), &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);
    m_commands->setAllKeysCalibration(true);
    QVERIFY(DDataManager::instance()->isKeyCalibrationRunning());
    QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 2, kWait);
    QCOMPARE(statuses.at(1).at(0).toInt(), 0);
    QCOMPARE(m_device->link.getAllKeysCalibrationMap().size(), 22);

    m_commands->setAllKeysCalibration(false);
    QCOMPARE(magneticPayloads(m_device->receivedUpToMarker().mid(m_before)),
             (QList<QByteArray>{payload(8, QByteArray(1, '\0')), payload(8, "\x01")}));
}

void tst_MagneticCommands::liveTravelReachesTheDataManager()
{
    QSignalSpy travel(DDataManager::instance(), &DDataManager::sigBackDynamicDisplaySensitivityNum);
    QCOMPARE(m_device->sim.server().execute("travel " + std::to_string(m_device->keyboard) + " 2 3 40"),
             std::string("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(travel.count(), 1, kWait);
    QCOMPARE(travel.at(0), (QList<QVariant>{2, 3, 40}));
}

QTEST_MAIN(tst_MagneticCommands)
#include "tst_MagneticCommands.moc"
