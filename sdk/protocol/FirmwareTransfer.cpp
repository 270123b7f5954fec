#include "sdk/protocol/FirmwareTransfer.h"

#include "sdk/protocol/FirmwareImageFormat.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace FirmwareTransfer {

namespace {

std::mutex &timeoutsMutex()
{
    static std::mutex mutex;
    return mutex;
}

// VORLAN_UPGRADE_TIMEOUTS="<reply ms>,<END reply ms>,<sends>" shortens the waits of every process
// that shares the simulator (the program, its upgrade library and kbdsim).
Timeouts initialTimeouts()
{
    Timeouts timeouts = Timeouts::defaults();
    if (const char *text = std::getenv("VORLAN_UPGRADE_TIMEOUTS")) {
        Timeouts parsed{};
        if (std::sscanf(text, "%d,%d,%d", &parsed.replyMs, &parsed.endReplyMs, &parsed.sends) == 3 && parsed.replyMs > 0
            && parsed.endReplyMs > 0 && parsed.sends > 0)
            timeouts = parsed;
    }
    return timeouts;
}

Timeouts &storedTimeouts()
{
    static Timeouts timeouts = initialTimeouts();
    return timeouts;
}

std::string textAt(const Report &report, size_t offset, size_t size)
{
    const char *start = reinterpret_cast<const char *>(report.data() + offset);
    return std::string(start, strnlen(start, size));
}

} // namespace

Timeouts Timeouts::current()
{
    std::lock_guard<std::mutex> lock(timeoutsMutex());
    return storedTimeouts();
}

void Timeouts::set(const Timeouts &timeouts)
{
    std::lock_guard<std::mutex> lock(timeoutsMutex());
    storedTimeouts() = timeouts;
}

uint32_t readBig32(const uint8_t *bytes)
{
    return (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
}

void writeBig32(uint8_t *bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

Report request(uint8_t command, uint8_t sequence)
{
    Report report{};
    report[0] = reportId;
    report[1] = command;
    report[2] = sequence;
    return report;
}

bool isRequest(const Report &report)
{
    return report[0] == reportId && report[1] >= Ident && report[1] <= End;
}

Report reply(const Report &request, uint8_t status)
{
    Report report{};
    report[0] = reportId;
    report[1] = static_cast<uint8_t>(request[1] | replyFlag);
    report[2] = request[2];
    report[3] = status;
    return report;
}

bool isReplyTo(const Report &report, uint8_t command, uint8_t sequence)
{
    return report[0] == reportId && report[1] == (command | replyFlag) && report[2] == sequence;
}

Report identRequest(uint8_t sequence)
{
    Report report = request(Ident, sequence);
    std::memcpy(report.data() + 3, magic, 4);
    return report;
}

bool hasIdentMagic(const Report &report)
{
    return std::memcmp(report.data() + 3, magic, 4) == 0;
}

Report identReply(const Report &request, const IdentInfo &info)
{
    Report report = reply(request, StatusOk);
    writeBig32(report.data() + 4, info.capacity);
    std::memcpy(report.data() + 8, magic, 4);
    report[12] = info.protocol;
    report[13] = info.dataPerPacket;
    report[14] = info.mode;
    std::memcpy(report.data() + 16, info.model.data(), std::min<size_t>(info.model.size(), 16));
    std::memcpy(report.data() + 32, info.version.data(), std::min<size_t>(info.version.size(), 8));
    return report;
}

bool parseIdentReply(const Report &report, IdentInfo *info)
{
    if (std::memcmp(report.data() + 8, magic, 4) != 0)
        return false;
    info->capacity = readBig32(report.data() + 4);
    info->protocol = report[12];
    info->dataPerPacket = report[13];
    info->mode = report[14];
    info->model = textAt(report, 16, 16);
    info->version = textAt(report, 32, 8);
    return true;
}

Host::Host(Channel &channel)
    : m_channel(channel)
    , m_timeouts(Timeouts::current())
{
}

Host::Result Host::exchange(Report request, int waitMs, Report *answer)
{
    request[2] = ++m_sequence;
    for (int send = 0; send < m_timeouts.sends; ++send) {
        // A repeat carries the same sequence number: the device answers it from its cache.
        if (!m_channel.send(request))
            return Result::Gone;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            Report report{};
            const int got = m_channel.receive(&report, static_cast<int>(left.count()));
            if (got < 0)
                return Result::Gone;
            if (got > 0 && isReplyTo(report, request[1], request[2])) {
                *answer = report;
                return Result::Ok;
            }
        }
    }
    return Result::Timeout;
}

Host::Result Host::identify(IdentInfo *info)
{
    Report answer{};
    const Result result = exchange(identRequest(0), m_timeouts.replyMs, &answer);
    if (result == Result::Timeout)
        return Result::NotIdentified;
    if (result != Result::Ok)
        return result;
    if (!parseIdentReply(answer, info) || info->protocol != protocolVersion || info->dataPerPacket == 0
        || info->dataPerPacket > dataPerPacket)
        return Result::NotIdentified;
    m_capacity = info->capacity;
    return Result::Ok;
}

Host::Result Host::transfer(const std::vector<uint8_t> &image, uint8_t connection, uint8_t type,
                            const std::function<void(int, int)> &progress, uint8_t *status)
{
    *status = StatusOk;
    if (image.empty() || image.size() > m_capacity)
        return Result::TooLarge;
    Report start = request(Start, 0);
    writeBig32(start.data() + 3, static_cast<uint32_t>(image.size()));
    writeBig32(start.data() + 7, firmwareCrc32(image.data(), image.size()));
    start[11] = connection;
    start[12] = type;
    Report answer{};
    Result result = exchange(start, m_timeouts.replyMs, &answer);
    if (result != Result::Ok)
        return result;
    if (answer[3] != StatusOk) {
        *status = answer[3];
        return Result::Refused;
    }

    const int total = static_cast<int>((image.size() + dataPerPacket - 1) / dataPerPacket);
    if (progress)
        progress(total, 0);
    uint32_t offset = 0;
    int acknowledged = 0;
    while (offset < image.size()) {
        const uint8_t count = static_cast<uint8_t>(std::min<size_t>(dataPerPacket, image.size() - offset));
        Report data = request(Data, 0);
        writeBig32(data.data() + 3, offset);
        data[7] = count;
        std::memcpy(data.data() + 8, image.data() + offset, count);
        result = exchange(data, m_timeouts.replyMs, &answer);
        if (result != Result::Ok)
            return result;
        const uint32_t next = readBig32(answer.data() + 4);
        if (answer[3] != StatusOk || next <= offset || next > image.size()) {
            *status = answer[3] != StatusOk ? answer[3] : uint8_t(StatusBadSequence);
            return Result::Refused;
        }
        offset = next;
        ++acknowledged;
        if (progress)
            progress(total, std::min(acknowledged, total));
    }

    result = exchange(request(End, 0), m_timeouts.endReplyMs, &answer);
    if (result != Result::Ok)
        return result;
    if (answer[3] != StatusOk) {
        *status = answer[3];
        return Result::Refused;
    }
    return Result::Ok;
}

} // namespace FirmwareTransfer
