#include "tests/ui/mainwidget/devicePage/keyFunctions/MacroFileFixture.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/OnboardProfileFixture.h"

#include <cstring>

MacroFileFixture::MacroFileFixture()
{
    CVorlanXML_CreateXMLFile(macroPath().constData());
    CVorlanXML_SeniorKey_CreateXMLFile(seniorKeyPath().constData());
    DDataManager::instance()->setMacroXmlPath(macroPath().constData());
    DDataManager::instance()->setSeniorKeyXmlPath(seniorKeyPath().constData());
}

QByteArray MacroFileFixture::macroPath() const
{
    return QFile::encodeName(m_folder.filePath("appMacro.xml"));
}

QByteArray MacroFileFixture::seniorKeyPath() const
{
    return QFile::encodeName(m_folder.filePath("SeniorKeyConfig.xml"));
}

void MacroFileFixture::setMacro(int index, const char *name, const QVector<int> &codes)
{
    const QByteArray macro = QByteArray::number(index);
    CVorlanXML_DeleteMacroNode(macroPath().constData(), macro.constData());
    CVorlanXML_CreateMacroXmlParentNode(macroPath().constData(), macro.constData(), name);
    CVorlanXML_AddKeyOrMouseEventItem(macroPath().constData(), OnboardProfileFixture::typing(codes, 10),
                                      macro.constData());
}

void MacroFileFixture::addSeniorKey(int id, const char *name)
{
    SeniorKeyInfoStu key;
    std::memset(&key, 0, sizeof key);
    key.id = id;
    key.type = 1;
    std::strncpy(key.name, name, sizeof key.name - 1);
    CVorlanXML_SeniorKey_AddInfoItem(seniorKeyPath().constData(), key.type, key);
}

QStringList MacroFileFixture::copyCodes(const QByteArray &profilePath, int profile, int macroIndex)
{
    std::list<MacroEvent> events;
    CVorlanXML_ProFileMacroWithKeyInfoSelectAll(profilePath.constData(), QByteArray::number(profile).constData(),
                                                QByteArray::number(macroIndex).constData(), "", &events);
    QStringList codes;
    for (const MacroEvent &event : events)
        codes << QString("%1:%2").arg(event.keyCode, event.operateExplain);
    return codes;
}

bool MacroFileFixture::hasCopy(const QByteArray &profilePath, int profile, int macroIndex)
{
    std::list<MacroEvent> events;
    return CVorlanXML_ProFileMacroWithKeyInfoSelectAll(profilePath.constData(), QByteArray::number(profile).constData(),
                                                       QByteArray::number(macroIndex).constData(), "", &events);
}
