#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CustomLightDefaults;

// The profile folder of one keyboard (<user configuration folder>/<model>/<serial number>) and its
// layer files: Default, FN and, on magnetic keyboards, the third layer.
class ProfileFolder
{
public:
    ProfileFolder(const QString &userConfigDir, const QString &model, const QString &serialNumber, bool magnetic);

    static QString defaultFileName();
    static QString fnFileName();
    static QString magneticFileName();

    // False when the model or serial number cannot name a folder of its own (empty, a separator,
    // "." or ".."): files under <model>/ alone would be shared by every keyboard of the model.
    bool isValid() const;
    QString folder() const;
    // Empty texts when the folder is not valid or a path does not fit.
    QByteArray defaultFilePath() const;
    QByteArray fnFilePath() const;
    QByteArray magneticFilePath() const; // empty on keyboards without magnetic switches

    // Creates the folder with its parents and every missing layer file with profile 1 "Profile1" as
    // its current profile; the Default and FN files also get the light defaults. Existing files are
    // left as they are. Returns the files it created.
    QStringList prepare(const CustomLightDefaults &defaults) const;

private:
    static bool isFolderName(const QString &name);
    QByteArray layerPath(const QString &fileName) const;

    QString m_folder;
    bool m_magnetic;
};
