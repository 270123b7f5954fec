#include "sdk/protocol/ModelCatalog.h"
#include "sim/SimKeyboard.h"

#include <QtTest>

#include <algorithm>
#include <map>

namespace {

const char kSerial[] = "0123456789abcdef0123456789abcdef";

// A 64-byte frame from (offset, value) pairs; every other byte 0.
QByteArray frame(std::initializer_list<std::pair<int, int>> bytes, const QByteArray &payloadAt6 = QByteArray())
{
    QByteArray out(64, '\0');
    out.replace(6, payloadAt6.size(), payloadAt6);
    for (const auto &[offset, value] : bytes)
        out[offset] = static_cast<char>(value);
    return out;
}

SimReport toReport(const QByteArray &bytes)
{
    SimReport report{};
    std::copy(bytes.begin(), bytes.begin() + std::min<int>(bytes.size(), 64), report.begin());
    return report;
}

QByteArray fromReport(const SimReport &report)
{
    return QByteArray(reinterpret_cast<const char *>(report.data()), int(report.size()));
}

SimKeyboard makeKeyboard(const char *model)
{
    const ModelInfo *info = ModelCatalog::findByName(model);
    return SimKeyboard(*info, info->ids.front(), kSerial);
}

QByteArray onlyReply(SimKeyboard &keyboard, const QByteArray &request)
{
    const SimReplies replies = keyboard.receive(toReport(request));
    return replies.size() == 1 ? fromReport(replies.front())
                               : QByteArray("replies: ") + QByteArray::number(int(replies.size()));
}

} // namespace

class TestSimKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void inquiryGetsReplyInLayout_data();
    void inquiryGetsReplyInLayout();
    void reportsWithoutReply_data();
    void reportsWithoutReply();
    void serialNumberFaultsAndWrite();
    void settingsAreKeptAndReported();
    void upgradeCommandMakesKeyboardLeave();
    void faultsSilenceReplies();
    void injectedKeysExpectOneAnswerEach();
    void onboardReportsFillMemory();
    void onboardReportsOutOfRangeAreRejected_data();
    void onboardReportsOutOfRangeAreRejected();
    void macroAcknowledgementFaults();
    void lightSettingsAreKeptWithoutAnswer();
    void settingOfUnreportedModeIsFlagged_data();
    void settingOfUnreportedModeIsFlagged();
    void customLightFramesFillTheirSlot();
    void lightStreamNeedsSynchronisation();
};

void TestSimKeyboard::inquiryGetsReplyInLayout_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QByteArray modes;
    for (uint8_t code : ModelCatalog::findByName("Aster104")->keyboardLightModes)
        modes.append(char(code));

    QTest::newRow("serial number") << "Aster104" << frame({{1, 0x14}}) << frame({{0, 1}, {1, 0x15}, {5, 32}}, kSerial);
    QTest::newRow("keyboard light record")
        << "Aster104" << frame({{0, 1}, {1, 0x06}, {2, 1}})
        << frame({{0, 1}, {1, 0x07}}, QByteArray::fromHex("000302ff00000000ff000100"));
    QTest::newRow("side light record") << "Aster104" << frame({{0, 1}, {1, 0x07}, {2, 1}})
                                       << frame({{0, 1}, {1, 0x08}}, QByteArray::fromHex("00030200ff00"));
    QTest::newRow("side light record without side light")
        << "Quartz68HE" << frame({{0, 1}, {1, 0x07}, {2, 1}}) << frame({{0, 1}, {1, 0x08}});
    QTest::newRow("keyboard light modes") << "Aster104" << frame({{0, 1}, {1, 0x09}})
                                          << frame({{0, 1}, {1, 0x0A}}, modes + QByteArray::fromHex("a50404"));
    QTest::newRow("side light modes") << "Aster104" << frame({{0, 1}, {1, 0x01}})
                                      << frame({{0, 1}, {1, 0x02}}, QByteArray::fromHex("000102030405a50404"));
    QTest::newRow("side light modes without side light")
        << "Quartz68HE" << frame({{0, 1}, {1, 0x01}}) << frame({{0, 1}, {1, 0x02}}, QByteArray::fromHex("a5"));
    QTest::newRow("layout check") << "Aster104" << frame({{0, 1}, {1, 0x0D}})
                                  << frame({{0, 1}, {1, 0x0D}}, "VL8201,01,KB,VL,Aster104");
    QTest::newRow("sensitivity") << "Quartz68HE" << frame({{0, 1}, {1, 0x29}, {5, 0x18}, {6, 4}})
                                 << frame({{0, 1}, {1, 0x21}, {6, 4}, {7, 5}});
    QTest::newRow("anti-shake") << "Quartz68HE" << frame({{0, 1}, {1, 0x29}, {5, 0x18}, {6, 10}})
                                << frame({{0, 1}, {1, 0x21}, {6, 10}, {7, 3}});
    QTest::newRow("report rate") << "Quartz68HE" << frame({{0, 1}, {1, 0x29}, {5, 0x18}, {6, 9}})
                                 << frame({{0, 1}, {1, 0x21}, {6, 9}, {7, 1}});
    QTest::newRow("sleep inquiry") << "Aster104" << frame({{0, 1}, {1, 0x13}, {2, 2}, {5, 1}})
                                   << frame({{0, 1}, {1, 0x14}, {2, 2}, {9, 0x01}, {10, 0x2C}, {11, 0x02}, {12, 0x58}});
    QTest::newRow("reset") << "Aster104" << frame({{0, 1}, {1, 0x13}, {5, 1}, {6, 1}}) << frame({{0, 1}, {1, 0x14}});
}

