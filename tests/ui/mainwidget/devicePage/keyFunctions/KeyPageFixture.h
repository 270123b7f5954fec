#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class keyboardButCustom;
class QLabel;
class QWidget;

// A device's three layer files, each with profiles 1 and 2, made current in the data manager: the
// default layer with profile 2, so a read or store in the wrong profile shows.
class KeyPageFixture
{
public:
    enum Layer { DefaultLayer, FnLayer, MagneticLayer };

    KeyPageFixture();
    ~KeyPageFixture();

    QByteArray path(Layer layer) const;
    void setEntry(Layer layer, int profile, int keyCode, const char *type, const QByteArray &value,
                  const char *mode = "1");
    KeyOperateInfo entry(Layer layer, int profile, int keyCode) const;
    // The stored type and value as "type:value"; "" without an entry.
    QString entryText(Layer layer, int profile, int keyCode) const;
    // Key caps for the codes (row 0, one column each), known to the data manager as the picture's.
    QList<keyboardButCustom *> makeKeyCaps(QWidget *parent, const QList<int> &codes);
    // The tab's own key label; the disable page in its stack has one of the same name.
    static QLabel *tabKeyLabel(QWidget *tab);

private:
    QTemporaryDir m_folder;
};
