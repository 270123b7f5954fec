#include "sdk/hid/HidHandleTable.h"

intptr_t HidHandleTable::add(std::shared_ptr<HidTransport> transport)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const intptr_t handle = m_nextHandle++;
    m_transports.emplace(handle, std::move(transport));
    return handle;
}

std::shared_ptr<HidTransport> HidHandleTable::find(intptr_t handle) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_transports.find(handle);
    return it == m_transports.end() ? nullptr : it->second;
}

std::shared_ptr<HidTransport> HidHandleTable::remove(intptr_t handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_transports.find(handle);
    if (it == m_transports.end())
        return nullptr;
    std::shared_ptr<HidTransport> transport = std::move(it->second);
    m_transports.erase(it);
    return transport;
}
