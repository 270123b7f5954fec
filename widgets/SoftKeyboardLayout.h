#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The on-screen keyboard's layout file: JSON rows "EveryKeyInfo_Row01" .. "EveryKeyInfo_Row06" of
// key objects with "PosX", "PosY", "Width", "Height", "Dec", "qtDec" and "Character".
namespace SoftKeyboardLayout {

constexpr int UsLayoutNumber = 31;

struct SoftKeyInfo
{
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    int dec = 0;   // USB HID usage, -10 for Fn
    int qtDec = 0; // Windows virtual-key code
    QString legend;
};

// "softKeyInfoNormalUS.config" for the US layout, else "softKeyInfoNormal_<n>.config".
QString fileName(int layoutNumber);

// Reads the keys in row and file order. False when the text is not JSON; a key object lacking a
// field (or holding one of the wrong type) is skipped with a logged line.
bool parse(const QByteArray &text, int layoutNumber, QVector<SoftKeyInfo> *keys);

// Legend shown for a key: national keys get translated names, the quote key a fixed text,
// and layout 91 a few keys of its own.
QString legendFor(int dec, const QString &rawLegend, int layoutNumber);

} // namespace SoftKeyboardLayout
