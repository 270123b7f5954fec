#include "sim/SimServer.h"

#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/SimSocketName.h"
#include "sim/SimInjectedReports.h"
#include "sim/SimMagneticHandlers.h"
#include "sim/SimStandardHandlers.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

int listenSocket(const std::string& path, int type, std::string* error)
{
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) {
        *error = "socket path too long: " + path;
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0
        || ::listen(fd, 8) != 0) {
        *error = path + ": " + std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

bool mkpath(const std::string& folder)
{
    std::string partial;
    std::stringstream parts(folder);
    std::string part;
    if (!folder.empty() && folder[0] == '/')
        partial = "/";
    while (std::getline(parts, part, '/')) {
        if (part.empty())
            continue;
        partial += part + "/";
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

std::string randomSerial()
{
    static std::mt19937_64 generator{std::random_device{}()};
    char text[33];
    std::snprintf(text, sizeof(text), "%016llx%016llx", static_cast<unsigned long long>(generator()),
                  static_cast<unsigned long long>(generator()));
    return text;
}

std::vector<std::string> splitWords(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> word)
        words.push_back(word);
    return words;
}

bool parseNumber(const std::string& text, int base, long minimum, long maximum, long* value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, base);
    if (errno != 0 || *end != '\0' || parsed < minimum || parsed > maximum)
        return false;
    *value = parsed;
    return true;
}

// Bytes given as hexadecimal words, from word `first` on.
bool parseBytes(const std::vector<std::string>& words, size_t first, size_t maxCount, std::vector<uint8_t>* bytes)
{
    if (words.size() - std::min(words.size(), first) > maxCount)
        return false;
    for (size_t i = first; i < words.size(); ++i) {
        long value = 0;
        if (!parseNumber(words[i], 16, 0, 255, &value))
            return false;
        bytes->push_back(static_cast<uint8_t>(value));
    }
    return true;
}

bool parseSmallNumbers(const std::vector<std::string>& words, size_t first, size_t count, std::vector<uint8_t>* values)
{
    if (words.size() != first + count)
        return false;
    for (size_t i = first; i < words.size(); ++i) {
        long value = 0;
        if (!parseNumber(words[i], 0, 0, 255, &value))
            return false;
        values->push_back(static_cast<uint8_t>(value));
    }
    return true;
}

const char* kUsage =
    "ERR commands: plug <model> [serial|-] [receiver], unplug <id>, list, inject <id> <hex bytes>, "
    "status <id> <keyLock> <charging> <battery> <connection> <receiverLink> <download> [mode], "
    "key <id> <hex bytes>, media <id> <hex bytes>, hostkey <id> <code> <pressed>, "
    "light <id> <area> <mode> <brightness> <speed> <r> <g> <b>, custom <id> <slot>, bitmap <id> <hex bytes>, "
    "travel <id> <row> <column> <value>, "
    "serial <id> normal|blank|short, mute <id> on|off, drop <id> <hex code> on|off, latency <id> <ms>, "
    "ackdrop <id> off|all|<n>, ackdelay <id> <ms>, dump <id>, clearlog <id>";

} // namespace

SimServer::SimServer(const std::string& folder)
    : m_folder(folder)
{
}

