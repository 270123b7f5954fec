#include "sdk/light/LightEffectState.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Keyboard mode codes the effects know (13 DPI and 10 Custom included, 100 is the PC's music).
constexpr int kMusicMode = 100;
constexpr int kPressLife = 30; // steps a key press keeps spreading
constexpr int kMaxCount = 9;
constexpr int kAutoRippleEvery = 40;
constexpr int kSpeedRespondWindow = 100;

enum Direction { Right = 0, Left, Up, Down, Dispersion, Gather, Cw, UnCw };

int angleOf(int row, int column)
{
    // Around the keyboard's centre; rows are about twice as high as a column is wide.
    const double dy = (row * 2 - 5) * 2.0;
    const double dx = column * 2 - 21;
    double degrees = std::atan2(dy, dx) * 180.0 / 3.14159265358979323846;
    if (degrees < 0)
        degrees += 360.0;
    return int(degrees) % 360;
}

int wrap(int64_t value, int modulus)
{
    const int64_t m = value % modulus;
    return int(m < 0 ? m + modulus : m);
}

} // namespace

LightEffectState::LightEffectState()
{
    m_keyboard.lightMode = 0;
    m_side.area = 1;
}

void LightEffectState::seed(uint32_t value)
{
    m_random = value ? value : 0x9e3779b9u;
}

uint32_t LightEffectState::nextRandom()
{
    // xorshift32
    uint32_t x = m_random;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    m_random = x;
    return x;
}

bool LightEffectState::keyboardModeKnown(int mode)
{
    return (mode >= 0 && mode <= 16) || mode == kMusicMode;
}

LightEffectState::Rgb LightEffectState::hue(int degrees)
{
    const int h = wrap(degrees, 360);
    const int sector = h / 60;
    const int rise = (h % 60) * 255 / 60;
    const int fall = 255 - rise;
    switch (sector) {
    case 0: return {255, rise, 0};
    case 1: return {fall, 255, 0};
    case 2: return {0, 255, rise};
    case 3: return {0, fall, 255};
    case 4: return {rise, 0, 255};
    default: return {255, 0, fall};
    }
}

int LightEffectState::triangle(int phase, int span)
{
    const int half = span / 2;
    const int value = phase < half ? phase * 255 / half : (span - phase) * 255 / half;
    return std::clamp(value, 0, 255);
}

LightEffectState::Rgb LightEffectState::color1(const colorInfoData &record) const
{
    return {record.colorR, record.colorG, record.colorB};
}

LightEffectState::Rgb LightEffectState::pressColor()
{
    if (m_keyboard.fullColor == 1)
        return hue(int(nextRandom() % 360));
    return color1(m_keyboard);
}

void LightEffectState::restartKeyboard()
{
    m_keyStep = 0;
    m_presses.clear();
    m_pressSteps.clear();
    m_counts.fill(0);
    m_cellColors.fill({0, 0, 0});
    m_twinkle.fill(0);
    m_autoRunning = false;
    m_autoRipple = {};
    m_ripple = color1(m_keyboard);
}

void LightEffectState::restartSide()
{
    m_sideStep = 0;
    m_collisionHead1 = m_collisionHead2 = m_collisionRound = 0;
}

int LightEffectState::setKeyboard(const colorInfoData &record, int keyCount, const std::string &modelName,
                                  bool hasSideLight)
{
    if (record.area != 0 || !keyboardModeKnown(record.lightMode))
        return kRefused;
    m_keyboard = record;
    m_keyCount = keyCount;
    m_modelName = modelName;
    m_hasSideLight = hasSideLight;
    restartKeyboard();
    return kTaken;
}

int LightEffectState::setSide(const colorInfoData &record, int count, const std::vector<int> &validFlags)
{
    if (record.area != 1 || record.lightMode < 0 || record.lightMode > 5 || count < 0 || count > kLightSideCells)
        return kRefused;
    m_side = record;
    m_sideCount = count;
    m_sideValid = validFlags;
    restartSide();
    return kTaken;
}

int LightEffectState::keyboardChanged(const colorInfoData &record)
{
    if (record.area != 0 || !keyboardModeKnown(record.lightMode))
        return kRefused;
    const bool sameMode = record.lightMode == m_keyboard.lightMode;
    m_keyboard = record;
    if (!sameMode)
        restartKeyboard();
    return kTaken;
}

int LightEffectState::sideChanged(const colorInfoData &record)
{
    if (record.area != 1 || record.lightMode < 0 || record.lightMode > 5)
        return kRefused;
    const bool sameMode = record.lightMode == m_side.lightMode;
    m_side = record;
    if (!sameMode)
        restartSide();
    return kTaken;
}

