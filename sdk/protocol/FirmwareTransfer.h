#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The transfer protocol between the host and a bootloader or an upgrade drive: 64-byte reports,
// byte 0 the report id, byte 1 the command, byte 2 a sequence number; a reply echoes
// command | 0x80 and the sequence, byte 3 the status. Numbers are big-endian.
namespace FirmwareTransfer {

constexpr size_t reportSize = 64;
constexpr uint8_t reportId = 0x01;
constexpr uint8_t replyFlag = 0x80;
constexpr uint8_t protocolVersion = 1;
constexpr uint8_t dataPerPacket = 56;
constexpr const char *magic = "VLBL";

enum Command : uint8_t { Ident = 0x60, Start = 0x61, Data = 0x62, End = 0x63 };
enum Status : uint8_t {
    StatusOk = 0,
    StatusBadSequence = 1, // bad sequence or offset
    StatusBadLength = 2,
    StatusCrcMismatch = 3,
    StatusWrongImage = 4,
    StatusNotStarted = 5,
    StatusTooLarge = 6,
    StatusWrongConnection = 7,
};
enum ImageType : uint8_t { ImageBin = 1, ImageUfw = 2 };
enum DeviceMode : uint8_t { ModeBootloader = 1, ModeDrive = 2 };
enum Connection : uint8_t { ConnectionCable = 0, ConnectionReceiver = 1 };

using Report = std::array<uint8_t, reportSize>;

// Every wait of the protocol, in one place so tests can shorten them. A request waits replyMs for
// its reply (END: endReplyMs) and is sent at most sends times in all. A device leaves no earlier
// than endWindowMs() after its good END, so a host whose END reply was lost still hears it.
struct Timeouts
{
    int replyMs;
    int endReplyMs;
    int sends;

    int endWindowMs() const { return endReplyMs * sends; }

    static Timeouts defaults() { return {500, 5000, 4}; }
    // The defaults, or VORLAN_UPGRADE_TIMEOUTS ("<reply>,<END reply>,<sends>"), or what set() gave.
    static Timeouts current();
    static void set(const Timeouts &timeouts);
};

struct IdentInfo
{
    uint32_t capacity = 0;
    uint8_t protocol = 0;
    uint8_t dataPerPacket = 0;
    uint8_t mode = 0;
    std::string model;   // model or product text, up to 16 characters
    std::string version; // up to 8 characters
};

uint32_t readBig32(const uint8_t *bytes);
void writeBig32(uint8_t *bytes, uint32_t value);

// A request with its command and sequence; the other bytes 0.
Report request(uint8_t command, uint8_t sequence);
bool isRequest(const Report &report);
Report reply(const Report &request, uint8_t status);
bool isReplyTo(const Report &reply, uint8_t command, uint8_t sequence);

Report identRequest(uint8_t sequence);
bool hasIdentMagic(const Report &request);
Report identReply(const Report &request, const IdentInfo &info);
// False when the reply lacks the magic.
bool parseIdentReply(const Report &reply, IdentInfo *info);

// One device link as the host sees it.
class Channel
{
public:
    virtual ~Channel() = default;
    // False when the device is gone.
    virtual bool send(const Report &report) = 0;
    // 1: a report arrived; 0: nothing within the time; -1: the device is gone.
    virtual int receive(Report *report, int timeoutMs) = 0;
};

// The host side of a transfer: IDENT first, then START, DATA and END.
class Host
{
public:
    enum class Result { Ok, NotIdentified, Timeout, Gone, TooLarge, Refused };

    explicit Host(Channel &channel);

    // IDENT; NotIdentified when the device answers without the magic or not at all.
    Result identify(IdentInfo *info);
    // START, DATA and END of the whole image (after identify). progress(total, current) in packets:
    // (N, 0) before the first DATA, then after each acknowledgement. On Refused, *status holds the
    // device's status.
    Result transfer(const std::vector<uint8_t> &image, uint8_t connection, uint8_t type,
                    const std::function<void(int total, int current)> &progress, uint8_t *status);

private:
    // Sends the request up to the set number of times until its reply arrives.
    Result exchange(Report request, int waitMs, Report *reply);

    Channel &m_channel;
    Timeouts m_timeouts;
    uint8_t m_sequence = 0;
    uint32_t m_capacity = 0;
};

} // namespace FirmwareTransfer
