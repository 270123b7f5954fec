#include "device/ForwardedKeyReport.h"

namespace {

constexpr int kFirstModifier = 224;
constexpr int kFirstKeyByte = 2;
constexpr int kReportSize = 8;

int byteAt(const QByteArray &report, int index)
{
    return index < report.size() ? static_cast<unsigned char>(report.at(index)) : 0;
}

bool holdsKey(const QByteArray &report, int usage)
{
    for (int index = kFirstKeyByte; index < kReportSize; ++index) {
        if (byteAt(report, index) == usage)
            return true;
    }
    return false;
}

void appendModifiers(const QByteArray &from, const QByteArray &against, bool pressed,
                     QVector<ForwardedKeyChange> &changes)
{
    const int added = byteAt(from, 0) & ~byteAt(against, 0);
    for (int bit = 0; bit < 8; ++bit) {
        if (added & (1 << bit))
            changes.append({kFirstModifier + bit, pressed});
    }
}

void appendKeys(const QByteArray &from, const QByteArray &against, bool pressed, QVector<ForwardedKeyChange> &changes)
{
    for (int index = kFirstKeyByte; index < kReportSize; ++index) {
        const int usage = byteAt(from, index);
        if (usage != 0 && !holdsKey(against, usage))
            changes.append({usage, pressed});
    }
}

} // namespace

QVector<ForwardedKeyChange> ForwardedKeyReport::changes(const QByteArray &last, const QByteArray &now)
{
    QVector<ForwardedKeyChange> result;
    appendModifiers(now, last, true, result);
    appendKeys(now, last, true, result);
    appendModifiers(last, now, false, result);
    appendKeys(last, now, false, result);
    return result;
}

int ForwardedKeyReport::modifierBitToUsage(int modifierByte)
{
    for (int bit = 0; bit < 8; ++bit) {
        if (modifierByte == (1 << bit))
            return kFirstModifier + bit;
    }
    return -1;
}
