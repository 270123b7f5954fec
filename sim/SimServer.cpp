#include "sim/SimServer.h"

#include "sdk/protocol/FirmwareIdentity.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/SimSocketName.h"
#include "sim/SimInjectedReports.h"
#include "sim/SimMagneticHandlers.h"
#include "sim/SimStandardHandlers.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
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

int listenSocket(const std::string &path, int type, std::string *error)
{
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) {
        *error = "socket path too long: " + path;
        return -1;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 || ::listen(fd, 8) != 0) {
        *error = path + ": " + std::strerror(errno);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

bool mkpath(const std::string &folder)
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

std::vector<std::string> splitWords(const std::string &line)
{
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> word)
        words.push_back(word);
    return words;
}

bool parseNumber(const std::string &text, int base, long minimum, long maximum, long *value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, base);
    if (errno != 0 || *end != '\0' || parsed < minimum || parsed > maximum)
        return false;
    *value = parsed;
    return true;
}

// Every word a number from 0 to 255 in the given base (0: as written, 0x... or decimal).
bool parseBytes(const std::vector<std::string> &words, int base, std::vector<uint8_t> *bytes)
{
    for (const std::string &word : words) {
        long value = 0;
        if (!parseNumber(word, base, 0, 255, &value))
            return false;
        bytes->push_back(static_cast<uint8_t>(value));
    }
    return true;
}

bool parseSwitch(const std::string &word, bool *on)
{
    if (word != "on" && word != "off")
        return false;
    *on = word == "on";
    return true;
}

constexpr size_t kAnyCount = SIZE_MAX;

// A "<field>=<text>" word of the plug command; false when the word is not one.
bool parseFirmwareSetting(const std::string &word, int *field, std::string *text)
{
    const size_t equals = word.find('=');
    if (equals == std::string::npos)
        return false;
    *field = FirmwareIdentity::fieldByName(word.substr(0, equals));
    *text = word.substr(equals + 1);
    return *field >= 0;
}

std::string firmwareTextError(const std::string &text)
{
    return text.size() > FirmwareIdentity::maxTextLength
               ? "ERR firmware text longer than " + std::to_string(FirmwareIdentity::maxTextLength) + " bytes"
               : std::string();
}

} // namespace

SimServer::SimServer(const std::string &folder)
    : m_folder(folder)
{
}

SimServer::~SimServer()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    while (!m_slots.empty())
        unplugLocked(m_slots.begin()->first);
    for (const ControlClient &client : m_controlClients)
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

