// libFuzzer target for the simulator's request handling: the input is one
// raw UDP datagram, sent to a simulated device (the real net-snmp agent of
// nxa-sim with its handler, access check, fault knobs and trace) on loopback.
// The agent parses it, checks the community or the SNMPv3 user, answers from
// the device model, and writes the request to its trace (here /dev/null).
// Requests that change the device change it for the inputs after them, as on
// a real device; every few thousand inputs the device returns to its saved
// settings and restarts.
#include "sim/Actions.h"
#include "sim/Agent.h"
#include "sim/Device.h"
#include "sim/DeviceModel.h"
#include "sim/SimOptions.h"
#include "sim/TraceLog.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <arpa/inet.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kRebuildEvery = 5000;

struct Simulator {
    std::unique_ptr<DeviceModel> Model = DeviceModel::Build();
    std::vector<std::unique_ptr<Device>> Devices;
    QTemporaryDir Work;
    TraceLog Trace;
    std::unique_ptr<Agent> Server;
    uint16_t Port = 0;
    int Client = -1;
    int Inputs = 0;

    Simulator()
    {
        std::string error;
        if (!Work.isValid() || !Trace.Open("/dev/null", error))
            std::abort();
        Client = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (Client < 0 || ::bind(Client, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
            std::abort();
        Port = FreeUdpPort();
        DeviceIdentity id = DeviceIdentity::ForIndex(0, "127.0.0.1", Port, 0, "1.10");
        Devices.push_back(std::make_unique<Device>(*Model, id, 4));
        Server = std::make_unique<Agent>(Devices, Actions(Actions::Timing{0, 0}));
        Agent::Options options;
        options.WorkDir = Work.path().toStdString();
        options.Users = SimOptions::DefaultUsers();
        options.Trace = &Trace;
        if (!Server->Start(options, error)) {
            std::fprintf(stderr, "the agent does not start: %s\n", error.c_str());
            std::abort();
        }
    }

    static uint16_t FreeUdpPort()
    {
        const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            std::abort();
        ::close(s);
        return ntohs(address.sin_port);
    }

    // Back to the settings the device started with (or last applied), and
    // restarted: what earlier inputs set is mostly forgotten.
    void Rebuild()
    {
        Devices.front()->State().RestoreSnapshot();
        Devices.front()->State().Reboot();
    }

    void Send(const uint8_t* data, size_t size)
    {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        to.sin_port = htons(Port);
        ::sendto(Client, data, size, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        // The datagram is queued at the agent's socket by now; a pass without
        // waiting reads and answers it (twice: a delegated answer comes later).
        agent_check_and_process(0);
        agent_check_and_process(0);
        char answer[65536];
        while (::recv(Client, answer, sizeof answer, MSG_DONTWAIT) > 0) {
        }
    }
};

Simulator* gSim = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    gSim = new Simulator;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 8192)
        return 0;
    if (++gSim->Inputs % kRebuildEvery == 0)
        gSim->Rebuild();
    gSim->Send(data, size);
    return 0;
}
