#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A layout file of tests/widgets/fixtures.
inline QByteArray layoutFixture(const QString &name)
{
    QFile file(QStringLiteral(KBVIEW_FIXTURES "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}
