#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QString>

// The light settings every new profile of the Default and FN layer files starts with: a light record
// for areas 0, 1 and 2 and five custom-light sets, the first two filled from the default file of the
// keyboard's key count and model.
class CustomLightDefaults
{
public:
    CustomLightDefaults(int keyCount, const QString &model, bool lightSynchronize);

    static colorInfoData defaultLightRecord(int area);
    // The default file's name: by key count first, by model group only within that key count's row.
    static QString defaultFileName(int keyCount, const QString &model);

    void addDefaultLightInfo(const QByteArray &profileXmlPath, int profileIndex) const;
    void addDefaultCustomLights(const QByteArray &profileXmlPath, int profileIndex) const;
    void addDefaultCustomLightItems(const QByteArray &profileXmlPath, int profileIndex, int setIndex) const;

private:
    int m_keyCount;
    QString m_model;
    bool m_lightSynchronize;
};
