#include "tests/ui/macro/MacroFileFixture.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/macro/MacroRecords.h"

#include <QDir>
#include <QFile>

namespace MacroFileFixture {

QByteArray freshFile(const QString &name)
{
    const QString folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath());
    const QByteArray path = QFile::encodeName(folder + "/" + name);
    QFile::remove(QFile::decodeName(path));
    CVorlanXML_CreateXMLFile(path.constData());
    return path;
}

void addMacro(const QByteArray &path, const QString &index, const QString &name)
{
    CVorlanXML_CreateMacroXmlParentNode(path.constData(), index.toLatin1().constData(), name.toUtf8().constData());
}

void addPress(const QByteArray &path, const QString &index, const QString &mark, int downDelay, int upDelay,
              const QString &keyName)
{
    std::list<MacroEvent> events;
    events.push_back(MacroRecords::fillEvent({mark, QString::number(downDelay), "key", "4", keyName, "down"}));
    events.push_back(MacroRecords::fillEvent({mark, QString::number(upDelay), "key", "4", keyName, "up"}));
    CVorlanXML_AddKeyOrMouseEventItem(path.constData(), events, index.toLatin1().constData());
}

QList<QPair<QString, QString>> macros(const QByteArray &path)
{
    MacroNode nodes;
    CVorlanXML_SelectMacroAllNodes(path.constData(), &nodes);
    QList<QPair<QString, QString>> result;
    for (const auto &node : nodes)
        result.append({QString::fromStdString(node.first), QString::fromStdString(node.second)});
    return result;
}

std::list<MacroEvent> events(const QByteArray &path, const QString &index)
{
    std::list<MacroEvent> result;
    CVorlanXML_SelectAllKeyOrMouseEvent(path.constData(), index.toLatin1().constData(), &result);
    return result;
}

} // namespace MacroFileFixture

HookRequestRecorder::HookRequestRecorder()
{
    DDataManager *data = DDataManager::instance();
    connect(
        data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
        [this](bool start) {
            ++(start ? starts : stops);
            DDataManager::instance()->setMacroRecordHookResult(!(start && refuse));
        },
        Qt::DirectConnection);
}
