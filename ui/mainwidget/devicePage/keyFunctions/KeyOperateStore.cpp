#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"

#include "sdk/store/VorlanXml.h"

#include <QDebug>

#include <cstring>

KeyOperateInfo KeyOperateStore::read(const char *path, int profileIndex, int keyDec)
{
    KeyOperateInfo info;
    std::memset(&info, 0, sizeof info);
    // The store leaves the record as it is when the key has no entry.
    std::strcpy(info.keyIndex, "-1");
    std::strcpy(info.operateType, "-1");
    CVorlanXML_SelectProFileKeyOperateInfo(path, QByteArray::number(profileIndex).constData(),
                                           QByteArray::number(keyDec).constData(), &info);
    return info;
}

bool KeyOperateStore::hasEntry(const KeyOperateInfo &info)
{
    return QByteArray(info.keyIndex).toInt() != -1;
}

int KeyOperateStore::storedType(const KeyOperateInfo &info)
{
    if (!hasEntry(info))
        return -1;
    bool ok = false;
    const int type = QByteArray(info.operateType).toInt(&ok);
    return ok ? type : -1;
}

bool KeyOperateStore::store(const char *path, int profileIndex, int keyDec, const QString &keyName, int operateType,
                            const QByteArray &count, const QByteArray &mode, const QByteArray &value)
{
    const QByteArray index = QByteArray::number(profileIndex);
    const QByteArray key = QByteArray::number(keyDec);
    const QByteArray name = keyName.toUtf8();
    // The delete also answers false when the key had no entry; the add replaces any entry it left,
    // so the add alone tells whether the file holds the new one. Both go to the file in one write.
    VorlanXmlBatch batch;
    CVorlanXML_DeleteProFileMacroWithKeyInfoItem(path, index.constData(), key.constData(), name.constData());
    const bool stored =
        CVorlanXML_AddProFileMacroWithKeyInfoItem(path, index.constData(), key.constData(), name.constData(),
                                                  QByteArray::number(operateType).constData(), count.constData(),
                                                  mode.constData(), value.constData())
        && batch.commit();
    if (!stored)
        qWarning().noquote() << "Key operation: could not store key" << keyDec << "in profile" << profileIndex << "of"
                             << path;
    return stored;
}

void KeyOperateStore::remove(const char *path, int profileIndex, int keyDec, const QByteArray &keyName)
{
    CVorlanXML_DeleteProFileMacroWithKeyInfoItem(path, QByteArray::number(profileIndex).constData(),
                                                 QByteArray::number(keyDec).constData(), keyName.constData());
}
