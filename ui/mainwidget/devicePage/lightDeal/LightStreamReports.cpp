#include "ui/mainwidget/devicePage/lightDeal/LightStreamReports.h"

namespace {

constexpr int kPayloadStart = 6;
constexpr int kMusicMode = 100;
constexpr int kBarCount = 11;

unsigned char low8(int value)
{
    return static_cast<unsigned char>(value & 0xff);
}

bool isPressMode(int mode)
{
    return mode == 6 || mode == 7 || mode == 8 || mode == 11 || mode == 16;
}

} // namespace

HidCmdReport LightStreamReports::syncReport(bool on)
{
    HidCmdReport report(CMD_LIGHT_SYNC);
    report[5] = 1;
    report[6] = on ? 1 : 0;
    return report;
}

HidCmdReport LightStreamReports::streamReport(int area, int packet, const QVector<uint8_t> &rgb)
{
    HidCmdReport report(CMD_LIGHT_STREAM);
    const int count = qMin(rgb.size(), ledsPerPacket * 3);
    report[2] = low8(area);
    report[4] = low8(packet);
    report[5] = low8(count);
    for (int i = 0; i < count; ++i)
        report[kPayloadStart + i] = rgb.at(i);
    return report;
}

QVector<HidCmdReport> LightStreamReports::keyStream(const QVector<uint8_t> &rgb)
{
    QVector<HidCmdReport> reports;
    for (int start = 0, packet = 0; start < keyLedCount; start += ledsPerPacket, ++packet) {
        const int leds = qMin(ledsPerPacket, keyLedCount - start);
        reports.append(streamReport(0, packet, rgb.mid(start * 3, leds * 3)));
    }
    return reports;
}

QVector<HidCmdReport> LightStreamReports::sideStream(const QVector<uint8_t> &rgb, int ledCount)
{
    // A count that is a multiple of 18 ends with a full packet; otherwise the last packet carries
    // the rest.
    QVector<HidCmdReport> reports;
    for (int start = 0, packet = 0; start < ledCount; start += ledsPerPacket, ++packet) {
        const int leds = qMin(ledsPerPacket, ledCount - start);
        QVector<uint8_t> bytes = rgb.mid(start * 3, leds * 3);
        bytes.resize(leds * 3);
        reports.append(streamReport(1, packet, bytes));
    }
    return reports;
}

HidCmdReport LightStreamReports::compactState(const CompactState &state, int64_t msecsSinceEpoch, bool *pressSpent)
{
    HidCmdReport report(CMD_LIGHT_STATE);
    report.setBigEndian16(2, static_cast<uint16_t>(msecsSinceEpoch & 0xffff));
    report[4] = low8(state.keyboardMode);
    if (pressSpent)
        *pressSpent = false;
    const int mode = state.keyboardMode;
    if (mode == kMusicMode) {
        int s = 0;
        for (int bar = 0; bar < kBarCount && bar < state.columnsPerBar.size() && state.columnsPerBar.at(bar) > 0
                          && !state.columnLevels.isEmpty();
             ++bar) {
            s += state.columnsPerBar.at(bar);
            report[5 + bar] = low8(state.columnLevels.value(s - 1));
            report[16 + bar] = low8(state.columnIntensities.value(s - 1));
        }
    } else if (mode == 0 || mode == 1 || mode == 3) {
        report[5] = low8(state.firstKeyRed);
        report[6] = low8(state.firstKeyGreen);
        report[7] = low8(state.firstKeyBlue);
    } else if (isPressMode(mode)) {
        if (state.pressPending) {
            report[5] = low8(state.pressRow);
            report[6] = low8(state.pressColumn);
            report[7] = low8(state.rippleRed);
            report[8] = low8(state.rippleGreen);
            report[9] = low8(state.rippleBlue);
            if (pressSpent)
                *pressSpent = true;
        }
    } else if (mode == 12) {
        if (state.speedRespondSet) {
            report[5] = low8(state.speedRespondLevel);
            report[6] = low8(state.speedRespondValue);
        }
    } else if (mode == 14) {
        if (state.autoRippleRunning) {
            for (int i = 0; i < 5; ++i)
                report[5 + i] = low8(state.autoRipple[i]);
        }
    }
    if (state.hasSideLight) {
        report[34] = low8(state.sideMode);
        switch (state.sideMode) {
        case 0:
        case 1:
        case 4:
        case 5:
            report[35] = low8(state.sideRed);
            report[36] = low8(state.sideGreen);
            report[37] = low8(state.sideBlue);
            break;
        case 3: {
            // Least significant byte first, unlike the rest of the protocol.
            const uint32_t value = static_cast<uint32_t>(state.collisionValue);
            for (int i = 0; i < 4; ++i)
                report[35 + i] = low8(int(value >> (8 * i)));
            report[39] = state.collisionByte;
            break;
        }
        default: break;
        }
    }
    return report;
}