SimServer::~SimServer()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    while (!m_slots.empty())
        unplugLocked(m_slots.begin()->first);
    for (const ControlClient& client : m_controlClients)
        ::close(client.fd);
    if (m_controlFd >= 0) {
        ::close(m_controlFd);
        ::unlink((m_folder + "/" + SimSocketName::controlName).c_str());
    }
    for (int fd : m_wakeFds) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool SimServer::start(std::string* error)
{
    if (m_folder.empty() || !mkpath(m_folder)) {
        *error = "cannot create the simulator folder \"" + m_folder + "\"";
        return false;
    }
    // Sockets of a server that died are dead ends for the SDK's listing.
    if (DIR* dir = ::opendir(m_folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            uint16_t vid, pid;
            int mi;
            const std::string name = entry->d_name;
            if (SimSocketName::parse(name, &vid, &pid, &mi) || name == SimSocketName::controlName)
                ::unlink((m_folder + "/" + name).c_str());
        }
        ::closedir(dir);
    }
    if (::pipe2(m_wakeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        *error = std::strerror(errno);
        return false;
    }
    m_controlFd = listenSocket(m_folder + "/" + SimSocketName::controlName, SOCK_STREAM, error);
    return m_controlFd >= 0;
}

void SimServer::stop()
{
    m_stopping = true;
    wake();
}

void SimServer::wake()
{
    if (m_wakeFds[1] >= 0) {
        const char byte = 1;
        // A full pipe already holds a wake-up.
        [[maybe_unused]] const ssize_t written = ::write(m_wakeFds[1], &byte, 1);
    }
}

int SimServer::pollTimeoutMs() const
{
    if (m_pending.empty())
        return -1;
    const auto wait = m_pending.begin()->first - std::chrono::steady_clock::now();
    return static_cast<int>(std::max<int64_t>(
        0, std::chrono::duration_cast<std::chrono::milliseconds>(wait).count() + 1));
}

void SimServer::run()
{
    enum class Kind { Wake, Control, ControlClient, Listen, Client };
    struct Source
    {
        Kind kind;
        int id;
        int fd;
    };
    while (!m_stopping) {
        std::vector<pollfd> fds;
        std::vector<Source> sources;
        int timeout = -1;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto add = [&](Kind kind, int id, int fd) {
                fds.push_back({fd, POLLIN, 0});
                sources.push_back({kind, id, fd});
            };
            add(Kind::Wake, 0, m_wakeFds[0]);
            add(Kind::Control, 0, m_controlFd);
            for (const ControlClient& client : m_controlClients)
                add(Kind::ControlClient, 0, client.fd);
            for (const auto& [id, slot] : m_slots) {
                add(Kind::Listen, id, slot.listenFd);
                for (int fd : slot.clients)
                    add(Kind::Client, id, fd);
            }
            timeout = pollTimeoutMs();
        }
        if (::poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR)
            break;

        std::lock_guard<std::mutex> lock(m_mutex);
        for (size_t i = 0; i < fds.size(); ++i) {
            if (!fds[i].revents)
                continue;
            const Source& source = sources[i];
            switch (source.kind) {
            case Kind::Wake: {
                char buffer[64];
                while (::read(source.fd, buffer, sizeof(buffer)) > 0) {
                }
                break;
            }
            case Kind::Control:
                acceptControlClient();
                break;
            case Kind::ControlClient: {
                const auto it = std::find_if(m_controlClients.begin(), m_controlClients.end(),
                                             [&](const ControlClient& c) { return c.fd == source.fd; });
                if (it != m_controlClients.end() && !readControlClient(*it)) {
                    ::close(it->fd);
                    m_controlClients.erase(it);
                }
                break;
            }
            case Kind::Listen:
                if (m_slots.count(source.id))
                    acceptKeyboardClient(source.id);
                break;
            case Kind::Client:
                readKeyboardClient(source.id, source.fd);
                break;
            }
        }
        sendDueReplies();
    }
}

void SimServer::acceptKeyboardClient(int id)
{
    Slot& slot = m_slots.at(id);
    const int fd = ::accept4(slot.listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0)
        slot.clients.push_back(fd);
}

void SimServer::readKeyboardClient(int id, int fd)
{
    const auto slotIt = m_slots.find(id);
    if (slotIt == m_slots.end())
        return;
    Slot& slot = slotIt->second;
    if (std::find(slot.clients.begin(), slot.clients.end(), fd) == slot.clients.end())
        return; // closed earlier in this round
    for (;;) {
        SimReport report{};
        const ssize_t received = ::recv(fd, report.data(), report.size(), MSG_DONTWAIT);
        if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            break;
        if (received <= 0) {
            ::close(fd);
            slot.clients.erase(std::remove(slot.clients.begin(), slot.clients.end(), fd), slot.clients.end());
            break;
        }
        const SimReplies replies = slot.keyboard->receive(report);
        m_received.notify_all();
        const auto now = std::chrono::steady_clock::now();
        for (const SimReport& reply : replies) {
            const auto delay = std::chrono::milliseconds(slot.latencyMs + slot.keyboard->replyDelayMs(reply));
            m_pending.emplace(now + delay, PendingReply{id, fd, reply});
        }
        if (slot.keyboard->hasLeft()) {
            unplugLocked(id);
            break;
        }
    }
}