void TestSimKeyboard::inquiryGetsReplyInLayout()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    SimKeyboard keyboard = makeKeyboard(model.toLatin1().constData());
    QCOMPARE(onlyReply(keyboard, request).toHex(' '), reply.toHex(' '));
    QCOMPARE(keyboard.receivedLog().size(), size_t(1));
    QCOMPARE(fromReport(keyboard.receivedLog().front().report), request);
}

void TestSimKeyboard::reportsWithoutReply_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("handshake") << frame({{1, 0x00}, {5, 1}});
    QTest::newRow("light setting") << frame({{0, 1}, {1, 0x06}, {5, 0x0E}, {6, 3}});
    QTest::newRow("light frame") << frame({{0, 1}, {1, 0x0E}});
    QTest::newRow("unknown code") << frame({{0, 1}, {1, 0x33}});
    QTest::newRow("key layer") << frame({{0, 1}, {1, 0x17}, {5, 4}, {7, 4}});
    QTest::newRow("unknown magnetic sub-command") << frame({{0, 1}, {1, 0x29}, {5, 0x18}, {6, 0x40}});
}

void TestSimKeyboard::reportsWithoutReply()
{
    QFETCH(QByteArray, request);
    SimKeyboard keyboard = makeKeyboard("Aster104");
    QVERIFY(keyboard.receive(toReport(request)).empty());
    QCOMPARE(keyboard.receivedLog().size(), size_t(1));
}

void TestSimKeyboard::serialNumberFaultsAndWrite()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    const QByteArray inquiry = frame({{1, 0x14}});

    keyboard.setSerialFault(SimSerialFault::Blank);
    QCOMPARE(onlyReply(keyboard, inquiry).mid(6, 32), QByteArray(32, '\0'));
    keyboard.setSerialFault(SimSerialFault::Short);
    QCOMPARE(onlyReply(keyboard, inquiry).mid(6, 32), QByteArray(kSerial, 31) + '\0');

    // The program writes a new number; the keyboard reports it from then on.
    const QByteArray written = "fedcba9876543210fedcba9876543210";
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x15}, {5, 0x20}}, written))).empty());
    QCOMPARE(QByteArray::fromStdString(keyboard.memory().serial), written);
    QCOMPARE(onlyReply(keyboard, inquiry).mid(6, 32), written);
}

