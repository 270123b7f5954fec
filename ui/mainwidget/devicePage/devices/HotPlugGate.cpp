#include "ui/mainwidget/devicePage/devices/HotPlugGate.h"

int HotPlugGate::matchingEntry(const QList<SupportInfoStu> &supported, const QString &path)
{
    for (int i = 0; i < supported.size(); ++i) {
        const SupportInfoStu &entry = supported.at(i);
        const QString vid = QString::fromLatin1(entry.vidText, int(qstrnlen(entry.vidText, sizeof(entry.vidText))));
        const QString pid = QString::fromLatin1(entry.pidText, int(qstrnlen(entry.pidText, sizeof(entry.pidText))));
        // An empty text occurs in every path and would make the entry match any device.
        if (vid.isEmpty() || pid.isEmpty())
            continue;
        if (path.contains(vid, Qt::CaseInsensitive) && path.contains(pid, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

bool HotPlugGate::isUpgradeModeDevice(const QString &path)
{
    static const char *const pairs[][2] = {{"0416", "3f00"}, {"1FC9", "F7DF"}, {"0416", "3f01"}};
    for (const auto &pair : pairs) {
        if (path.contains(QLatin1String(pair[0]), Qt::CaseInsensitive)
            && path.contains(QLatin1String(pair[1]), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

HotPlugDecision HotPlugGate::decide(const QList<SupportInfoStu> *supported, const QString &path, bool arrival)
{
    HotPlugDecision decision;
    decision.emitSignal = supported && matchingEntry(*supported, path) >= 0;
    decision.scheduleUpgrade = arrival && isUpgradeModeDevice(path);
    return decision;
}
