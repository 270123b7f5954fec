#include "ui/mainwidget/devicePage/download/OnboardReports.h"

#include "sdk/protocol/HidCmd.h"

#include <algorithm>

using namespace OnboardLayout;

namespace {

char low8(int value)
{
    return static_cast<char>(value & 0xFF);
}

} // namespace

QByteArray OnboardReports::frame(uint8_t command, int byte2, int byte4, int length)
{
    QByteArray report(reportSize, '\0');
    report[0] = 1;
    report[1] = static_cast<char>(command);
    report[2] = low8(byte2);
    report[4] = low8(byte4);
    report[5] = low8(length);
    return report;
}

void OnboardReports::put(QByteArray &report, int offset, const OnboardKeyEntry &field)
{
    for (int i = 0; i < 4; ++i)
        report[offset + i] = low8(field[static_cast<size_t>(i)]);
}

QByteArray OnboardReports::keyReport(int layerCode, int packet, const QVector<int> &entryBytes)
{
    const int count = std::min(entryBytes.size(), 4 * keysPerReport);
    QByteArray report = frame(CMD_ONBOARD_KEYS, layerCode, packet, count);
    for (int i = 0; i < count; ++i)
        report[6 + i] = low8(entryBytes[i]);
    return report;
}

QVector<QByteArray> OnboardReports::macroReports(int slot, const OnboardMacroImage &image, int playMode, int playCount)
{
    QVector<QByteArray> parts = blankMacroReports(slot);
    const QByteArray &bytes = image.bytes();
    QByteArray &first = parts[0];
    first[7] = low8(playMode - 1);
    first[9] = low8(4 * image.eventCount());
    first[11] = low8(playCount);
    std::copy_n(bytes.constData(), macroPartZeroBytes, first.data() + macroPartZeroOffset);
    for (int part = 1; part < macroParts; ++part) {
        const int from = macroPartZeroBytes + macroPartBytes * (part - 1);
        const int length = part == macroParts - 1 ? macroLastPartBytes : macroPartBytes;
        std::copy_n(bytes.constData() + from, length, parts[part].data() + 6);
    }
    return parts;
}

QVector<QByteArray> OnboardReports::blankMacroReports(int slot)
{
    QVector<QByteArray> parts;
    for (int part = 0; part < macroParts; ++part)
        parts.append(
            frame(CMD_ONBOARD_MACRO, slot, part, part == macroParts - 1 ? macroLastPartBytes : macroPartBytes));
    return parts;
}

QByteArray OnboardReports::advancedKeyReport(int storeIndex, const SeniorKeyInfoStu &key)
{
    QByteArray report = frame(CMD_ONBOARD_ADVANCED_KEY, storeIndex, 0, 0x32);
    report[6] = low8(key.type);
    const auto field = [](const char *text, size_t size) {
        return OnboardKeyEncoder::advancedKeyField(OnboardKeyEncoder::fieldText(text, size));
    };
    switch (key.type) {
    case 1: {
        put(report, 7, {key.travel[0], key.travel[1], key.travel[2], key.travel[3]});
        const char *texts[] = {key.key1, key.key2, key.key3, key.key4};
        // Each key text is followed by its four stage cells.
        for (int k = 0; k < 4; ++k) {
            const int offset = 11 + 8 * k;
            put(report, offset, field(texts[k], sizeof(key.key1)));
            put(report, offset + 4, {key.dks[4 * k], key.dks[4 * k + 1], key.dks[4 * k + 2], key.dks[4 * k + 3]});
        }
        break;
    }
    case 2:
        put(report, 7, field(key.key1, sizeof(key.key1)));
        put(report, 11, field(key.key2, sizeof(key.key2)));
        report[15] = low8(key.holdMs / 10);
        break;
    case 3: put(report, 7, field(key.key1, sizeof(key.key1))); break;
    default: break;
    }
    return report;
}

QByteArray OnboardReports::blankAdvancedKeyReport(int storeIndex)
{
    return frame(CMD_ONBOARD_ADVANCED_KEY, storeIndex, 0, 0x32);
}
