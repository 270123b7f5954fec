#include "platform/KeyHookBackend.h"

#include "platform/X11KeyHookBackend.h"

KeyHookBackend::~KeyHookBackend() = default;

KeyHookBackend *KeyHookBackend::systemBackend()
{
    static X11KeyHookBackend backend;
    return &backend;
}
