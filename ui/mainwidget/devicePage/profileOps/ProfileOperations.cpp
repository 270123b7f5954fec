#include "ui/mainwidget/devicePage/profileOps/ProfileOperations.h"

#include "device/DDeviceKeyboardLink.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticCommands.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileRules.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace {

// The keyboard needs this long to restore its trigger settings before the reset report.
constexpr unsigned long kRestoreSettleMs = 250;

ProfileNodeList listProfiles(const QByteArray &path)
{
    ProfileNodeList profiles;
    CVorlanXML_SelectProFileAllNodes(path.constData(), &profiles);
    return profiles;
}

// A change the profile file did not take is logged, and never reported as done.
bool stored(bool written, const char *what, const QByteArray &index, const QByteArray &path)
{
    if (!written)
        qWarning().noquote() << "Profile operations: could not" << what << "profile" << index << "in" << path;
    return written;
}

} // namespace

ProfileOperations::ProfileOperations(ProfileDialogProvider *dialogs, QWidget *dialogParent, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_dialogParent(dialogParent)
{
}

void ProfileOperations::setProfile(const QByteArray &profileXmlPath, int profileIndex)
{
    m_profileXmlPath = profileXmlPath;
    m_profileIndex = profileIndex;
}

void ProfileOperations::setDeviceLink(DDeviceKeyboardLink *link)
{
    m_link = link;
}

void ProfileOperations::setMagneticCommands(MagneticCommands *commands)
{
    m_magnetic = commands;
}

void ProfileOperations::setProfileDefaultsWriter(std::function<void(const QByteArray &, int)> writer)
{
    m_defaultsWriter = std::move(writer);
}

void ProfileOperations::setProfileLoader(std::function<void()> loader)
{
    m_loader = std::move(loader);
}

QByteArray ProfileOperations::indexText() const
{
    return QByteArray::number(m_profileIndex);
}

void ProfileOperations::writeDefaults(int index)
{
    if (m_defaultsWriter)
        m_defaultsWriter(m_profileXmlPath, index);
}

void ProfileOperations::loadCurrentProfile()
{
    if (m_loader)
        m_loader();
}

void ProfileOperations::createProfile()
{
    if (!hasProfileFile())
        return;
    const ProfileNodeList profiles = listProfiles(m_profileXmlPath);
    if (ProfileRules::isAtProfileLimit(profiles)) {
        notice(QObject::tr("The number of profile has reached the maximum"));
        return;
    }
    const int index = ProfileRules::newProfileIndex(profiles);
    const QByteArray newIndex = QString::number(index).toLatin1();
    if (CVorlanXML_IsExistenceSelectProfileNode(m_profileXmlPath.constData(), newIndex.constData())) {
        notice(QObject::tr("Create failed, the index node is already existence, please checked"));
        return;
    }
    const QByteArray name = QStringLiteral("Profile%1").arg(index).toLatin1();
    // The node and its defaults go to the file in one write.
    VorlanXmlBatch batch;
    if (!stored(CVorlanXML_CreateProFileXmlParentNode(m_profileXmlPath.constData(), newIndex.constData(),
                                                      name.constData(), 0),
                "create", newIndex, m_profileXmlPath))
        return;
    writeDefaults(index);
    if (!stored(batch.commit(), "create", newIndex, m_profileXmlPath))
        return;
    emit sigProfileListChanged();
    notice(QObject::tr("Create profile successful"));
}

void ProfileOperations::deleteProfile()
{
    if (!hasProfileFile())
        return;
    if (listProfiles(m_profileXmlPath).size() <= 1) {
        notice(QObject::tr("Need keep at least one profile"));
        return;
    }
    const QByteArray deleted = indexText();
    VorlanXmlBatch batch;
    if (!stored(CVorlanXML_DeleteProFileSelectedNode(m_profileXmlPath.constData(), deleted.constData()), "delete",
                deleted, m_profileXmlPath))
        return;
    const ProfileNodeList remaining = listProfiles(m_profileXmlPath);
    if (!remaining.empty()) {
        m_profileIndex = QString::fromStdString(remaining.front().first).toInt();
        CVorlanXML_ModifyXMLFileProfileIndex(m_profileXmlPath.constData(), m_profileIndex);
    }
    if (!stored(batch.commit(), "delete", deleted, m_profileXmlPath)) {
        m_profileIndex = deleted.toInt();
        return;
    }
    if (!remaining.empty())
        loadCurrentProfile();
    emit sigProfileListChanged();
    notice(QObject::tr("Delete profile successful"));
}

void ProfileOperations::exportProfile()
{
    if (!hasProfileFile())
        return;
    const QString folder = m_dialogs->existingDirectory(m_dialogParent, QObject::tr("Save directory"), QString());
    if (folder.isEmpty()) {
        notice(QObject::tr("Please select save directory first"));
        return;
    }
    const std::optional<QString> name = currentProfileName();
    if (!name) {
        notice(QObject::tr("This index node non-existent"));
        return;
    }
    const QByteArray exportPath = (folder + QLatin1Char('/') + ProfileRules::exportFileName(*name)).toLocal8Bit();
    if (!QFileInfo(QString::fromLocal8Bit(exportPath)).isFile())
        CVorlanXML_CreateXMLFile(exportPath.constData());
    if (CVorlanXML_ProFileExport(m_profileXmlPath.constData(), exportPath.constData(), indexText().constData(), 0))
        notice(QObject::tr("Export profile successful"));
    else
        notice(QObject::tr("Export profile failed"));
}

void ProfileOperations::importProfile()
{
    if (!hasProfileFile())
        return;
    const QString file = m_dialogs->openFileName(m_dialogParent, QObject::tr("Open profile file"), QString(),
                                                 QObject::tr("Profile files(*.xml)"));
    if (file.isEmpty()) {
        emit sigNotice(QObject::tr("Please select import file first"), true);
        return;
    }
    if (ProfileRules::isAtProfileLimit(listProfiles(m_profileXmlPath))) {
        notice(QObject::tr("The number of profile has reached the maximum"));
        return;
    }
    const QByteArray importPath = file.toLocal8Bit();
    const QByteArray index = ProfileRules::importProfileIndex(listProfiles(importPath)).toUtf8();
    if (CVorlanXML_ProFileImport(m_profileXmlPath.constData(), importPath.constData(), index.constData())) {
        emit sigProfileListChanged();
        notice(QObject::tr("Import profile successful"));
    } else {
        notice(QObject::tr("Import profile failed"));
    }
}

std::optional<QString> ProfileOperations::currentProfileName() const
{
    ProfileNodeInfo info{};
    if (!CVorlanXML_SelectProfileNodeInfo(m_profileXmlPath.constData(), indexText().constData(), &info))
        return std::nullopt;
    return QString::fromUtf8(info.name, static_cast<int>(qstrnlen(info.name, sizeof(info.name))));
}

bool ProfileOperations::renameProfile(const QString &name)
{
    if (!hasProfileFile())
        return false;
    if (name.isEmpty()) {
        notice(QObject::tr("Profile name can't empty"));
        return false;
    }
    if (!stored(CVorlanXML_ModifyProfileNodeInfo(m_profileXmlPath.constData(), indexText().constData(),
                                                 name.toUtf8().constData()),
                "rename", indexText(), m_profileXmlPath))
        return false;
    emit sigProfileListChanged();
    notice(QObject::tr("Modify profile info successful"));
    return true;
}

void ProfileOperations::switchProfile(int index)
{
    if (!hasProfileFile())
        return;
    qDebug().noquote() << "Start profileList_currentIndexChanged index:" << index;
    m_profileIndex = index;
    CVorlanXML_ModifyXMLFileProfileIndex(m_profileXmlPath.constData(), m_profileIndex);
    loadCurrentProfile();
}

void ProfileOperations::resetWithQuestion()
{
    if (!hasProfileFile())
        return;
    const int answer =
        m_dialogs->question(m_dialogParent, QObject::tr("Tip"), QObject::tr("Whether to reset the current profile?"),
                            QObject::tr("Yes"), QObject::tr("No"));
    if (answer == 1)
        return;
    qDebug().noquote() << "Reset the current hid [Start]";
    if (m_magnetic) {
        m_magnetic->restoreDefaults();
        QThread::msleep(kRestoreSettleMs);
    }
    restoreCurrentProfile();
    qDebug().noquote() << "Reset the current hid [End]";
}

void ProfileOperations::restoreCurrentProfile()
{
    if (!hasProfileFile())
        return;
    const QString name = currentProfileName().value_or(QString());
    // Delete, new node and defaults go to the file in one write.
    VorlanXmlBatch batch;
    CVorlanXML_DeleteProFileSelectedNode(m_profileXmlPath.constData(), indexText().constData());
    // The node is made anew only when the delete took: the create refuses an index that exists. The
    // keyboard is reset only to what the file then holds.
    if (!stored(CVorlanXML_CreateProFileXmlParentNode(m_profileXmlPath.constData(), indexText().constData(),
                                                      name.toUtf8().constData(), 0),
                "reset", indexText(), m_profileXmlPath))
        return;
    writeDefaults(m_profileIndex);
    if (!stored(batch.commit(), "reset", indexText(), m_profileXmlPath))
        return;
    loadCurrentProfile();
    if (m_link)
        m_link->resetKeyboard();
    notice(QObject::tr("Operate successful"));
    if (m_link)
        m_link->checkSleepTime();
}
