// kbdsim: serves simulated keyboards in the folder VORLAN_SIM_DIR (or --dir) names.
//   kbdsim [--dir DIR] [--demo] [--plug MODEL[:SERIAL][:receiver]]...
//   kbdsim ctl [--dir DIR] COMMAND...      sends one control line and prints the answer

#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"
#include "sim/SimServer.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

SimServer *g_server = nullptr;

void onSignal(int)
{
    if (g_server)
        g_server->stop();
}

int usage()
{
    std::fprintf(stderr, "usage: kbdsim [--dir DIR] [--demo] [--plug MODEL[:SERIAL][:receiver]]...\n"
                         "       kbdsim ctl [--dir DIR] COMMAND...\n"
                         "models:");
    for (const ModelInfo &model : ModelCatalog::models())
        std::fprintf(stderr, " %s", model.name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
}

int control(const std::string &folder, const std::string &line)
{
    const std::string path = folder + "/" + SimSocketName::controlName;
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path))
        return usage();
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0) {
        std::fprintf(stderr, "kbdsim: no simulator listens on %s\n", path.c_str());
        return 1;
    }
    const std::string request = line + "\n";
    if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
        return 1;
    std::string answer;
    char buffer[4096];
    ssize_t n;
    while (answer.find('\n') == std::string::npos && (n = ::recv(fd, buffer, sizeof(buffer), 0)) > 0)
        answer.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    std::fputs(answer.c_str(), stdout);
    return answer.compare(0, 2, "OK") == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool ctl = !args.empty() && args[0] == "ctl";
    if (ctl)
        args.erase(args.begin());

    std::string folder = SimSocketName::simulatorFolder();
    std::vector<std::string> plugs;
    size_t i = 0;
    for (; i < args.size(); ++i) {
        if (args[i] == "--dir" && i + 1 < args.size())
            folder = args[++i];
        else if (!ctl && args[i] == "--plug" && i + 1 < args.size())
            plugs.push_back(args[++i]);
        else if (!ctl && args[i] == "--demo")
            plugs.insert(plugs.end(),
                         {"Aster104:DEMO0000000000000000000000000001", "Quartz68HE:DEMO0000000000000000000000000002",
                          "Breeze84W:DEMO0000000000000000000000000003"});
        else if (ctl)
            break;
        else
            return usage();
    }
    if (folder.empty())
        return usage();
    if (ctl) {
        std::string line;
        for (; i < args.size(); ++i)
            line += (line.empty() ? "" : " ") + args[i];
        return line.empty() ? usage() : control(folder, line);
    }

    SimServer server(folder);
    std::string error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "kbdsim: %s\n", error.c_str());
        return 1;
    }
    for (const std::string &plug : plugs) {
        std::string model, serial;
        bool receiver = false;
        if (!SimServer::parsePlugSpec(plug, &model, &serial, &receiver))
            return usage();
        const int id = server.plug(model, serial, receiver, &error);
        if (id < 0) {
            std::fprintf(stderr, "kbdsim: %s\n", error.c_str());
            return 1;
        }
        std::printf("kbdsim: %d %s %s\n", id, model.c_str(), server.devicePath(id).c_str());
    }
    std::printf("kbdsim: serving in %s\n", folder.c_str());
    std::fflush(stdout);

    g_server = &server;
    struct sigaction action
    {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    server.run();
    g_server = nullptr;
    return 0;
}
