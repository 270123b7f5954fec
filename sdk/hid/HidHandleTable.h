#pragma once

#include "sdk/hid/HidTransport.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

// Opened transports by handle. A handle is a counter value, never a pointer, so a closed or
// made-up handle finds nothing. Callers hold a shared reference while they use a transport,
// so closing a handle never destroys a transport under a read or write in progress.
class HidHandleTable
{
public:
    intptr_t add(std::shared_ptr<HidTransport> transport);
    std::shared_ptr<HidTransport> find(intptr_t handle) const;
    std::shared_ptr<HidTransport> remove(intptr_t handle);

private:
    mutable std::mutex m_mutex;
    std::map<intptr_t, std::shared_ptr<HidTransport>> m_transports;
    intptr_t m_nextHandle = 1;
};
