#include "platform/LoopbackCapture.h"

LoopbackCapture::~LoopbackCapture() = default;
