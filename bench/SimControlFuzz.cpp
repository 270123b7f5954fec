// libFuzzer target: the simulator's control socket takes lines from anyone who can reach its
// folder. Every line gets an "OK" or "ERR" answer; none crashes the server.

#include "sim/SimServer.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

const std::string &folder()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/sim-control-fuzz-XXXXXX";
        const char *created = ::mkdtemp(pattern);
        if (!created)
            std::abort();
        return std::string(created) + "/sim";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SimServer server(folder());
    std::string error;
    if (!server.start(&error))
        std::abort();
    const std::string input(reinterpret_cast<const char *>(data), size);
    size_t begin = 0;
    while (begin <= input.size()) {
        size_t end = input.find('\n', begin);
        if (end == std::string::npos)
            end = input.size();
        const std::string answer = server.execute(input.substr(begin, end - begin));
        if (answer.rfind("OK", 0) != 0 && answer.rfind("ERR", 0) != 0)
            std::abort();
        begin = end + 1;
    }
    return 0;
}