void SimServer::sendDueReplies()
{
    const auto now = std::chrono::steady_clock::now();
    while (!m_pending.empty() && m_pending.begin()->first <= now) {
        const PendingReply pending = m_pending.begin()->second;
        m_pending.erase(m_pending.begin());
        const auto slot = m_slots.find(pending.id);
        if (slot == m_slots.end()
            || std::find(slot->second.clients.begin(), slot->second.clients.end(), pending.fd)
                == slot->second.clients.end())
            continue;
        // A reader that does not keep up loses replies, as with a real device.
        ::send(pending.fd, pending.report.data(), pending.report.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    }
}

void SimServer::acceptControlClient()
{
    const int fd = ::accept4(m_controlFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0)
        m_controlClients.push_back({fd, std::string()});
}

bool SimServer::readControlClient(ControlClient& client)
{
    char buffer[4096];
    const ssize_t received = ::recv(client.fd, buffer, sizeof(buffer), MSG_DONTWAIT);
    if (received < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    if (received == 0)
        return false;
    client.buffer.append(buffer, static_cast<size_t>(received));
    if (client.buffer.size() > 65536)
        return false; // no line is that long
    size_t newline;
    while ((newline = client.buffer.find('\n')) != std::string::npos) {
        const std::string line = client.buffer.substr(0, newline);
        client.buffer.erase(0, newline + 1);
        const std::string answer = executeLocked(line) + "\n";
        size_t sent = 0;
        while (sent < answer.size()) {
            const ssize_t n = ::send(client.fd, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += static_cast<size_t>(n);
        }
    }
    return true;
}

std::string SimServer::execute(const std::string& line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return executeLocked(line);
}

int SimServer::plug(const std::string& modelName, const std::string& serial, bool receiver, std::string* error)
{
    std::string answer = execute("plug " + modelName + " " + (serial.empty() ? randomSerial() : serial)
                                 + (receiver ? " receiver" : ""));
    long id = -1;
    if (answer.compare(0, 3, "OK ") != 0 || !parseNumber(splitWords(answer).at(1), 10, 1, 1 << 30, &id)) {
        if (error)
            *error = answer;
        return -1;
    }
    return static_cast<int>(id);
}

bool SimServer::unplug(int id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_slots.count(id))
        return false;
    unplugLocked(id);
    return true;
}

void SimServer::unplugLocked(int id)
{
    Slot& slot = m_slots.at(id);
    ::close(slot.listenFd);
    ::unlink(slot.path.c_str());
    for (int fd : slot.clients)
        ::close(fd);
    m_slots.erase(id);
    m_received.notify_all();
    wake();
}

std::string SimServer::socketPath(int id) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_slots.find(id);
    return it == m_slots.end() ? std::string() : it->second.path;
}

std::string SimServer::devicePath(int id) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_slots.find(id);
    if (it == m_slots.end())
        return std::string();
    HidDevicePath path;
    path.vid = it->second.keyboard->ids().vid;
    path.pid = it->second.keyboard->ids().pid;
    path.interfaceNumber = it->second.keyboard->ids().interfaceNumber;
    path.backendPath = HidDevicePath::simPrefix + it->second.path;
    return path.toString();
}

bool SimServer::inject(int id, const SimReport& report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return injectLocked(id, report);
}

bool SimServer::injectLocked(int id, const SimReport& report)
{
    const auto it = m_slots.find(id);
    if (it == m_slots.end())
        return false;
    it->second.keyboard->noteInjected(report);
    for (int fd : it->second.clients)
        ::send(fd, report.data(), report.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    return true;
}

bool SimServer::withKeyboard(int id, const std::function<void(SimKeyboard&)>& f)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_slots.find(id);
    if (it == m_slots.end())
        return false;
    f(*it->second.keyboard);
    return true;
}

