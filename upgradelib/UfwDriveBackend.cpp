#include "upgradelib/UfwDriveBackend.h"

#include "sdk/hid/SimTransport.h"
#include "sdk/protocol/SimSocketName.h"

#include <dirent.h>

namespace {

class SimDriveChannel : public FirmwareTransfer::Channel
{
public:
    explicit SimDriveChannel(SimTransport *transport)
        : m_transport(transport)
    {
    }

    bool send(const FirmwareTransfer::Report &report) override { return m_transport->write(report.data()) > 0; }

    int receive(FirmwareTransfer::Report *report, int timeoutMs) override
    {
        const int read = m_transport->readTimeout(report->data(), timeoutMs);
        return read < 0 ? -1 : (read > 0 ? 1 : 0);
    }

private:
    std::unique_ptr<SimTransport> m_transport;
};

} // namespace

std::string UfwDriveBackend::socketName(char letter, const std::string &tag)
{
    return std::string("drive-") + letter + "-" + tag + ".sock";
}

std::unique_ptr<FirmwareTransfer::Channel> UfwDriveBackend::open(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    const std::string folder = SimSocketName::simulatorFolder();
    if (letter < 'A' || letter > 'Z' || folder.empty())
        return nullptr;
    const std::string prefix = std::string("drive-") + letter + "-";
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return nullptr;
    std::unique_ptr<FirmwareTransfer::Channel> channel;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0 || name.size() < 5
            || name.compare(name.size() - 5, 5, ".sock") != 0)
            continue;
        if (SimTransport *transport = SimTransport::open(folder + "/" + name)) {
            channel = std::make_unique<SimDriveChannel>(transport);
            break;
        }
    }
    ::closedir(dir);
    return channel;
}
