#include "ui/mainwidget/devicePage/download/BoundMacroCopy.h"

#include "sdk/store/VorlanXml.h"

#include <QDebug>

#include <list>

bool BoundMacroCopy::renew(const QString &profileXmlPath, int profileIndex, const QString &macroIndex,
                           const QString &macroXmlPath)
{
    const QByteArray path = profileXmlPath.toLocal8Bit();
    const QByteArray profile = QByteArray::number(profileIndex);
    const QByteArray macro = macroIndex.toLocal8Bit();
    if (CVorlanXML_GetProFileValueNum(path.constData(), profile.constData(), "1", macro.constData()) <= 0)
        return false;

    // Read before removing the old copy, so a macro file that cannot be read costs nothing.
    std::list<MacroEvent> events;
    if (!CVorlanXML_SelectAllKeyOrMouseEvent(macroXmlPath.toLocal8Bit().constData(), macro.constData(), &events)) {
        qDebug() << "Bound macro copy: macro" << macroIndex << "cannot be read from" << macroXmlPath
                 << "; the profile keeps its copy";
        return false;
    }
    const QByteArray nodeName = QString("Macro%1").arg(macroIndex).toLocal8Bit();
    CVorlanXML_DeleteProFileBindMacroNode(path.constData(), profile.constData(), macro.constData(),
                                          nodeName.constData());
    return CVorlanXML_AddProFileBindMacroItem(path.constData(), profile.constData(), events, macro.constData(),
                                              nodeName.constData());
}
