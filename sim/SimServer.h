#pragma once

#include "sdk/protocol/FirmwareIdentity.h"
#include "sim/SimKeyboard.h"
#include "sim/SimReport.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Serves simulated keyboards as SOCK_SEQPACKET sockets in one folder (one report per packet),
// with a line-command control socket beside them. run() is the loop; every other call is
// thread-safe, so tests can drive a server running on a thread of their own.
class SimServer
{
public:
    explicit SimServer(const std::string &folder);
    ~SimServer();
    SimServer(const SimServer &) = delete;
    SimServer &operator=(const SimServer &) = delete;

    // Creates the folder, clears sockets a dead server left behind and opens the control socket.
    bool start(std::string *error);
    void run();
    // Safe to call from a signal handler.
    void stop();

    // One control line; the answer starts with "OK" or "ERR".
    std::string execute(const std::string &line);

    // Returns the keyboard's id, or -1 with an error text. An empty serial number is made up at
    // random; "-" plugs a keyboard that has none.
    int plug(const std::string &modelName, const std::string &serial, bool receiver, std::string *error);
    // The same, the keyboard carrying the given firmware texts from the start.
    int plug(const std::string &modelName, const std::string &serial, bool receiver, const FirmwareIdentity &firmware,
             std::string *error);
    // "MODEL[:SERIAL][:receiver]" as --plug and the plug command take it; false for any other form.
    static bool parsePlugSpec(const std::string &spec, std::string *modelName, std::string *serial, bool *receiver);
    bool unplug(int id);
    std::string socketPath(int id) const;
    std::string devicePath(int id) const;
    bool inject(int id, const SimReport &report);
    // Runs f on the keyboard under the server's lock; false when there is no such keyboard.
    bool withKeyboard(int id, const std::function<void(SimKeyboard &)> &f);
    std::vector<SimReport> receivedReports(int id) const;
    // Waits until the keyboard has received at least count reports.
    bool waitForReceived(int id, size_t count, std::chrono::milliseconds timeout);

private:
    struct Slot
    {
        std::unique_ptr<SimKeyboard> keyboard;
        int listenFd = -1;
        std::string path;
        std::vector<int> clients;
        int latencyMs = 0;
        std::string keyboardPath; // the keyboard's own socket, for its return after an upgrade
    };
    struct PendingReply
    {
        int id;
        int fd;
        SimReport report;
    };
    struct ControlClient
    {
        int fd;
        std::string buffer;
    };

    // A control command: one row of the table in SimServer.cpp, and the line it runs on.
    struct ControlCommand;
    struct ControlCall;
    static const std::vector<ControlCommand> &controlCommands();

    std::string executeLocked(const std::string &line);
    int plugLocked(const std::string &modelName, const std::string &serial, bool receiver, std::string *error);
    void unplugLocked(int id);
    bool injectLocked(int id, const SimReport &report);
    void wake();
    void acceptKeyboardClient(int id);
    void readKeyboardClient(int id, int fd);
    void acceptControlClient();
    bool readControlClient(ControlClient &client);
    void sendDueReplies();
    int pollTimeoutMs() const;

    // The upgrade: timed mode changes of a keyboard that became its bootloader or drive.
    void schedule(int delayMs, std::function<void()> event);
    void runDueEvents();
    void detachLocked(int id);
    bool attachLocked(int id, const std::string &path);
    std::string upgradeSocketPath(int id, const SimKeyboard &keyboard) const;
    void startUpgradeLocked(int id);
    void arriveForUpgradeLocked(int id);
    // False when the report ended the connection.
    bool handleUpgradeReport(int id, int fd, const SimReport &report);

    std::string m_folder;
    mutable std::mutex m_mutex;
    std::condition_variable m_received;
    std::map<int, Slot> m_slots;
    std::multimap<std::chrono::steady_clock::time_point, PendingReply> m_pending;
    std::multimap<std::chrono::steady_clock::time_point, std::function<void()>> m_events;
    std::vector<ControlClient> m_controlClients;
    int m_controlFd = -1;
    int m_wakeFds[2] = {-1, -1};
    int m_nextId = 1;
    std::atomic<bool> m_stopping{false};
};
