#include "ui/mainwidget/devicePage/profiles/ProfileFolder.h"

#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightDefaults.h"
#include "ui/mainwidget/devicePage/profiles/ProfilePath.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

ProfileFolder::ProfileFolder(const QString &userConfigDir, const QString &model, const QString &serialNumber,
                             bool magnetic)
    : m_magnetic(magnetic)
{
    if (!isFolderName(model) || !isFolderName(serialNumber)) {
        qDebug().noquote()
            << QStringLiteral("No profile folder for model \"%1\" serial number \"%2\"").arg(model, serialNumber);
        return;
    }
    m_folder = userConfigDir + QLatin1Char('/') + model + QLatin1Char('/') + serialNumber;
}

QString ProfileFolder::defaultFileName()
{
    return QStringLiteral("appProfile_Default.xml");
}

QString ProfileFolder::fnFileName()
{
    return QStringLiteral("appProfile_FN.xml");
}

QString ProfileFolder::magneticFileName()
{
    return QStringLiteral("appProfile_Magnetic.xml");
}

bool ProfileFolder::isValid() const
{
    return !m_folder.isEmpty();
}

QString ProfileFolder::folder() const
{
    return m_folder;
}

QByteArray ProfileFolder::defaultFilePath() const
{
    return layerPath(defaultFileName());
}

QByteArray ProfileFolder::fnFilePath() const
{
    return layerPath(fnFileName());
}

QByteArray ProfileFolder::magneticFilePath() const
{
    return m_magnetic ? layerPath(magneticFileName()) : QByteArray();
}

QStringList ProfileFolder::prepare(const CustomLightDefaults &defaults) const
{
    QStringList created;
    if (!isValid() || !QDir().mkpath(m_folder))
        return created;
    QList<QByteArray> paths{defaultFilePath(), fnFilePath()};
    if (m_magnetic)
        paths << magneticFilePath();
    for (int layer = 0; layer < paths.size(); ++layer) {
        const QByteArray &path = paths.at(layer);
        if (path.isEmpty() || QFileInfo(QString::fromLocal8Bit(path)).isFile())
            continue;
        // The file appears once, whole.
        VorlanXmlBatch batch;
        CVorlanXML_CreateXMLFile(path.constData());
        CVorlanXML_CreateProFileXmlParentNode(path.constData(), "1",
                                              QStringLiteral("Profile%1").arg(1).toLocal8Bit().constData(), 0);
        CVorlanXML_ModifyXMLFileProfileIndex(path.constData(), 1);
        // The third layer holds key settings only.
        if (layer < 2) {
            defaults.addDefaultLightInfo(path, 1);
            defaults.addDefaultCustomLights(path, 1);
        }
        if (!batch.commit()) {
            qWarning().noquote() << "Profile folder: could not create" << QString::fromLocal8Bit(path);
            continue;
        }
        created << QString::fromLocal8Bit(path);
    }
    return created;
}

bool ProfileFolder::isFolderName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

QByteArray ProfileFolder::layerPath(const QString &fileName) const
{
    return isValid() ? ProfilePath::encode(m_folder + QLatin1Char('/') + fileName) : QByteArray();
}
