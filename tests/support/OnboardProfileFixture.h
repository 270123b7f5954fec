#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QString>
#include <QVector>

#include <list>

// A device folder with both layer files and an advanced-key file, filled through the XML store as the
// pages fill it. The default layer's current profile is 2 and the FN layer's 1; the other profile of
// each file holds decoys, so reading the wrong profile shows.
class OnboardProfileFixture
{
public:
    explicit OnboardProfileFixture(const QString &folder);

    QString folder() const { return m_folder; }
    QString layerPath(int pass) const;
    QString seniorKeyPath() const;

    // pass 0 default layer, 1 FN layer.
    void setKey(int pass, int keyCode, const char *type, const char *mode, const QString &value,
                const char *count = "1");
    // Stores the bound copy of a macro in the layer's current profile.
    void bindMacro(int pass, int macroIndex, const std::list<MacroEvent> &events);
    void addAdvancedKey(const SeniorKeyInfoStu &key);

    static MacroEvent macroEvent(const char *type, int code, const char *direction, int delay);
    // A 6 x 22 key list with gaps (0), the Fn key (-10) and Volume+ (128, its code 7 placed at 127);
    // otherwise position + 1, so every code stands once.
    static QVector<int> keyMatrix();
    // A press and a release of each code.
    static std::list<MacroEvent> typing(const QVector<int> &codes, int delay);

private:
    QString profileIndex(int pass) const;

    QString m_folder;
};