std::vector<SimReport> SimServer::receivedReports(int id) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<SimReport> reports;
    const auto it = m_slots.find(id);
    if (it != m_slots.end()) {
        for (const SimLogEntry& entry : it->second.keyboard->receivedLog())
            reports.push_back(entry.report);
    }
    return reports;
}

bool SimServer::waitForReceived(int id, size_t count, std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_received.wait_for(lock, timeout, [&] {
        const auto it = m_slots.find(id);
        return it != m_slots.end() && it->second.keyboard->receivedLog().size() >= count;
    });
}

std::string SimServer::executeLocked(const std::string& line)
{
    const std::vector<std::string> words = splitWords(line);
    if (words.empty())
        return kUsage;
    const std::string& command = words[0];

    if (command == "plug") {
        if (words.size() < 2 || words.size() > 4 || (words.size() == 4 && words[3] != "receiver"))
            return kUsage;
        const ModelInfo* model = ModelCatalog::findByName(words[1]);
        if (!model)
            return "ERR unknown model " + words[1];
        const bool receiver = words.size() == 4;
        const auto ids = std::find_if(model->ids.begin(), model->ids.end(),
                                      [&](const ModelIds& candidate) { return candidate.isDongle == receiver; });
        if (ids == model->ids.end())
            return std::string("ERR ") + words[1] + (receiver ? " has no receiver" : " has no cable variant");
        std::string serial = words.size() >= 3 ? words[2] : randomSerial();
        if (serial == "-")
            serial.clear();
        if (serial.size() > 32)
            return "ERR serial number longer than 32 characters";

        const int id = m_nextId++;
        Slot slot;
        slot.path = m_folder + "/" + SimSocketName::format(ids->vid, ids->pid, ids->interfaceNumber, std::to_string(id));
        std::string error;
        slot.listenFd = listenSocket(slot.path, SOCK_SEQPACKET, &error);
        if (slot.listenFd < 0)
            return "ERR " + error;
        slot.keyboard = std::make_unique<SimKeyboard>(*model, *ids, serial);
        const std::string path = slot.path;
        m_slots.emplace(id, std::move(slot));
        wake();
        return "OK " + std::to_string(id) + " " + path;
    }
    if (command == "list") {
        std::string answer = "OK";
        for (const auto& [id, slot] : m_slots)
            answer += " " + std::to_string(id) + ":" + slot.keyboard->model().name + ":" + slot.path;
        return answer;
    }

    long id = 0;
    if (words.size() < 2 || !parseNumber(words[1], 10, 1, 1L << 30, &id))
        return kUsage;
    const auto slotIt = m_slots.find(static_cast<int>(id));
    if (slotIt == m_slots.end())
        return "ERR no keyboard " + words[1];
    Slot& slot = slotIt->second;
    SimKeyboard& keyboard = *slot.keyboard;
    std::vector<uint8_t> values;

    if (command == "unplug" && words.size() == 2) {
        unplugLocked(static_cast<int>(id));
        return "OK";
    }
    if (command == "dump" && words.size() == 2)
        return "OK " + keyboard.dumpJson();
    if (command == "clearlog" && words.size() == 2) {
        keyboard.clearLog();
        return "OK";
    }
    if (command == "inject" && words.size() > 2 && parseBytes(words, 2, 64, &values)) {
        SimReport report{};
        std::copy(values.begin(), values.end(), report.begin());
        injectLocked(static_cast<int>(id), report);
        return "OK";
    }
    if (command == "status" && (parseSmallNumbers(words, 2, 6, &values) || parseSmallNumbers(words, 2, 7, &values))) {
        injectLocked(static_cast<int>(id), SimInjectedReports::status(values[0], values[1], values[2], values[3],
                                                                      values[4], values[5],
                                                                      values.size() > 6 ? values[6] : 0));
        return "OK";
    }
    if (command == "key" && words.size() > 2 && parseBytes(words, 2, 8, &values)) {
        injectLocked(static_cast<int>(id), SimInjectedReports::forwardedKeys(values));
        return "OK";
    }
    if (command == "media" && words.size() > 2 && parseBytes(words, 2, 13, &values)) {
        injectLocked(static_cast<int>(id), SimInjectedReports::multimedia(values));
        return "OK";
    }
    if (command == "hostkey" && parseSmallNumbers(words, 2, 2, &values)) {
        injectLocked(static_cast<int>(id), SimInjectedReports::hostKey(values[0], values[1] != 0));
        return "OK";
    }
    if (command == "light" && parseSmallNumbers(words, 2, 7, &values) && values[0] <= 1) {
        // The user changed the light on the keyboard itself: it stores and reports the record.
        SimLightRecord& record = values[0] == 0 ? keyboard.memory().keyboardLight : keyboard.memory().sideLight;
        record.mode = values[1];
        record.brightness = values[2];
        record.speed = values[3];
        std::copy(values.begin() + 4, values.end(), std::begin(record.color));
        injectLocked(static_cast<int>(id),
                     SimStandardHandlers::lightRecordReport(values[0] == 0 ? CMD_SIDE_LIGHT : CMD_CUSTOM_LIGHT,
                                                            record));
        return "OK";
    }
    if (command == "custom" && parseSmallNumbers(words, 2, 1, &values)) {
        keyboard.memory().customLightSlot = values[0];
        injectLocked(static_cast<int>(id), SimInjectedReports::customLightSlot(values[0]));
        return "OK";
    }
    if (command == "travel" && parseSmallNumbers(words, 2, 3, &values)) {
        // A key moving under the user's finger: its live travel.
        injectLocked(static_cast<int>(id), SimMagneticHandlers::liveTravel(values[0], values[1], values[2]));
        return "OK";
    }
    if (command == "bitmap" && words.size() > 2 && parseBytes(words, 2, 22, &values)) {
        injectLocked(static_cast<int>(id), SimInjectedReports::keyBitmap(values));
        return "OK";
    }
    if (command == "serial" && words.size() == 3) {
        if (words[2] == "normal")
            keyboard.setSerialFault(SimSerialFault::None);
        else if (words[2] == "blank")
            keyboard.setSerialFault(SimSerialFault::Blank);
        else if (words[2] == "short")
            keyboard.setSerialFault(SimSerialFault::Short);
        else
            return kUsage;
        return "OK";
    }
    if (command == "mute" && words.size() == 3 && (words[2] == "on" || words[2] == "off")) {
        keyboard.setMuted(words[2] == "on");
        return "OK";
    }
    long code = 0;
    if (command == "drop" && words.size() == 4 && parseNumber(words[2], 16, 0, 255, &code)
        && (words[3] == "on" || words[3] == "off")) {
        keyboard.setDroppedCommand(static_cast<uint8_t>(code), words[3] == "on");
        return "OK";
    }
    long latency = 0;
    if (command == "latency" && words.size() == 3 && parseNumber(words[2], 10, 0, 60000, &latency)) {
        slot.latencyMs = static_cast<int>(latency);
        return "OK";
    }
    if (command == "ackdrop" && words.size() == 3) {
        long nth = 0;
        if (words[2] == "all") {
            keyboard.setAckDropAll(true);
        } else if (words[2] == "off") {
            keyboard.setAckDropAll(false);
            keyboard.setAckDropNth(0);
        } else if (parseNumber(words[2], 10, 1, 1L << 30, &nth)) {
            keyboard.setAckDropNth(static_cast<int>(nth));
        } else {
            return kUsage;
        }
        return "OK";
    }
    long ackDelay = 0;
    if (command == "ackdelay" && words.size() == 3 && parseNumber(words[2], 10, 0, 60000, &ackDelay)) {
        keyboard.setAckDelayMs(static_cast<int>(ackDelay));
        return "OK";
    }
    return kUsage;
}