void TestSimKeyboard::settingsAreKeptAndReported()
{
    SimKeyboard keyboard = makeKeyboard("Quartz68HE");
    // Sleep times: 16-bit big-endian both ways.
    QCOMPARE(
        onlyReply(keyboard,
                  frame({{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {9, 0x12}, {10, 0x34}, {11, 0x0E}, {12, 0x10}, {13, 1}})),
        frame({{0, 1}, {1, 0x14}}));
    QCOMPARE(onlyReply(keyboard, frame({{0, 1}, {1, 0x13}, {2, 2}, {5, 1}})),
             frame({{0, 1}, {1, 0x14}, {2, 2}, {9, 0x12}, {10, 0x34}, {11, 0x0E}, {12, 0x10}, {13, 1}}));

    // Key-combination locks arrive as Alt+Tab, Alt+F4, Windows key, Shift+Tab.
    onlyReply(keyboard, frame({{0, 1}, {1, 0x13}, {5, 1}, {13, 1}, {14, 0}, {15, 1}, {16, 0}}));
    QCOMPARE(std::vector<int>(keyboard.memory().lockFlags, keyboard.memory().lockFlags + 4),
             std::vector<int>({1, 0, 0, 1}));

    // Setting a magnetic value answers with the value now kept.
    QCOMPARE(onlyReply(keyboard, frame({{0, 1}, {1, 0x29}, {5, 0x18}, {6, 10}, {7, 1}, {8, 7}})),
             frame({{0, 1}, {1, 0x21}, {6, 10}, {7, 7}}));
    QCOMPARE(onlyReply(keyboard, frame({{0, 1}, {1, 0x29}, {5, 0x18}, {6, 10}})),
             frame({{0, 1}, {1, 0x21}, {6, 10}, {7, 7}}));

    // Reset restores the defaults but keeps the serial number.
    onlyReply(keyboard, frame({{0, 1}, {1, 0x13}, {5, 1}, {6, 1}}));
    QCOMPARE(keyboard.memory().antiShake, uint8_t(3));
    QCOMPARE(keyboard.memory().lightSleepSeconds, uint16_t(300));
    QCOMPARE(keyboard.memory().serial, std::string(kSerial));
}

void TestSimKeyboard::upgradeCommandMakesKeyboardLeave()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    // No reply; the server takes the request once and moves the keyboard to its bootloader.
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x0A}}))).empty());
    QVERIFY(keyboard.takeUpgradeRequest());
    QVERIFY(!keyboard.takeUpgradeRequest());
    keyboard.upgrade().faults().ignoreEnter = true;
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x0A}}))).empty());
    QVERIFY(!keyboard.takeUpgradeRequest());
}

void TestSimKeyboard::faultsSilenceReplies()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    keyboard.setDroppedCommand(0x06, true);
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x06}, {2, 1}}))).empty());
    QCOMPARE(keyboard.receive(toReport(frame({{0, 1}, {1, 0x07}, {2, 1}}))).size(), size_t(1));
    keyboard.setMuted(true);
    QVERIFY(keyboard.receive(toReport(frame({{1, 0x14}}))).empty());
    // Muted, it still counts what it is sent.
    keyboard.receive(toReport(frame({{1, 0x00}, {5, 1}})));
    QCOMPARE(keyboard.handshakes(), 1);
    QCOMPARE(keyboard.receivedLog().size(), size_t(4));
}

void TestSimKeyboard::injectedKeysExpectOneAnswerEach()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    keyboard.noteInjected(toReport(frame({{0, 1}, {1, 0x04}})));
    keyboard.noteInjected(toReport(frame({{0, 1}, {1, 0x04}})));
    keyboard.noteInjected(toReport(frame({{0, 1}, {1, 0x05}})));
    keyboard.receive(toReport(frame({{0, 1}, {1, 0x03}, {5, 9}})));
    const QString dump = QString::fromStdString(keyboard.dumpJson());
    QVERIFY2(dump.contains("\"keyReportsExpected\":1"), qPrintable(dump));
    QVERIFY2(dump.contains("\"multimediaAnswersExpected\":1"), qPrintable(dump));
    QJsonParseError error;
    QJsonDocument::fromJson(dump.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
}

