#pragma once

#include "sdk/protocol/OnboardLayout.h"
#include "sdk/store/VorlanXmlRecords.h"
#include "ui/mainwidget/devicePage/download/OnboardKeyEncoder.h"
#include "ui/mainwidget/devicePage/download/OnboardMacroImage.h"

#include <QByteArray>
#include <QVector>

// The 64-byte reports of the on-board download: key layers (0x17), macro slots (0x18) and the
// advanced-key store (0x2A), laid out as OnboardLayout says.
class OnboardReports
{
public:
    // entryBytes: 4 per key, at most 14 keys; only the low 8 bits of each go out.
    static QByteArray keyReport(int layerCode, int packet, const QVector<int> &entryBytes);
    // The five parts that carry one macro image into a slot; play mode 1..4 and play count as stored with the key.
    static QVector<QByteArray> macroReports(int slot, const OnboardMacroImage &image, int playMode, int playCount);
    static QVector<QByteArray> blankMacroReports(int slot);
    static QByteArray advancedKeyReport(int storeIndex, const SeniorKeyInfoStu &key);
    static QByteArray blankAdvancedKeyReport(int storeIndex);

private:
    static QByteArray frame(uint8_t command, int byte2, int byte4, int length);
    static void put(QByteArray &report, int offset, const OnboardKeyEntry &field);
};
