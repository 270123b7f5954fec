#include "ui/mainwidget/devicePage/download/BoundMacroCopy.h"

#include "sdk/store/VorlanXml.h"

#include <QDebug>

#include <list>

namespace {

QByteArray nodeName(const QString &macroIndex)
{
    return QString("Macro%1").arg(macroIndex).toLocal8Bit();
}

} // namespace

bool BoundMacroCopy::make(const QString &profileXmlPath, int profileIndex, const QString &macroIndex,
                          const QString &macroXmlPath)
{
    const QByteArray path = profileXmlPath.toLocal8Bit();
    const QByteArray profile = QByteArray::number(profileIndex);
    const QByteArray macro = macroIndex.toLocal8Bit();

    // Read before removing the old copy, so a macro file that cannot be read costs nothing.
    std::list<MacroEvent> events;
    if (!CVorlanXML_SelectAllKeyOrMouseEvent(macroXmlPath.toLocal8Bit().constData(), macro.constData(), &events)) {
        qDebug() << "Bound macro copy: macro" << macroIndex << "cannot be read from" << macroXmlPath
                 << "; the profile keeps its copy";
        return false;
    }
    const QByteArray node = nodeName(macroIndex);
    CVorlanXML_DeleteProFileBindMacroNode(path.constData(), profile.constData(), macro.constData(), node.constData());
    return CVorlanXML_AddProFileBindMacroItem(path.constData(), profile.constData(), events, macro.constData(),
                                              node.constData());
}

bool BoundMacroCopy::renew(const QString &profileXmlPath, int profileIndex, const QString &macroIndex,
                           const QString &macroXmlPath)
{
    if (CVorlanXML_GetProFileValueNum(profileXmlPath.toLocal8Bit().constData(),
                                      QByteArray::number(profileIndex).constData(), "1",
                                      macroIndex.toLocal8Bit().constData())
        <= 0)
        return false;
    return make(profileXmlPath, profileIndex, macroIndex, macroXmlPath);
}

bool BoundMacroCopy::remove(const QString &profileXmlPath, int profileIndex, int macroIndex)
{
    const QString macro = QString::number(macroIndex);
    return CVorlanXML_DeleteProFileBindMacroNode(profileXmlPath.toLocal8Bit().constData(),
                                                 QByteArray::number(profileIndex).constData(),
                                                 macro.toLatin1().constData(), nodeName(macro).constData());
}
