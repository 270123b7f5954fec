#include "platform/AudioOutputList.h"

AudioOutputList::~AudioOutputList() = default;
