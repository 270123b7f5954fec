#include "ui/mainwidget/devicePage/profiles/CustomLightDefaults.h"

#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"

#include <QFile>
#include <QTemporaryDir>
#include <QVector>

#include <list>

namespace {

// One row of the default-file table: the key counts it serves, its model groups (a group's file is
// named after its first model) and the file for a model in no group.
struct DefaultFileRow
{
    QVector<int> keyCounts; // empty: every other key count
    QVector<QStringList> modelGroups;
    QString fallback;
};

const QVector<DefaultFileRow> &defaultFileTable()
{
    static const QVector<DefaultFileRow> table{
        {{84, 69}, {{QStringLiteral("Breeze84W")}}, QStringLiteral("customLightDefaultConfig_84.xml")},
        {{83}, {}, QStringLiteral("customLightDefaultConfig_83.xml")},
        {{97, 98, 99, 100}, {}, QStringLiteral("customLightDefaultConfig_98.xml")},
        {{68}, {{QStringLiteral("Quartz68HE")}}, QStringLiteral("customLightDefaultConfig_68.xml")},
        {{61}, {}, QStringLiteral("customLightDefaultConfig_61.xml")},
        {{34}, {}, QStringLiteral("customLightDefaultConfig_34.xml")},
        {{18}, {}, QStringLiteral("customLightDefaultConfig_18.xml")},
        {{82}, {}, QStringLiteral("customLightDefaultConfig_82.xml")},
        {{}, {{QStringLiteral("Aster104")}}, QStringLiteral("customLightDefaultConfig.xml")},
    };
    return table;
}

struct DefaultSet
{
    const char *index;
    const char *name;
    const char *isUsing;
    int slot;
    bool filled;
};

const DefaultSet kDefaultSets[] = {
    {"0", "Alphabets", "Using", 0, true},    {"1", "WASD+Arrows", "Using", 1, true},
    {"2", "Custom 3", "UnUsing", -1, false}, {"3", "Custom 4", "UnUsing", -1, false},
    {"4", "Custom 5", "UnUsing", -1, false},
};

} // namespace

CustomLightDefaults::CustomLightDefaults(int keyCount, const QString &model, bool lightSynchronize)
    : m_keyCount(keyCount)
    , m_model(model)
    , m_lightSynchronize(lightSynchronize)
{
}

colorInfoData CustomLightDefaults::defaultLightRecord(int area)
{
    colorInfoData record{};
    record.area = area;
    record.lightMode = 2;
    record.brightness = 3;
    record.speed = 3;
    record.colorR = 255;
    record.fullColor = 1;
    return record;
}

QString CustomLightDefaults::defaultFileName(int keyCount, const QString &model)
{
    for (const DefaultFileRow &row : defaultFileTable()) {
        if (!row.keyCounts.isEmpty() && !row.keyCounts.contains(keyCount))
            continue;
        for (const QStringList &group : row.modelGroups) {
            if (group.contains(model))
                return QStringLiteral("customLightDefaultConfig_%1.xml").arg(group.first());
        }
        return row.fallback;
    }
    return QString();
}

void CustomLightDefaults::addDefaultLightInfo(const QByteArray &profileXmlPath, int profileIndex) const
{
    const QByteArray profile = QByteArray::number(profileIndex);
    for (int area = 0; area < 3; ++area)
        CVorlanXML_AddProFileLightInfoItem(profileXmlPath.constData(), profile.constData(), defaultLightRecord(area));
    if (m_lightSynchronize)
        CVorlanXML_ModifyProFileLightSynchronizeStatus(profileXmlPath.constData(), profile.constData(), 1);
}

void CustomLightDefaults::addDefaultCustomLights(const QByteArray &profileXmlPath, int profileIndex) const
{
    const QByteArray profile = QByteArray::number(profileIndex);
    for (int i = 0; i < 5; ++i) {
        const DefaultSet &set = kDefaultSets[i];
        CVorlanXML_AddProFileCustomLightNode(profileXmlPath.constData(), profile.constData(), set.index, set.name,
                                             set.isUsing, set.slot);
        if (set.filled)
            addDefaultCustomLightItems(profileXmlPath, profileIndex, i);
    }
}

void CustomLightDefaults::addDefaultCustomLightItems(const QByteArray &profileXmlPath, int profileIndex,
                                                     int setIndex) const
{
    initVorlanResources();
    const QString fileName = defaultFileName(m_keyCount, m_model);
    // The SDK reads files only, so the resource is copied out first.
    QTemporaryDir folder;
    QByteArray copyPath;
    const QString copy = folder.path() + QLatin1Char('/') + fileName;
    if (folder.isValid() && QFile::copy(QStringLiteral(":/images/configDir/") + fileName, copy))
        copyPath = copy.toLocal8Bit();
    const QByteArray set = QByteArray::number(setIndex);
    std::list<CustomLightItemStu> items;
    CVorlanXML_XmlCustomLightInfoSelectAll(copyPath.constData(), set.constData(), &items);
    const QByteArray profile = QByteArray::number(profileIndex);
    for (const CustomLightItemStu &item : items)
        CVorlanXML_AddProFileCustomLightDataInfo(profileXmlPath.constData(), profile.constData(), set.constData(),
                                                 item);
}