int LightEffectState::keyPosition(int row, int column) const
{
    switch (m_keyboard.direction) {
    case Left: return kLightKeyColumns - 1 - column;
    case Up: return kLightKeyRows - 1 - row;
    case Down: return row;
    case Dispersion: return (std::abs(row * 2 - 5) + std::abs(column * 2 - 21)) / 2;
    case Gather: return 13 - (std::abs(row * 2 - 5) + std::abs(column * 2 - 21)) / 2;
    case Cw: return angleOf(row, column) / 16;
    case UnCw: return (359 - angleOf(row, column)) / 16;
    default: return column;
    }
}

void LightEffectState::stepKeyboard(LightCellStu (&frame)[kLightKeyCells])
{
    std::fill(std::begin(frame), std::end(frame), LightCellStu{});
    const Rgb c1 = color1(m_keyboard);
    const bool full = m_keyboard.fullColor == 1;
    const int64_t step = m_keyStep;
    switch (m_keyboard.lightMode) {
    case 1: { // Breath: one alpha for all cells, a new hue each breath in full colour
        const int span = 96;
        const Rgb c = full ? hue(int(step / span) * 67) : c1;
        const int a = triangle(wrap(step, span), span);
        for (LightCellStu &cell : frame)
            cell = {c.red, c.green, c.blue, 0, 0, 0, a, 0, 0, 0, 0};
        break;
    }
    case 2: // Wave
        for (int row = 0; row < kLightKeyRows; ++row) {
            for (int column = 0; column < kLightKeyColumns; ++column) {
                LightCellStu &cell = frame[row * kLightKeyColumns + column];
                const int p = keyPosition(row, column);
                if (full) {
                    const Rgb c = hue(int(p * 17 - step * 6));
                    cell = {c.red, c.green, c.blue, 0, 0, 0, 255, 0, 0, 0, 0};
                } else {
                    cell = {c1.red, c1.green, c1.blue, 0, 0, 0, triangle(wrap(p * 24 - step * 8, 512), 512),
                            0,      0,        0,       0};
                }
            }
        }
        break;
    case 3: { // Neon
        const Rgb c = full ? hue(int(step * 3)) : c1;
        const int a = full ? 255 : triangle(wrap(step * 4, 512), 512);
        for (LightCellStu &cell : frame)
            cell = {c.red, c.green, c.blue, 0, 0, 0, a, 0, 0, 0, 0};
        break;
    }
    case 4:
    case 15: renderAngular(frame); break;
    case 5: renderSnake(frame); break;
    case 6:
    case 7:
    case 8:
    case 11:
    case 16:
    case 14: renderReactive(frame); break;
    case 9: renderTwinkle(frame); break;
    case 12: renderSpeedRespond(frame); break;
    case kMusicMode: break;
    default: // Static, and the modes the PC colours itself (Custom, DPI)
        for (LightCellStu &cell : frame)
            cell = {c1.red, c1.green, c1.blue, 0, 0, 0, 255, 0, 0, 0, 0};
        break;
    }
    std::copy(std::begin(frame), std::end(frame), std::begin(m_lastKeyFrame));
    ++m_keyStep;
}

void LightEffectState::renderAngular(LightCellStu (&frame)[kLightKeyCells])
{
    const Rgb c1 = color1(m_keyboard);
    const bool full = m_keyboard.fullColor == 1;
    const int turn = m_keyboard.direction == UnCw ? -1 : 1;
    const int beam = wrap(m_keyStep * 6 * turn, 360);
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            const int angle = angleOf(row, column);
            int a;
            if (m_keyboard.lightMode == 4) {
                // Radar: the beam with a fading trail behind it.
                const int behind = wrap((beam - angle) * turn, 360);
                a = behind < 90 ? 255 - behind * 255 / 90 : 0;
            } else {
                // Striation: stripes of 30 degrees turning.
                a = (wrap(angle - beam, 360) / 30) % 2 ? 255 : 0;
            }
            const Rgb c = full ? hue(angle) : c1;
            frame[row * kLightKeyColumns + column] = {c.red, c.green, c.blue, 0, 0, 0, a, 0, 0, 0, 0};
        }
    }
}

void LightEffectState::renderSnake(LightCellStu (&frame)[kLightKeyCells])
{
    const Rgb c1 = color1(m_keyboard);
    const bool full = m_keyboard.fullColor == 1;
    const bool reverse = m_keyboard.direction == UnCw;
    const int head = reverse ? kLightKeyCells - 1 - wrap(m_keyStep, kLightKeyCells) : wrap(m_keyStep, kLightKeyCells);
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            // The body runs along the rows back and forth.
            const int index = row * kLightKeyColumns + (row % 2 == 0 ? column : kLightKeyColumns - 1 - column);
            const int behind = reverse ? wrap(index - head, kLightKeyCells) : wrap(head - index, kLightKeyCells);
            LightCellStu &cell = frame[row * kLightKeyColumns + column];
            const Rgb c = full ? hue(index * 360 / kLightKeyCells) : c1;
            cell = {c.red, c.green, c.blue, 0, 0, 0, 0, 0, 0, 0, 0};
            if (behind < kMaxCount) {
                cell.code = kMaxCount - behind;
                cell.alpha = 255 - behind * 25;
            }
        }
    }
}

