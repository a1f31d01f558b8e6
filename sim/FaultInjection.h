#pragma once
#include "OidPath.h"
#include <cstddef>
#include <set>
#include <string>
#include <vector>

class Device;
struct snmp_pdu;
struct netsnmp_transport_s;

// Faults of a whole device that the fault runs need beside FaultKnobs:
//   --restart-at DEVICES:OID[:get|set|all][:MS]  the device restarts (as
//       after deviceRestart, silent for MS or --restart-time) when a request
//       first reaches OID (a varbind at or below it); that request gets no
//       answer. Once per device and entry, so a walk, a template application
//       or an upgrade is cut off in the middle.
//   --answer-delay DEVICES:MS  every packet the device sends (answers to
//       gets, get-nexts and sets, v3 reports) leaves MS milliseconds late.
//   --transfer-rate BYTES  the devices' FTP and TFTP transfers move at most
//       BYTES per second, so that a test can stop a server in the middle of one.
// Configured once at start, before the agent runs; used on the agent's thread
// (the transfer rate also on the transfer threads, read only).
namespace FaultInjection {

struct RestartAt {
    std::set<int> Devices;   // 1-based; empty: every device
    OidPath Prefix;
    int Ops = 3;             // 1 gets (GET, GETNEXT, GETBULK), 2 sets, 3 both
    int SilentMs = -1;       // how long the restart keeps it silent; -1: --restart-time
};

// Parses the option texts; false with the reason on bad text.
bool ParseRestartAt(const std::string& text, int deviceCount, RestartAt& out, std::string& error);
bool ParseAnswerDelay(const std::string& text, int deviceCount, std::set<int>& devices, int& ms, std::string& error);

// Sets up the faults of device number `number` (1-based).
void Configure(Device& device, int number, const std::vector<RestartAt>& restarts, const std::set<int>& delayDevices,
               int delayMs, int restartMs);
void SetTransferRate(long bytesPerSecond);
long TransferRate();
// An upload's next piece under the transfer rate: at most a tenth of a
// second's worth, after a tenth of a second's pause (curl's own limit lets a
// file smaller than its buffer go at once). `bytes` without a rate.
size_t ThrottleUpload(size_t bytes);

// Hook after a request PDU is parsed: true when the device restarts now (the
// request is then dropped).
bool RestartsOn(Device& device, const snmp_pdu& pdu);

using SendFunction = int (*)(netsnmp_transport_s*, const void*, int, void**, int*);
// Hook before a packet leaves the device: true when it is held back (and
// sent later with `send`).
bool Delays(const Device* device, netsnmp_transport_s* transport, const void* data, int length, void** opaque,
            int* olength, SendFunction send);

}  // namespace FaultInjection
