#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

// A macro file and an advanced-key file, made the data manager's, and a look into a profile's
// bound macro copies.
class MacroFileFixture
{
public:
    MacroFileFixture();

    QByteArray macroPath() const;
    QByteArray seniorKeyPath() const;
    // A macro typing the key codes, or, when it exists, its events replaced by them.
    void setMacro(int index, const char *name, const QVector<int> &codes);
    void addSeniorKey(int id, const char *name);
    // The key codes and directions of the profile's copy of the macro ("4:down"); empty without one.
    static QStringList copyCodes(const QByteArray &profilePath, int profile, int macroIndex);
    static bool hasCopy(const QByteArray &profilePath, int profile, int macroIndex);

private:
    QTemporaryDir m_folder;
};
