#include "FaultInjection.h"
#include "Device.h"
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <thread>

namespace FaultInjection {

namespace {

struct DeviceFaults {
    std::vector<RestartAt> Restarts;
    std::vector<bool> Used;   // per entry of Restarts: it restarted the device already
    int DelayMs = 0;
    int RestartMs = 3000;
};

std::map<const Device*, DeviceFaults> gDevices;
std::atomic<long> gTransferRate{0};

// A packet held back by the answer delay.
struct HeldPacket {
    netsnmp_transport* Transport;
    SendFunction Send;
    std::string Data;
    std::string Opaque;   // the destination as the transport gave it
};
std::map<HeldPacket*, std::unique_ptr<HeldPacket>> gHeld;

void SendHeld(unsigned int, void* data) {
    auto it = gHeld.find(static_cast<HeldPacket*>(data));
    if (it == gHeld.end())
        return;
    HeldPacket& packet = *it->second;
    void* opaque = packet.Opaque.empty() ? nullptr : packet.Opaque.data();
    int olength = static_cast<int>(packet.Opaque.size());
    packet.Send(packet.Transport, packet.Data.data(), static_cast<int>(packet.Data.size()), opaque ? &opaque : nullptr,
                &olength);
    gHeld.erase(it);
}

bool ParseDevices(const std::string& text, int deviceCount, std::set<int>& out) {
    out.clear();
    if (text == "all")
        return true;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        const std::string part = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        char* end = nullptr;
        long n = std::strtol(part.c_str(), &end, 10);
        if (part.empty() || *end || n < 1 || n > deviceCount)
            return false;
        out.insert(static_cast<int>(n));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return !out.empty();
}

}  // namespace

bool ParseRestartAt(const std::string& text, int deviceCount, RestartAt& out, std::string& error) {
    error = "bad --restart-at " + text + " (DEVICES:OID[:get|set|all][:MS], DEVICES all or device numbers)";
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        const size_t colon = text.find(':', start);
        fields.push_back(text.substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    if (fields.size() < 2 || fields.size() > 4 || !ParseDevices(fields[0], deviceCount, out.Devices) ||
        !Oids::Parse(fields[1], out.Prefix) || out.Prefix.empty())
        return false;
    out.Ops = 3;
    out.SilentMs = -1;
    for (size_t i = 2; i < fields.size(); ++i) {
        char* end = nullptr;
        const long ms = std::strtol(fields[i].c_str(), &end, 10);
        if (fields[i] == "get")
            out.Ops = 1;
        else if (fields[i] == "set")
            out.Ops = 2;
        else if (fields[i] == "all")
            out.Ops = 3;
        else if (!fields[i].empty() && !*end && ms >= 0 && ms <= 600000)
            out.SilentMs = static_cast<int>(ms);
        else
            return false;
    }
    error.clear();
    return true;
}

bool ParseAnswerDelay(const std::string& text, int deviceCount, std::set<int>& devices, int& ms, std::string& error) {
    error = "bad --answer-delay " + text + " (DEVICES:MS, DEVICES all or device numbers, MS 0 to 60000)";
    const size_t colon = text.find(':');
    if (colon == std::string::npos || !ParseDevices(text.substr(0, colon), deviceCount, devices))
        return false;
    char* end = nullptr;
    const std::string number = text.substr(colon + 1);
    long value = std::strtol(number.c_str(), &end, 10);
    if (number.empty() || *end || value < 0 || value > 60000)
        return false;
    ms = static_cast<int>(value);
    error.clear();
    return true;
}

void Configure(Device& device, int number, const std::vector<RestartAt>& restarts, const std::set<int>& delayDevices,
               int delayMs, int restartMs) {
    DeviceFaults faults;
    for (const RestartAt& restart : restarts)
        if (restart.Devices.empty() || restart.Devices.count(number))
            faults.Restarts.push_back(restart);
    faults.Used.assign(faults.Restarts.size(), false);
    if (delayDevices.empty() || delayDevices.count(number))
        faults.DelayMs = delayMs;
    faults.RestartMs = restartMs;
    if (!faults.Restarts.empty() || faults.DelayMs > 0)
        gDevices[&device] = std::move(faults);
}

void SetTransferRate(long bytesPerSecond) { gTransferRate = bytesPerSecond; }
long TransferRate() { return gTransferRate; }

size_t ThrottleUpload(size_t bytes) {
    const long rate = gTransferRate;
    if (rate <= 0 || bytes == 0)
        return bytes;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return std::min(bytes, static_cast<size_t>(std::max(1L, rate / 10)));
}

bool RestartsOn(Device& device, const snmp_pdu& pdu) {
    auto it = gDevices.find(&device);
    if (it == gDevices.end() || it->second.Restarts.empty())
        return false;
    DeviceFaults& faults = it->second;
    const int op = pdu.command == SNMP_MSG_SET ? 2 : 1;
    for (size_t i = 0; i < faults.Restarts.size(); ++i) {
        const RestartAt& restart = faults.Restarts[i];
        if (faults.Used[i] || !(restart.Ops & op))
            continue;
        for (const netsnmp_variable_list* vb = pdu.variables; vb; vb = vb->next_variable) {
            if (vb->name_length < restart.Prefix.size())
                continue;
            bool below = true;
            for (size_t k = 0; k < restart.Prefix.size() && below; ++k)
                below = vb->name[k] == restart.Prefix[k];
            if (!below)
                continue;
            faults.Used[i] = true;
            const int ms = restart.SilentMs >= 0 ? restart.SilentMs : faults.RestartMs;
            device.State().Reboot();
            device.SilenceFor(ms);
            device.Log().Add(DeviceLog::Priority::Notice, "restart (injected fault): silent for " + std::to_string(ms) + " ms");
            return true;
        }
    }
    return false;
}

bool Delays(const Device* device, netsnmp_transport_s* transport, const void* data, int length, void** opaque,
            int* olength, SendFunction send) {
    auto it = gDevices.find(device);
    if (it == gDevices.end() || it->second.DelayMs <= 0 || length <= 0)
        return false;
    auto packet = std::make_unique<HeldPacket>();
    packet->Transport = transport;
    packet->Send = send;
    packet->Data.assign(static_cast<const char*>(data), static_cast<size_t>(length));
    if (opaque && *opaque && olength && *olength > 0)
        packet->Opaque.assign(static_cast<const char*>(*opaque), static_cast<size_t>(*olength));
    const int ms = it->second.DelayMs;
    timeval after{ms / 1000, (ms % 1000) * 1000};
    HeldPacket* key = packet.get();
    gHeld[key] = std::move(packet);
    snmp_alarm_register_hr(after, 0, SendHeld, key);
    return true;
}

}  // namespace FaultInjection