void TestSimKeyboard::onboardReportsFillMemory()
{
    SimKeyboard keyboard = makeKeyboard("Quartz68HE");
    // The last key report of the FN layer: six keys at positions 126..131.
    keyboard.receive(toReport(frame({{0, 1}, {1, 0x17}, {2, 2}, {4, 9}, {5, 24}}, QByteArray(24, 7))));
    // Part 0 (header and image 0..49) and part 4 (image 224..247) of slot 3.
    const SimReplies acks = keyboard.receive(
        toReport(frame({{0, 1}, {1, 0x18}, {2, 3}, {5, 58}, {7, 1}, {9, 8}, {11, 5}, {14, 4}, {15, 0x10}, {63, 9}})));
    keyboard.receive(toReport(frame({{0, 1}, {1, 0x18}, {2, 3}, {4, 4}, {5, 24}, {6, 0xAA}, {29, 0xBB}})));
    keyboard.receive(toReport(frame({{0, 1}, {1, 0x2A}, {2, 39}, {5, 0x32}, {6, 2}, {8, 225}})));

    QCOMPARE(acks.size(), size_t(1));
    QCOMPARE(fromReport(acks.front()).left(5), QByteArray::fromHex("0119030000"));
    const SimOnboardMemory &onboard = keyboard.memory().onboard;
    QCOMPARE(onboard.keyLayers.size(), size_t(1));
    const std::vector<uint8_t> &fn = onboard.keyLayers.at(2);
    QCOMPARE(fn.size(), size_t(4 * 132));
    QCOMPARE(int(fn[4 * 125 + 3]), 0);
    QCOMPARE(int(fn[4 * 126]), 7);
    QCOMPARE(int(fn.back()), 7);
    const SimOnboardMemory::MacroSlot &slot = onboard.macros[3];
    QCOMPARE(int(slot.partsWritten), 0x11);
    QCOMPARE(int(slot.playMode), 1);
    QCOMPARE(int(slot.eventBytes), 8);
    QCOMPARE(int(slot.playCount), 5);
    QCOMPARE(int(slot.image[0]), 4);
    QCOMPARE(int(slot.image[1]), 0x10);
    QCOMPARE(int(slot.image[49]), 9);
    QCOMPARE(int(slot.image[224]), 0xAA);
    QCOMPARE(int(slot.image[247]), 0xBB);
    QVERIFY(onboard.advancedKeys[39].written);
    QCOMPARE(int(onboard.advancedKeys[39].data[0]), 2);
    QCOMPARE(int(onboard.advancedKeys[39].data[2]), 225);
    QCOMPARE(onboard.rejectedReports, 0);

    const QJsonObject dump = QJsonDocument::fromJson(QByteArray::fromStdString(keyboard.dumpJson())).object();
    const QJsonObject onboardDump = dump.value("onboard").toObject();
    QVERIFY(onboardDump.value("keyLayers").toObject().value("2").toString().endsWith("07 07 07 07"));
    QCOMPARE(onboardDump.value("macroSlots").toArray().size(), 10);
    QCOMPARE(onboardDump.value("macroSlots").toArray().at(3).toObject().value("playCount").toInt(), 5);
    QCOMPARE(onboardDump.value("advancedKeys").toArray().size(), 40);
    QVERIFY(
        onboardDump.value("advancedKeys").toArray().at(39).toObject().value("data").toString().startsWith("02 00 e1"));
    QCOMPARE(onboardDump.value("acksSent").toInt(), 2);
}

void TestSimKeyboard::onboardReportsOutOfRangeAreRejected_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("layer code 3") << "Aster104" << frame({{0, 1}, {1, 0x17}, {2, 3}, {5, 4}});
    QTest::newRow("past the matrix") << "Aster104" << frame({{0, 1}, {1, 0x17}, {4, 9}, {5, 28}});
    QTest::newRow("length not whole keys") << "Aster104" << frame({{0, 1}, {1, 0x17}, {5, 6}});
    QTest::newRow("macro slot 10") << "Aster104" << frame({{0, 1}, {1, 0x18}, {2, 10}, {5, 58}});
    QTest::newRow("macro part 5") << "Aster104" << frame({{0, 1}, {1, 0x18}, {4, 5}, {5, 58}});
    QTest::newRow("advanced-key place 40") << "Quartz68HE" << frame({{0, 1}, {1, 0x2A}, {2, 40}, {5, 0x32}});
    QTest::newRow("advanced key without magnets") << "Aster104" << frame({{0, 1}, {1, 0x2A}, {5, 0x32}, {6, 1}});
}

void TestSimKeyboard::onboardReportsOutOfRangeAreRejected()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, request);
    SimKeyboard keyboard = makeKeyboard(model.toLatin1().constData());
    keyboard.receive(toReport(request));
    const SimOnboardMemory &onboard = keyboard.memory().onboard;
    QCOMPARE(onboard.rejectedReports, 1);
    QVERIFY(onboard.keyLayers.empty());
    QVERIFY(std::none_of(onboard.macros.begin(), onboard.macros.end(),
                         [](const SimOnboardMemory::MacroSlot &slot) { return slot.partsWritten != 0; }));
    QVERIFY(std::none_of(onboard.advancedKeys.begin(), onboard.advancedKeys.end(),
                         [](const SimOnboardMemory::AdvancedKey &key) { return key.written; }));
}