bool LightEffectState::pressReaches(const Press &press, int row, int column) const
{
    const int dr = std::abs(row - press.row);
    const int dc = std::abs(column - press.column);
    const int radius = press.age / 2;
    if (press.age == 0)
        return dr == 0 && dc == 0;
    if (press.age % 2)
        return false;
    switch (m_keyboard.lightMode) {
    case 6: // Reactive: the key alone
        return false;
    case 7: // Aurora: a vertical front moving out (or in with Gather)
        if (m_keyboard.direction == Gather)
            return dc == std::max(0, kLightKeyColumns - radius);
        return dc == radius;
    case 11: // Cross: the key's row and column
        return (dr == 0 && dc == radius) || (dc == 0 && dr == radius);
    case 16: // Fireworks: a sparse burst
        return std::max(dr, dc) == radius && radius <= 5 && (row * 7 + column * 3 + press.row) % 3 == 0;
    default: // Ripple, Auto Ripple: a ring
        return std::max(dr, dc) == radius;
    }
}

void LightEffectState::renderReactive(LightCellStu (&frame)[kLightKeyCells])
{
    const bool autoRipple = m_keyboard.lightMode == 14;
    for (int &count : m_counts)
        count = std::max(0, count - 1);

    std::vector<Press *> active;
    if (autoRipple) {
        if (!m_autoRunning && m_keyStep % kAutoRippleEvery == 0) {
            const Rgb c = pressColor();
            m_autoRipple = {
                int(nextRandom() % kLightKeyRows), int(nextRandom() % kLightKeyColumns), 0, c.red, c.green, c.blue};
            m_autoRunning = true;
        }
        if (m_autoRunning)
            active.push_back(&m_autoRipple);
    } else {
        for (Press &press : m_presses)
            active.push_back(&press);
    }
    for (Press *press : active) {
        for (int row = 0; row < kLightKeyRows; ++row) {
            for (int column = 0; column < kLightKeyColumns; ++column) {
                if (pressReaches(*press, row, column)) {
                    m_counts[row * kLightKeyColumns + column] = kMaxCount;
                    m_cellColors[row * kLightKeyColumns + column] = {press->red, press->green, press->blue};
                }
            }
        }
        ++press->age;
    }
    for (int i = 0; i < kLightKeyCells; ++i) {
        const int k = m_counts[i];
        const Rgb c = k ? m_cellColors[i] : Rgb{0, 0, 0};
        frame[i] = {c.red, c.green, c.blue, 0, 0, 0, k * 255 / kMaxCount, 0, k, 0, 0};
    }
    if (autoRipple) {
        frame[0].flag = m_autoRunning ? 1 : 0;
        if (m_autoRunning && m_autoRipple.age > kPressLife)
            m_autoRunning = false;
    }
    m_presses.erase(
        std::remove_if(m_presses.begin(), m_presses.end(), [](const Press &press) { return press.age > kPressLife; }),
        m_presses.end());
}

void LightEffectState::renderTwinkle(LightCellStu (&frame)[kLightKeyCells])
{
    const bool full = m_keyboard.fullColor == 1;
    for (int i = 0; i < kLightKeyCells; ++i) {
        int &phase = m_twinkle[i];
        if (phase == 0 && nextRandom() % 40 == 0) {
            phase = 1;
            m_cellColors[i] = full ? hue(int(nextRandom() % 360)) : color1(m_keyboard);
        } else if (phase > 0) {
            phase += 16;
            if (phase >= 512)
                phase = 0;
        }
        const Rgb c = m_cellColors[i];
        frame[i] = {c.red, c.green, c.blue, 0, 0, 0, phase ? triangle(phase, 512) : 0, 0, 0, 0, 0};
    }
}

void LightEffectState::renderSpeedRespond(LightCellStu (&frame)[kLightKeyCells])
{
    m_pressSteps.erase(std::remove_if(m_pressSteps.begin(), m_pressSteps.end(),
                                      [this](int64_t at) { return m_keyStep - at >= kSpeedRespondWindow; }),
                       m_pressSteps.end());
    const int level = std::min<int>(kLightKeyRows, int(m_pressSteps.size()));
    const bool full = m_keyboard.fullColor == 1;
    for (int row = 0; row < kLightKeyRows; ++row) {
        const bool lit = m_keyboard.direction == Down ? row < level : kLightKeyRows - 1 - row < level;
        const Rgb c = full ? hue(row * 60) : color1(m_keyboard);
        for (int column = 0; column < kLightKeyColumns; ++column)
            frame[row * kLightKeyColumns + column] = {c.red, c.green, c.blue, 0, 0, 0, lit ? 255 : 0, 0, 0, level, 0};
    }
}

