#include "tests/support/OnboardProfileFixture.h"

#include "sdk/store/VorlanXml.h"

#include <QDir>

#include <cstdio>
#include <cstring>

namespace {

const char *const kLayerFiles[] = {"/appProfile_Default.xml", "/appProfile_FN.xml"};

QByteArray local(const QString &text)
{
    return text.toLocal8Bit();
}

} // namespace

OnboardProfileFixture::OnboardProfileFixture(const QString &folder)
    : m_folder(folder)
{
    QDir().mkpath(folder);
    for (int pass = 0; pass < 2; ++pass) {
        const QByteArray path = local(layerPath(pass));
        CVorlanXML_CreateXMLFile(path.constData());
        CVorlanXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile 1", 0);
        CVorlanXML_CreateProFileXmlParentNode(path.constData(), "2", "Profile 2", 0);
        CVorlanXML_ModifyXMLFileProfileIndex(path.constData(), pass == 0 ? 2 : 1);
        // Decoys in the profile that is not current: every key of the matrix disabled.
        const QByteArray other = pass == 0 ? "1" : "2";
        for (int code : keyMatrix()) {
            if (code != 0)
                CVorlanXML_AddProFileMacroWithKeyInfoItem(path.constData(), other.constData(),
                                                          QByteArray::number(code).constData(), "", "5", "0", "0", "0");
        }
    }
    const QByteArray senior = local(seniorKeyPath());
    CVorlanXML_SeniorKey_CreateXMLFile(senior.constData());
    CVorlanXML_SeniorKey_CreateProFileXmlParentNode(senior.constData());
}

QString OnboardProfileFixture::layerPath(int pass) const
{
    return m_folder + QLatin1String(kLayerFiles[pass]);
}

QString OnboardProfileFixture::seniorKeyPath() const
{
    return m_folder + "/SeniorKeys.xml";
}

QString OnboardProfileFixture::profileIndex(int pass) const
{
    return pass == 0 ? "2" : "1";
}

void OnboardProfileFixture::setKey(int pass, int keyCode, const char *type, const char *mode, const QString &value,
                                   const char *count)
{
    CVorlanXML_AddProFileMacroWithKeyInfoItem(local(layerPath(pass)).constData(), local(profileIndex(pass)).constData(),
                                              QByteArray::number(keyCode).constData(), "key", type, count, mode,
                                              local(value).constData());
}

void OnboardProfileFixture::bindMacro(int pass, int macroIndex, const std::list<MacroEvent> &events)
{
    CVorlanXML_AddProFileBindMacroItem(local(layerPath(pass)).constData(), local(profileIndex(pass)).constData(),
                                       events, QByteArray::number(macroIndex).constData(),
                                       QByteArray("Macro" + QByteArray::number(macroIndex)).constData());
}

void OnboardProfileFixture::addAdvancedKey(const SeniorKeyInfoStu &key)
{
    CVorlanXML_SeniorKey_AddInfoItem(local(seniorKeyPath()).constData(), key.type, key);
}

MacroEvent OnboardProfileFixture::macroEvent(const char *type, int code, const char *direction, int delay)
{
    MacroEvent event;
    std::memset(&event, 0, sizeof(event));
    std::strncpy(event.type, type, sizeof(event.type) - 1);
    std::snprintf(event.keyCode, sizeof(event.keyCode), "%d", code);
    std::strncpy(event.operateExplain, direction, sizeof(event.operateExplain) - 1);
    std::snprintf(event.delay, sizeof(event.delay), "%d", delay);
    std::snprintf(event.mark, sizeof(event.mark), "%d", code);
    return event;
}

QVector<int> OnboardProfileFixture::keyMatrix()
{
    QVector<int> codes;
    for (int position = 0; position < 6 * 22; ++position) {
        if (position % 11 == 10)
            codes.append(0);
        else if (position == 5)
            codes.append(-10);
        else if (position == 6)
            codes.append(128);
        else if (position == 127)
            codes.append(7); // Volume+ took the place of 7
        else
            codes.append(position + 1);
    }
    return codes;
}

std::list<MacroEvent> OnboardProfileFixture::typing(const QVector<int> &codes, int delay)
{
    std::list<MacroEvent> events;
    for (int code : codes) {
        events.push_back(macroEvent("key", code, "down", delay));
        events.push_back(macroEvent("key", code, "up", delay));
    }
    return events;
}