void TestSimKeyboard::macroAcknowledgementFaults()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    const SimReport part = toReport(frame({{0, 1}, {1, 0x18}, {5, 58}}));
    const auto acks = [&](int reports) {
        QString pattern;
        for (int i = 0; i < reports; ++i)
            pattern += keyboard.receive(part).empty() ? '-' : 'A';
        return pattern;
    };
    keyboard.setAckDropNth(3);
    QCOMPARE(acks(5), QString("AA-AA"));
    keyboard.setAckDropAll(true);
    QCOMPARE(acks(2), QString("--"));
    keyboard.setAckDropAll(false);
    QCOMPARE(acks(1), QString("A"));
    // A dropped acknowledgement still leaves the part in memory.
    QCOMPARE(int(keyboard.memory().onboard.macros[0].partsWritten), 1);

    keyboard.setAckDelayMs(250);
    const SimReplies ack = keyboard.receive(part);
    QCOMPARE(ack.size(), size_t(1));
    QCOMPARE(keyboard.replyDelayMs(ack.front()), 250);
    QCOMPARE(keyboard.replyDelayMs(toReport(frame({{0, 1}, {1, 0x08}}))), 0);
}

void TestSimKeyboard::lightSettingsAreKeptWithoutAnswer()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    const QByteArray keyboardSetting = QByteArray::fromHex("0201020a0b0c0d0e0f0301070000000000");
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x06}, {5, 0x0E}}, keyboardSetting))).empty());
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x07}, {5, 0x0D}}, QByteArray::fromHex("0402")))).empty());
    // The inquiries answer with what was set.
    QCOMPARE(onlyReply(keyboard, frame({{0, 1}, {1, 0x06}, {2, 1}})).mid(6, 12), keyboardSetting.left(12));
    QCOMPARE(onlyReply(keyboard, frame({{0, 1}, {1, 0x07}, {2, 1}})).mid(6, 2), QByteArray::fromHex("0402"));
    for (const SimLogEntry &entry : keyboard.receivedLog())
        QVERIFY(entry.note.empty());
    // A report without the setting mark changes nothing.
    keyboard.receive(toReport(frame({{0, 1}, {1, 0x06}, {6, 9}})));
    QCOMPARE(int(keyboard.memory().keyboardLight.mode), 2);
}

void TestSimKeyboard::settingOfUnreportedModeIsFlagged_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("flagged");
    QTest::newRow("reported keyboard mode") << "Breeze84W" << frame({{0, 1}, {1, 0x06}, {5, 0x0E}, {6, 9}}) << false;
    QTest::newRow("Radar on a model without it")
        << "Breeze84W" << frame({{0, 1}, {1, 0x06}, {5, 0x0E}, {6, 4}}) << true;
    QTest::newRow("DPI") << "Aster104" << frame({{0, 1}, {1, 0x06}, {5, 0x0E}, {6, 13}}) << true;
    QTest::newRow("Musical Rhythm") << "Aster104" << frame({{0, 1}, {1, 0x06}, {5, 0x0E}, {6, 0x64}}) << false;
    QTest::newRow("side mode") << "Aster104" << frame({{0, 1}, {1, 0x07}, {5, 0x0D}, {6, 5}}) << false;
    QTest::newRow("side light on a model without one")
        << "Quartz68HE" << frame({{0, 1}, {1, 0x07}, {5, 0x0D}, {6, 0}}) << true;
}

void TestSimKeyboard::settingOfUnreportedModeIsFlagged()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, setting);
    QFETCH(bool, flagged);
    SimKeyboard keyboard = makeKeyboard(model.toLatin1().constData());
    QVERIFY(keyboard.receive(toReport(setting)).empty());
    QCOMPARE(keyboard.receivedLog().back().note == "mode not reported", flagged);
    QCOMPARE(QByteArray::fromStdString(keyboard.dumpJson()).contains("\"note\":\"mode not reported\""), flagged);
}