void LightEffectState::stepSide(LightCellStu (&frame)[kLightSideCells])
{
    std::fill(std::begin(frame), std::end(frame), LightCellStu{});
    const Rgb c1 = color1(m_side);
    const Rgb c2 = {m_side.bgColorR, m_side.bgColorG, m_side.bgColorB};
    const bool full = m_side.fullColor == 1;
    const int64_t step = m_sideStep;
    const int n = m_sideCount;
    if (m_side.lightMode == 3) {
        const int half = std::max(1, (n + 1) / 2);
        const int pos = wrap(step / 2, half);
        m_collisionHead1 = pos;
        m_collisionHead2 = std::max(0, n - 1 - pos);
        m_collisionRound = int(step / 2 / half);
    }
    for (int i = 0; i < n; ++i) {
        LightCellStu &cell = frame[i];
        switch (m_side.lightMode) {
        case 0: cell = {c1.red, c1.green, c1.blue, 0, 0, 0, 255, 0, 0, 0, 0}; break;
        case 1: {
            const int span = 96;
            const Rgb c = full ? hue(int(step / span) * 67) : c1;
            cell = {c.red, c.green, c.blue, 0, 0, 0, triangle(wrap(step, span), span), 0, 0, 0, 0};
            break;
        }
        case 2: {
            const int p = m_side.direction == Left ? n - 1 - i : i;
            if (full) {
                const Rgb c = hue(int(p * 12 - step * 6));
                cell = {c.red, c.green, c.blue, 0, 0, 0, 255, 0, 0, 0, 0};
            } else {
                cell = {c1.red, c1.green, c1.blue, 0, 0, 0, triangle(wrap(p * 24 - step * 8, 512), 512), 0, 0, 0, 0};
            }
            break;
        }
        case 3: {
            // Two heads run from the ends towards the middle, each with a fading tail.
            const int distance = std::min(std::abs(i - m_collisionHead1), std::abs(i - m_collisionHead2));
            const Rgb c = full ? hue(m_collisionRound * 67) : c1;
            const Rgb bg = full ? hue(m_collisionRound * 67 + 180) : c2;
            cell = {c.red, c.green, c.blue, bg.red, bg.green, bg.blue, 0, 0, 0, 0, 0};
            if (distance < kMaxCount) {
                cell.code = kMaxCount - distance;
                cell.alpha = 255 - distance * 28;
            }
            break;
        }
        case 4: {
            const Rgb c = full ? hue(int(step * 3)) : c1;
            cell = {c.red, c.green, c.blue, 0, 0, 0, full ? 255 : triangle(wrap(step * 4, 512), 512), 0, 0, 0, 0};
            break;
        }
        default: // Close
            break;
        }
        const bool valid = i < int(m_sideValid.size()) && m_sideValid[i] == 1;
        if (!valid)
            cell = LightCellStu{};
    }
    ++m_sideStep;
}

void LightEffectState::colorMix(int row, int column, int &red, int &green, int &blue) const
{
    red = green = blue = 0;
    if (row < 0 || row >= kLightKeyRows || column < 0 || column >= kLightKeyColumns)
        return;
    const LightCellStu &cell = m_lastKeyFrame[row * kLightKeyColumns + column];
    red = cell.red * cell.alpha / 255;
    green = cell.green * cell.alpha / 255;
    blue = cell.blue * cell.alpha / 255;
}

void LightEffectState::keyClicked(int row, int column)
{
    if (row < 0 || row >= kLightKeyRows || column < 0 || column >= kLightKeyColumns)
        return;
    const Rgb c = pressColor();
    m_ripple = c;
    m_presses.push_back({row, column, 0, c.red, c.green, c.blue});
    m_pressSteps.push_back(m_keyStep);
}

void LightEffectState::rippleColor(int &red, int &green, int &blue) const
{
    red = m_ripple.red;
    green = m_ripple.green;
    blue = m_ripple.blue;
}

std::array<int, 5> LightEffectState::autoRippleConfig() const
{
    if (!m_autoRunning)
        return {0, 0, 0, 0, 0};
    return {m_autoRipple.row, m_autoRipple.column, m_autoRipple.red, m_autoRipple.green, m_autoRipple.blue};
}

void LightEffectState::sideCollisionConfig(int32_t &value, uint8_t &byte) const
{
    value = int32_t(uint32_t(m_collisionHead1 & 0xff) | uint32_t(m_collisionHead2 & 0xff) << 8
                    | uint32_t(m_collisionRound & 0xff) << 16);
    byte = uint8_t(m_sideCount);
}
