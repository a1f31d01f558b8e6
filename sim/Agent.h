#pragma once
#include "Actions.h"
#include "Device.h"
#include "FileTransfer.h"
#include <csignal>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TraceLog;

// The net-snmp side of the simulator: one embedded agent, one UDP session per
// device (its own loopback address and port), one handler for the served
// subtrees that answers from the device the request arrived at, per-device
// communities and the SNMPv3 users (all devices share one engine ID).
class Agent {
public:
    struct V3User {
        std::string Name;
        std::string AuthProtocol;   // "MD5", "SHA" or "" for none
        std::string AuthPass;
        std::string PrivProtocol;   // "DES", "AES" or "" for none
        std::string PrivPass;
        bool ReadOnly = false;
    };
    struct Options {
        std::string WorkDir;          // private folder for net-snmp's configuration and persistent files
        std::vector<V3User> Users;
        bool Verbose = false;
        int MaxVarbinds = 256;        // larger requests are answered with tooBig
        const TraceLog* Trace = nullptr;   // where every received request PDU is written, or none
    };

    Agent(std::vector<std::unique_ptr<Device>>& devices, Actions actions);
    ~Agent();

    bool Start(const Options& options, std::string& error);
    // Serves until stop becomes non-zero; every second it calls tick.
    void Run(volatile std::sig_atomic_t& stop, void (*tick)(void*), void* tickContext);
    // Called on the agent's thread while Run serves (finished file transfers
    // take effect there): at once after Wake, and every 100 ms.
    void SetPoll(std::function<void()> poll) { poll_ = std::move(poll); }
    // From any thread: the poll runs as soon as the agent's thread is free, so
    // a set that waits for its transfer is answered when the transfer ends.
    void Wake();
    void Shutdown();
    // The answer to a set that queued file transfers waits until they are
    // done; a failed one makes it an error. Called on the agent's thread with
    // what FileTransfer::Collect returned.
    void TransfersFinished(const std::vector<FileTransfer::Finished>& finished);

    // Used by the net-snmp callbacks.
    Device* Current() const { return current_; }
    void SetCurrent(Device* device) { current_ = device; }
    const Options& Settings() const { return options_; }
    const Actions& DeviceActions() const { return actions_; }
    const V3User* UserNamed(const std::string& name) const;
    // How the trace names a device: its address, or address:port where devices share an address.
    const std::string& TraceName(const Device* device) const;
    // A set whose answer waits until its transfers are done: a copy of the
    // request (the answer is made from it), the session it came on, and for
    // each queued job the varbind (1-based) that started it.
    void Hold(void* requestCopy, void* session, const Device* device, long requestId, std::map<int, int> jobVarbinds);
    // True while a set with this request id waits for its transfers (a
    // retransmission of it is not carried out twice).
    bool Holding(const Device* device, long requestId) const;

private:
    std::vector<std::unique_ptr<Device>>& devices_;
    Actions actions_;
    Options options_;
    Device* current_ = nullptr;
    bool started_ = false;
    std::function<void()> poll_;
    int wake_[2] = {-1, -1};   // a pipe: Wake writes, Run's select reads
    std::map<const Device*, std::string> traceNames_;
    struct HeldSet {
        void* Request;                // netsnmp_pdu, a copy of the set request
        void* Session;                // netsnmp_session it came on
        const Device* Target;
        long RequestId;
        std::map<int, int> Jobs;      // job -> varbind index
        std::vector<int> Failed;      // varbind indexes of failed jobs
    };
    std::vector<HeldSet> held_;
    void Release(HeldSet& held);
};