void TestSimKeyboard::customLightFramesFillTheirSlot()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    for (int packet = 0; packet < 8; ++packet) {
        const int count = packet < 7 ? 54 : 18;
        QByteArray colours;
        for (int i = 0; i < count; ++i)
            colours.append(char(packet * 54 + i));
        QVERIFY(
            keyboard.receive(toReport(frame({{0, 1}, {1, 0x08}, {2, 1}, {4, packet}, {5, count}}, colours))).empty());
    }
    const SimCustomLightSlot &slot = keyboard.memory().customLightSlots[1];
    for (size_t i = 0; i < slot.size(); ++i)
        QCOMPARE(int(slot[i]), int(i % 256));
    QVERIFY(keyboard.memory().customLightSlots[0] == SimCustomLightSlot{});

    // Frames for a fourth slot or a ninth packet are refused and noted.
    for (const QByteArray &bad :
         {frame({{0, 1}, {1, 0x08}, {2, 3}, {5, 3}}, "abc"), frame({{0, 1}, {1, 0x08}, {4, 8}, {5, 3}}, "abc")}) {
        keyboard.receive(toReport(bad));
        QCOMPARE(keyboard.receivedLog().back().note, std::string("custom-light frame refused"));
    }
    QVERIFY(keyboard.memory().customLightSlots[0] == SimCustomLightSlot{});
    QVERIFY(keyboard.dumpJson().find("\"customLightSlots\":{\"0\":\"00 00") != std::string::npos);
}

void TestSimKeyboard::lightStreamNeedsSynchronisation()
{
    SimKeyboard keyboard = makeKeyboard("Aster104");
    const auto stream = [&](int area, int packet, int count, char value) {
        return keyboard.receive(
            toReport(frame({{0, 1}, {1, 0x0E}, {2, area}, {4, packet}, {5, count}}, QByteArray(count, value))));
    };
    QVERIFY(stream(0, 0, 54, 7).empty());
    QCOMPARE(keyboard.receivedLog().back().note, std::string("light stream while not synchronised: ignored"));
    QCOMPARE(int(keyboard.memory().lightStream.keys[0]), 0);

    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x16}, {5, 1}, {6, 1}}))).empty());
    for (int round = 0; round < 2; ++round) {
        for (int packet = 0; packet < 8; ++packet)
            QVERIFY(stream(0, packet, packet < 7 ? 54 : 18, char(0x11)).empty());
        QCOMPARE(keyboard.memory().lightStream.completeSets, uint32_t(round)); // the side part is missing
        stream(1, 0, 54, char(0x22));
        stream(1, 1, 45, char(0x22));
        QCOMPARE(keyboard.memory().lightStream.completeSets, uint32_t(round + 1));
    }
    const SimLightStreamMemory &memory = keyboard.memory().lightStream;
    QVERIFY(std::all_of(memory.keys.begin(), memory.keys.end(), [](uint8_t b) { return b == 0x11; }));
    QVERIFY(std::all_of(memory.side.begin(), memory.side.begin() + 99, [](uint8_t b) { return b == 0x22; }));
    QCOMPARE(int(memory.side[99]), 0);

    // The last compact state is kept; a receiver's custom light goes to its own buffer.
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x28}, {4, 8}, {5, 3}}))).empty());
    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x08}, {2, 2}, {4, 7}, {5, 3}}, "abc"))).empty());
    QCOMPARE(int(memory.customLight[7 * 54 + 2]), int('c'));
    QVERIFY(keyboard.memory().customLightSlots[0] == SimCustomLightSlot{});
    const std::string dump = keyboard.dumpJson();
    QVERIFY(dump.find("\"lightState\":\"01 28 00 00 08 03") != std::string::npos);
    QVERIFY(dump.find("\"lightStreamSets\":2") != std::string::npos);
    QVERIFY(dump.find("\"lightSynchronised\":true") != std::string::npos);

    QVERIFY(keyboard.receive(toReport(frame({{0, 1}, {1, 0x16}, {5, 1}, {6, 0}}))).empty());
    stream(0, 0, 54, 9);
    QCOMPARE(int(keyboard.memory().lightStream.keys[0]), 0x11);
}

QTEST_GUILESS_MAIN(TestSimKeyboard)
#include "tst_simkeyboard.moc"
