#include "tests/sdk/store/XmlTestFiles.h"

#include "sdk/store/XmlFields.h"

#include <QFile>

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeWholeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

MacroEvent makeEvent(const char *mark, const char *delay, const char *type, const char *keyCode, const char *codeName,
                     const char *direction)
{
    MacroEvent event{};
    xmlstore::copyField(event.mark, sizeof(event.mark), mark);
    xmlstore::copyField(event.delay, sizeof(event.delay), delay);
    xmlstore::copyField(event.type, sizeof(event.type), type);
    xmlstore::copyField(event.keyCode, sizeof(event.keyCode), keyCode);
    xmlstore::copyField(event.codeName, sizeof(event.codeName), codeName);
    xmlstore::copyField(event.operateExplain, sizeof(event.operateExplain), direction);
    return event;
}

colorInfoData makeLight(int area, int mode, int brightness)
{
    return colorInfoData{area, mode, brightness, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
}
