#pragma once

#include <QStringList>

// The names of the machine's sound outputs, the default output first. Reading never blocks.
class AudioOutputList
{
public:
    virtual ~AudioOutputList();
    virtual QStringList outputNames() const = 0;
};
