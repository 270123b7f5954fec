#pragma once

#include "platform/AudioOutputList.h"

// An output list set by the test.
class FakeAudioOutputList : public AudioOutputList
{
public:
    QStringList outputNames() const override { return m_names; }
    void setOutputNames(const QStringList &names) { m_names = names; }

private:
    QStringList m_names;
};