bool SimServer::start(std::string *error)
{
    if (m_folder.empty() || !mkpath(m_folder)) {
        *error = "cannot create the simulator folder \"" + m_folder + "\"";
        return false;
    }
    // Sockets of a server that died are dead ends for the SDK's listing.
    if (DIR *dir = ::opendir(m_folder.c_str())) {
        while (const dirent *entry = ::readdir(dir)) {
            uint16_t vid, pid;
            int mi;
            const std::string name = entry->d_name;
            // Upgrade drives ("drive-<letter>-<id>.sock") too.
            if (SimSocketName::parse(name, &vid, &pid, &mi) || name == SimSocketName::controlName
                || name.compare(0, 6, "drive-") == 0)
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
    if (m_pending.empty() && m_events.empty())
        return -1;
    auto due = m_pending.empty() ? m_events.begin()->first : m_pending.begin()->first;
    if (!m_events.empty())
        due = std::min(due, m_events.begin()->first);
    const auto wait = due - std::chrono::steady_clock::now();
    return static_cast<int>(
        std::max<int64_t>(0, std::chrono::duration_cast<std::chrono::milliseconds>(wait).count() + 1));
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
            for (const ControlClient &client : m_controlClients)
                add(Kind::ControlClient, 0, client.fd);
            for (const auto &[id, slot] : m_slots) {
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
            const Source &source = sources[i];
            switch (source.kind) {
            case Kind::Wake: {
                char buffer[64];
                while (::read(source.fd, buffer, sizeof(buffer)) > 0) {
                }
                break;
            }
            case Kind::Control: acceptControlClient(); break;
            case Kind::ControlClient: {
                const auto it = std::find_if(m_controlClients.begin(), m_controlClients.end(),
                                             [&](const ControlClient &c) { return c.fd == source.fd; });
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
            case Kind::Client: readKeyboardClient(source.id, source.fd); break;
            }
        }
        sendDueReplies();
        runDueEvents();
    }
}

void SimServer::acceptKeyboardClient(int id)
{
    Slot &slot = m_slots.at(id);
    const int fd = ::accept4(slot.listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0)
        slot.clients.push_back(fd);
}

void SimServer::readKeyboardClient(int id, int fd)
{
    const auto slotIt = m_slots.find(id);
    if (slotIt == m_slots.end())
        return;
    Slot &slot = slotIt->second;
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
        if (slot.keyboard->upgrade().mode() != SimUpgradeMode::Keyboard) {
            if (!handleUpgradeReport(id, fd, report))
                break;
            continue;
        }
        if (FirmwareIdentityFeature::isRequest(report)) {
            // Feature reports bypass the report stream: answered at once, on this connection only.
            const FirmwareIdentityFeature::Report answer =
                FirmwareIdentityFeature::answer(report, slot.keyboard->memory().firmware);
            ::send(fd, answer.data(), answer.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
            continue;
        }
        const SimReplies replies = slot.keyboard->receive(report);
        m_received.notify_all();
        const auto now = std::chrono::steady_clock::now();
        for (const SimReport &reply : replies) {
            const auto delay = std::chrono::milliseconds(slot.latencyMs + slot.keyboard->replyDelayMs(reply));
            m_pending.emplace(now + delay, PendingReply{id, fd, reply});
        }
        if (slot.keyboard->hasLeft()) {
            unplugLocked(id);
            break;
        }
        if (slot.keyboard->takeUpgradeRequest())
            startUpgradeLocked(id);
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

void SimServer::schedule(int delayMs, std::function<void()> event)
{
    m_events.emplace(std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(0, delayMs)),
                     std::move(event));
    wake();
}

void SimServer::runDueEvents()
{
    // Called from the loop under the server's lock.
    while (!m_events.empty() && m_events.begin()->first <= std::chrono::steady_clock::now()) {
        const std::function<void()> event = std::move(m_events.begin()->second);
        m_events.erase(m_events.begin());
        event();
    }
}

void SimServer::detachLocked(int id)
{
    Slot &slot = m_slots.at(id);
    if (slot.listenFd >= 0)
        ::close(slot.listenFd);
    if (!slot.path.empty())
        ::unlink(slot.path.c_str());
    for (int fd : slot.clients)
        ::close(fd);
    slot.listenFd = -1;
    slot.path.clear();
    slot.clients.clear();
    slot.keyboard->upgrade().setMode(SimUpgradeMode::Away);
    m_received.notify_all();
    wake();
}

bool SimServer::attachLocked(int id, const std::string &path)
{
    Slot &slot = m_slots.at(id);
    std::string error;
    slot.listenFd = listenSocket(path, SOCK_SEQPACKET, &error);
    if (slot.listenFd < 0)
        return false;
    slot.path = path;
    wake();
    return true;
}

std::string SimServer::upgradeSocketPath(int id, const SimKeyboard &keyboard) const
{
    const SimUpgradeDevice &upgrade = keyboard.upgrade();
    if (upgrade.upgradeMode() == SimUpgradeMode::Drive)
        return m_folder + "/drive-" + upgrade.driveLetter() + "-" + std::to_string(id) + ".sock";
    // The bootloader's socket name carries its id pair, so the SDK lists it and the notifier sees it.
    const FirmwareImageRow &row = *upgrade.imageRow();
    char name[64];
    std::snprintf(name, sizeof(name),
                  upgrade.bootloaderUpperCase() ? "kbd-%04X-%04X-00-%d.sock" : "kbd-%04x-%04x-00-%d.sock",
                  row.bootloaderVid, row.bootloaderPid, id);
    return m_folder + "/" + name;
}

void SimServer::startUpgradeLocked(int id)
{
    SimUpgradeDevice &upgrade = m_slots.at(id).keyboard->upgrade();
    const int arriveMs = upgrade.delays().arriveMs;
    schedule(upgrade.delays().leaveMs, [this, id, arriveMs] {
        if (!m_slots.count(id))
            return;
        detachLocked(id);
        schedule(arriveMs, [this, id] { arriveForUpgradeLocked(id); });
    });
}

void SimServer::arriveForUpgradeLocked(int id)
{
    const auto it = m_slots.find(id);
    if (it == m_slots.end() || it->second.keyboard->upgrade().mode() != SimUpgradeMode::Away)
        return;
    SimKeyboard &keyboard = *it->second.keyboard;
    const SimUpgradeMode mode = keyboard.upgrade().upgradeMode();
    if (mode == SimUpgradeMode::Drive && keyboard.upgrade().faults().noDrive)
        return;
    if (attachLocked(id, upgradeSocketPath(id, keyboard)))
        keyboard.upgrade().setMode(mode);
}

bool SimServer::handleUpgradeReport(int id, int fd, const SimReport &report)
{
    Slot &slot = m_slots.at(id);
    SimUpgradeDevice &upgrade = slot.keyboard->upgrade();
    const SimUpgradeDevice::Outcome outcome = slot.keyboard->receiveUpgrade(report);
    m_received.notify_all();
    const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(slot.latencyMs + outcome.delayMs);
    for (const FirmwareTransfer::Report &reply : outcome.replies)
        m_pending.emplace(due, PendingReply{id, fd, reply});
    if (outcome.action == SimUpgradeDevice::Action::Vanish) {
        const int returnMs = upgrade.faults().vanishReturnMs;
        detachLocked(id);
        if (returnMs >= 0)
            schedule(returnMs, [this, id] { arriveForUpgradeLocked(id); });
        return false;
    }
    if (outcome.action == SimUpgradeDevice::Action::Succeeded) {
        // The device stays until the host's END retries are over, so a lost reply can be repeated.
        const int returnMs = upgrade.delays().returnMs;
        schedule(upgrade.delays().effectiveEndLeaveMs(), [this, id, returnMs] {
            if (!m_slots.count(id) || m_slots.at(id).keyboard->upgrade().mode() == SimUpgradeMode::Away)
                return;
            detachLocked(id);
            if (m_slots.at(id).keyboard->upgrade().faults().noReturn)
                return;
            schedule(returnMs, [this, id] {
                const auto it = m_slots.find(id);
                if (it == m_slots.end())
                    return;
                SimKeyboard &keyboard = *it->second.keyboard;
                keyboard.takeUpgradedFirmware();
                if (attachLocked(id, it->second.keyboardPath))
                    keyboard.upgrade().setMode(SimUpgradeMode::Keyboard);
            });
        });
    }
    return true;
}

void SimServer::acceptControlClient()
{
    const int fd = ::accept4(m_controlFd, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd >= 0)
        m_controlClients.push_back({fd, std::string()});
}

bool SimServer::readControlClient(ControlClient &client)
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

std::string SimServer::execute(const std::string &line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return executeLocked(line);
}

int SimServer::plug(const std::string &modelName, const std::string &serial, bool receiver, std::string *error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return plugLocked(modelName, serial, receiver, error);
}

int SimServer::plug(const std::string &modelName, const std::string &serial, bool receiver,
                    const FirmwareIdentity &firmware, std::string *error)
{
    for (const std::string &text : firmware.texts) {
        if (text.size() > FirmwareIdentity::maxTextLength) {
            if (error)
                *error = firmwareTextError(text);
            return -1;
        }
    }
    // Under one lock, so nobody reads the identity the keyboard had for a moment.
    std::lock_guard<std::mutex> lock(m_mutex);
    const int id = plugLocked(modelName, serial, receiver, error);
    if (id > 0)
        m_slots.at(id).keyboard->memory().firmware = firmware;
    return id;
}

int SimServer::plugLocked(const std::string &modelName, const std::string &serial, bool receiver, std::string *error)
{
    std::string answer = executeLocked("plug " + modelName + " " + (serial.empty() ? randomSerial() : serial)
                                       + (receiver ? " receiver" : ""));
    long id = -1;
    if (answer.compare(0, 3, "OK ") != 0 || !parseNumber(splitWords(answer).at(1), 10, 1, 1 << 30, &id)) {
        if (error)
            *error = answer;
        return -1;
    }
    return static_cast<int>(id);
}

bool SimServer::parsePlugSpec(const std::string &spec, std::string *modelName, std::string *serial, bool *receiver)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t colon; (colon = spec.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(spec.substr(start, colon - start));
    parts.push_back(spec.substr(start));
    *receiver = parts.size() > 1 && parts.back() == "receiver";
    if (*receiver)
        parts.pop_back();
    if (parts.size() > 2 || parts[0].empty())
        return false;
    *modelName = parts[0];
    *serial = parts.size() == 2 ? parts[1] : std::string();
    return true;
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
    Slot &slot = m_slots.at(id);
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

bool SimServer::inject(int id, const SimReport &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return injectLocked(id, report);
}

bool SimServer::injectLocked(int id, const SimReport &report)
{
    const auto it = m_slots.find(id);
    if (it == m_slots.end())
        return false;
    it->second.keyboard->noteInjected(report);
    for (int fd : it->second.clients)
        ::send(fd, report.data(), report.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    return true;
}

bool SimServer::withKeyboard(int id, const std::function<void(SimKeyboard &)> &f)
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
        for (const SimLogEntry &entry : it->second.keyboard->receivedLog())
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

// A line is "<name> <arguments>", or "<name> <id> <arguments>" for a command on one keyboard.
struct SimServer::ControlCall
{
    SimServer &server;
    std::vector<std::string> arguments;
    // The arguments as numbers, for a command that takes numbers.
    std::vector<uint8_t> values;
    int id;
    Slot *slot;

    SimKeyboard &keyboard() const { return *slot->keyboard; }
    std::string inject(const SimReport &report) const
    {
        server.injectLocked(id, report);
        return "OK";
    }
};

struct SimServer::ControlCommand
{
    // How the arguments are read: as words, or as numbers from 0 to 255 (hexadecimal, or as written).
    enum Arguments { Words, HexBytes, Numbers };

    const char *name;
    bool onKeyboard;
    Arguments kind;
    size_t minArguments;
    size_t maxArguments;
    const char *usage;
    // An empty answer refuses the arguments: the line is then answered with the usage.
    std::string (*run)(const ControlCall &call);
};

// In the order the usage lists them.
const std::vector<SimServer::ControlCommand> &SimServer::controlCommands()
{
    static const std::vector<ControlCommand> commands = {
        {"plug", false, ControlCommand::Words, 1, kAnyCount,
         "plug <model> [serial|-] [receiver] [<field>=<text>]... | <model>[:serial][:receiver] [<field>=<text>]...",
         [](const ControlCall &call) -> std::string {
             std::vector<std::string> arguments;
             std::vector<std::pair<int, std::string>> firmware;
             for (const std::string &word : call.arguments) {
                 int settingField = 0;
                 std::string text;
                 if (!parseFirmwareSetting(word, &settingField, &text)) {
                     arguments.push_back(word);
                     continue;
                 }
                 const std::string error = firmwareTextError(text);
                 if (!error.empty())
                     return error;
                 firmware.emplace_back(settingField, text);
             }
             if (arguments.size() == 1 && arguments[0].find(':') != std::string::npos) {
                 std::string model, serial;
                 bool receiver = false;
                 if (!parsePlugSpec(arguments[0], &model, &serial, &receiver))
                     return {};
                 arguments = {model, serial.empty() ? randomSerial() : serial};
                 if (receiver)
                     arguments.push_back("receiver");
             }
             if (arguments.empty() || arguments.size() > 3 || (arguments.size() == 3 && arguments[2] != "receiver"))
                 return {};
             const ModelInfo *model = ModelCatalog::findByName(arguments[0]);
             if (!model)
                 return "ERR unknown model " + arguments[0];
             const bool receiver = arguments.size() == 3;
             const auto ids = std::find_if(model->ids.begin(), model->ids.end(),
                                           [&](const ModelIds &candidate) { return candidate.isDongle == receiver; });
             if (ids == model->ids.end())
                 return "ERR " + arguments[0] + (receiver ? " has no receiver" : " has no cable variant");
             std::string serial = arguments.size() >= 2 ? arguments[1] : randomSerial();
             if (serial == "-")
                 serial.clear();
             if (serial.size() > 32)
                 return "ERR serial number longer than 32 characters";

             SimServer &server = call.server;
             const int id = server.m_nextId++;
             Slot slot;
             slot.path = server.m_folder + "/"
                         + SimSocketName::format(ids->vid, ids->pid, ids->interfaceNumber, std::to_string(id));
             std::string error;
             slot.listenFd = listenSocket(slot.path, SOCK_SEQPACKET, &error);
             if (slot.listenFd < 0)
                 return "ERR " + error;
             slot.keyboard = std::make_unique<SimKeyboard>(*model, *ids, serial);
             for (const auto &[settingField, text] : firmware)
                 slot.keyboard->memory().firmware.texts[settingField] = text;
             const std::string path = slot.path;
             slot.keyboardPath = path;
             server.m_slots.emplace(id, std::move(slot));
             server.wake();
             return "OK " + std::to_string(id) + " " + path;
         }},
        {"unplug", true, ControlCommand::Words, 0, 0, "unplug <id>",
         [](const ControlCall &call) -> std::string {
             call.server.unplugLocked(call.id);
             return "OK";
         }},
        {"list", false, ControlCommand::Words, 0, kAnyCount, "list",
         [](const ControlCall &call) -> std::string {
             std::string answer = "OK";
             // id:model:socket, and ":receiver" for a keyboard behind a receiver.
             for (const auto &[id, slot] : call.server.m_slots)
                 answer += " " + std::to_string(id) + ":" + slot.keyboard->model().name + ":" + slot.path
                           + (slot.keyboard->ids().isDongle ? ":receiver" : "");
             return answer;
         }},
        {"inject", true, ControlCommand::HexBytes, 1, 64, "inject <id> <hex bytes>",
         [](const ControlCall &call) -> std::string {
             SimReport report{};
             std::copy(call.values.begin(), call.values.end(), report.begin());
             return call.inject(report);
         }},
        {"status", true, ControlCommand::Numbers, 6, 7,
         "status <id> <keyLock> <charging> <battery> <connection> <receiverLink> <download> [mode]",
         [](const ControlCall &call) -> std::string {
             const std::vector<uint8_t> &v = call.values;
             return call.inject(
                 SimInjectedReports::status(v[0], v[1], v[2], v[3], v[4], v[5], v.size() > 6 ? v[6] : 0));
         }},
        {"key", true, ControlCommand::HexBytes, 1, 8, "key <id> <hex bytes>",
         [](const ControlCall &call) -> std::string {
             return call.inject(SimInjectedReports::forwardedKeys(call.values));
         }},
        {"media", true, ControlCommand::HexBytes, 1, 13, "media <id> <hex bytes>",
         [](const ControlCall &call) -> std::string {
             return call.inject(SimInjectedReports::multimedia(call.values));
         }},
        {"hostkey", true, ControlCommand::Numbers, 2, 2, "hostkey <id> <code> <pressed>",
         [](const ControlCall &call) -> std::string {
             return call.inject(SimInjectedReports::hostKey(call.values[0], call.values[1] != 0));
         }},
        {"light", true, ControlCommand::Numbers, 7, 7, "light <id> <area> <mode> <brightness> <speed> <r> <g> <b>",
         [](const ControlCall &call) -> std::string {
             const std::vector<uint8_t> &values = call.values;
             if (values[0] > 1)
                 return {};
             // The user changed the light on the keyboard itself: it stores and reports the record.
             SimKeyboardMemory &memory = call.keyboard().memory();
             SimLightRecord &record = values[0] == 0 ? memory.keyboardLight : memory.sideLight;
             record.mode = values[1];
             record.brightness = values[2];
             record.speed = values[3];
             std::copy(values.begin() + 4, values.end(), std::begin(record.color));
             return call.inject(
                 SimStandardHandlers::lightRecordReport(values[0] == 0 ? CMD_SIDE_LIGHT : CMD_CUSTOM_LIGHT, record));
         }},
        {"custom", true, ControlCommand::Numbers, 1, 1, "custom <id> <slot>",
         [](const ControlCall &call) -> std::string {
             call.keyboard().memory().customLightSlot = call.values[0];
             return call.inject(SimInjectedReports::customLightSlot(call.values[0]));
         }},
        {"bitmap", true, ControlCommand::HexBytes, 1, 22, "bitmap <id> <hex bytes>",
         [](const ControlCall &call) -> std::string {
             return call.inject(SimInjectedReports::keyBitmap(call.values));
         }},
        {"travel", true, ControlCommand::Numbers, 3, 3, "travel <id> <row> <column> <value>",
         [](const ControlCall &call) -> std::string {
             // A key moving under the user's finger: its live travel.
             return call.inject(SimMagneticHandlers::liveTravel(call.values[0], call.values[1], call.values[2]));
         }},
        {"maxtravel", true, ControlCommand::Numbers, 1, 1, "maxtravel <id> <value>",
         [](const ControlCall &call) -> std::string {
             // The maximum travel the keyboard reports, in 0.1 mm steps; 0 stands for none reported.
             call.keyboard().memory().sensitivity = call.values[0];
             return "OK";
         }},
        {"serial", true, ControlCommand::Words, 1, 1, "serial <id> normal|blank|short",
         [](const ControlCall &call) -> std::string {
             const std::string &fault = call.arguments[0];
             if (fault == "normal")
                 call.keyboard().setSerialFault(SimSerialFault::None);
             else if (fault == "blank")
                 call.keyboard().setSerialFault(SimSerialFault::Blank);
             else if (fault == "short")
                 call.keyboard().setSerialFault(SimSerialFault::Short);
             else
                 return {};
             return "OK";
         }},
        {"mute", true, ControlCommand::Words, 1, 1, "mute <id> on|off",
         [](const ControlCall &call) -> std::string {
             bool on = false;
             if (!parseSwitch(call.arguments[0], &on))
                 return {};
             call.keyboard().setMuted(on);
             return "OK";
         }},
        {"drop", true, ControlCommand::Words, 2, 2, "drop <id> <hex code> on|off",
         [](const ControlCall &call) -> std::string {
             long code = 0;
             bool on = false;
             if (!parseNumber(call.arguments[0], 16, 0, 255, &code) || !parseSwitch(call.arguments[1], &on))
                 return {};
             call.keyboard().setDroppedCommand(static_cast<uint8_t>(code), on);
             return "OK";
         }},
        {"latency", true, ControlCommand::Words, 1, 1, "latency <id> <ms>",
         [](const ControlCall &call) -> std::string {
             long latency = 0;
             if (!parseNumber(call.arguments[0], 10, 0, 60000, &latency))
                 return {};
             call.slot->latencyMs = static_cast<int>(latency);
             return "OK";
         }},
        {"ackdrop", true, ControlCommand::Words, 1, 1, "ackdrop <id> off|all|<n>",
         [](const ControlCall &call) -> std::string {
             const std::string &which = call.arguments[0];
             long nth = 0;
             if (which == "all") {
                 call.keyboard().setAckDropAll(true);
             } else if (which == "off") {
                 call.keyboard().setAckDropAll(false);
                 call.keyboard().setAckDropNth(0);
             } else if (parseNumber(which, 10, 1, 1L << 30, &nth)) {
                 call.keyboard().setAckDropNth(static_cast<int>(nth));
             } else {
                 return {};
             }
             return "OK";
         }},
        {"ackdelay", true, ControlCommand::Words, 1, 1, "ackdelay <id> <ms>",
         [](const ControlCall &call) -> std::string {
             long delay = 0;
             if (!parseNumber(call.arguments[0], 10, 0, 60000, &delay))
                 return {};
             call.keyboard().setAckDelayMs(static_cast<int>(delay));
             return "OK";
         }},
        {"firmware", true, ControlCommand::Words, 1, kAnyCount, "firmware <id> <field> [text]",
         [](const ControlCall &call) -> std::string {
             const int field = FirmwareIdentity::fieldByName(call.arguments[0]);
             if (field < 0)
                 return {};
             // The rest of the line is the text, its words joined by single blanks; none empties it.
             std::string text;
             for (size_t i = 1; i < call.arguments.size(); ++i)
                 text += (i > 1 ? " " : "") + call.arguments[i];
             const std::string error = firmwareTextError(text);
             if (!error.empty())
                 return error;
             call.keyboard().memory().firmware.texts[field] = text;
             return "OK";
         }},
        {"upgrade", true, ControlCommand::Words, 2, 3,
         "upgrade <id> ignore|dropend|noreturn|nodrive|verifyfail on|off | failend <n> | vanish <percent>|off "
         "[<ms>|never] | dropack <k> | ackdelay <ms> | product <text>|- | letter <A-Z> | case upper|lower | "
         "delay leave|arrive|endleave|return <ms>",
         [](const ControlCall &call) -> std::string {
             SimUpgradeDevice &upgrade = call.keyboard().upgrade();
             SimUpgradeFaults &faults = upgrade.faults();
             const std::string &what = call.arguments[0];
             const std::string &value = call.arguments[1];
             const bool third = call.arguments.size() == 3;
             long number = 0;
             bool on = false;
             const std::map<std::string, bool *> switches = {{"ignore", &faults.ignoreEnter},
                                                             {"dropend", &faults.dropEndReply},
                                                             {"noreturn", &faults.noReturn},
                                                             {"nodrive", &faults.noDrive},
                                                             {"verifyfail", &faults.driveVerifyFails}};
             const auto flag = switches.find(what);
             if (flag != switches.end()) {
                 if (third || !parseSwitch(value, &on))
                     return {};
                 *flag->second = on;
             } else if (what == "failend" && !third && parseNumber(value, 10, 0, 1000, &number)) {
                 faults.failEnds = static_cast<int>(number);
             } else if (what == "vanish") {
                 if (value == "off" && !third) {
                     faults.vanishPercent = -1;
                 } else if (parseNumber(value, 10, 0, 100, &number)) {
                     faults.vanishPercent = static_cast<int>(number);
                     long back = -1;
                     if (third && call.arguments[2] != "never" && !parseNumber(call.arguments[2], 10, 0, 600000, &back))
                         return {};
                     faults.vanishReturnMs = static_cast<int>(back);
                 } else {
                     return {};
                 }
             } else if (what == "dropack" && !third && parseNumber(value, 10, 0, 1 << 20, &number)) {
                 faults.dropEveryAck = static_cast<int>(number);
             } else if (what == "ackdelay" && !third && parseNumber(value, 10, 0, 60000, &number)) {
                 faults.ackDelayMs = static_cast<int>(number);
             } else if (what == "product" && !third && value.size() <= ModelCatalog::maxImageModelLength) {
                 faults.driveProduct = value == "-" ? std::string() : value;
             } else if (what == "letter" && !third && value.size() == 1 && value[0] >= 'A' && value[0] <= 'Z') {
                 upgrade.setDriveLetter(value[0]);
             } else if (what == "case" && !third && (value == "upper" || value == "lower")) {
                 upgrade.setBootloaderCase(value == "upper" ? 1 : 0);
             } else if (what == "delay" && third && parseNumber(call.arguments[2], 10, 0, 600000, &number)) {
                 SimUpgradeDelays &delays = upgrade.delays();
                 int *delay = value == "leave"      ? &delays.leaveMs
                              : value == "arrive"   ? &delays.arriveMs
                              : value == "endleave" ? &delays.endLeaveMs
                              : value == "return"   ? &delays.returnMs
                                                    : nullptr;
                 if (!delay)
                     return {};
                 *delay = static_cast<int>(number);
             } else {
                 return {};
             }
             return "OK";
         }},
        {"dump", true, ControlCommand::Words, 0, 0, "dump <id>",
         [](const ControlCall &call) -> std::string { return "OK " + call.keyboard().dumpJson(); }},
        {"clearlog", true, ControlCommand::Words, 0, 0, "clearlog <id>",
         [](const ControlCall &call) -> std::string {
             call.keyboard().clearLog();
             return "OK";
         }},
    };
    return commands;
}

std::string SimServer::executeLocked(const std::string &line)
{
    const std::vector<ControlCommand> &commands = controlCommands();
    static const std::string usage = [&] {
        std::string text = "ERR commands: ";
        for (const ControlCommand &command : commands)
            text += std::string(command.usage) + (&command == &commands.back() ? "" : ", ");
        return text;
    }();

    const std::vector<std::string> words = splitWords(line);
    if (words.empty())
        return usage;
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const ControlCommand &candidate) { return words[0] == candidate.name; });
    ControlCall call{*this, {}, {}, 0, nullptr};
    size_t firstArgument = 1;
    // An unknown word is taken for a command on a keyboard: its id is checked before the word.
    if (command == commands.end() || command->onKeyboard) {
        long id = 0;
        if (words.size() < 2 || !parseNumber(words[1], 10, 1, 1L << 30, &id))
            return usage;
        const auto slot = m_slots.find(static_cast<int>(id));
        if (slot == m_slots.end())
            return "ERR no keyboard " + words[1];
        call.id = slot->first;
        call.slot = &slot->second;
        firstArgument = 2;
    }
    call.arguments.assign(words.begin() + static_cast<std::ptrdiff_t>(firstArgument), words.end());
    if (command == commands.end() || call.arguments.size() < command->minArguments
        || call.arguments.size() > command->maxArguments)
        return usage;
    if (command->kind != ControlCommand::Words
        && !parseBytes(call.arguments, command->kind == ControlCommand::HexBytes ? 16 : 0, &call.values))
        return usage;
    const std::string answer = command->run(call);
    return answer.empty() ? usage : answer;
}
