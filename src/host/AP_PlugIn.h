#pragma once
// Public interface of the NXA-7310 management module AP_PlugIn.plx: the
// exported functions, the records they fill or hand to host callbacks, and
// the callback types. Every export has C linkage.
#include <cstddef>
#include <cstdint>

#define NXA_PLUG_API extern "C" __attribute__((visibility("default")))

class CFTPServer;

// What the module is (PlugGetModuleCaps). Holds no pointer: exactly 1036 bytes.
struct ModuleCaps {
    char ModelName[256];
    char Banner[256];
    char Band[256];
    char EnterpriseOid[256];
    int32_t MajorVersion;
    int32_t MinorVersion;
    int32_t Capability;
};
static_assert(sizeof(ModuleCaps) == 1036);
static_assert(offsetof(ModuleCaps, Banner) == 256);
static_assert(offsetof(ModuleCaps, Band) == 512);
static_assert(offsetof(ModuleCaps, EnterpriseOid) == 768);
static_assert(offsetof(ModuleCaps, MajorVersion) == 1024);
static_assert(offsetof(ModuleCaps, MinorVersion) == 1028);
static_assert(offsetof(ModuleCaps, Capability) == 1032);

// The result handed to every host callback; valid only during the callback.
struct CmdResult {
    int32_t Status;            // 0 success, 1 failure (queries)
    const char* Message;       // NUL-terminated text, or null
    const char* DeviceIp;      // the device address text
    const char* Extra;         // a further text where the query gives one
    const char* ModelName;     // "NXA-7310" where the query gives it
};
static_assert(offsetof(CmdResult, Message) == 8);
static_assert(offsetof(CmdResult, DeviceIp) == 16);
static_assert(offsetof(CmdResult, Extra) == 24);
static_assert(offsetof(CmdResult, ModelName) == 32);
static_assert(sizeof(CmdResult) == 40);

// PlugGetBasicConfigInfor: one record. Fields named Reserved are not written (null).
struct BasicConfigRecord {
    const char* Reserved0;
    const char* WirelessMode;
    int32_t AuthenticationNumber;
    const char* Authentication;
    int32_t ApModeNumber;
    const char* ApMode;
    const char* Ssid;
    const char* Channel;
    const char* TransmitPower;
    int32_t TransmitPowerNumber;
    const char* Reserved40;
};
static_assert(offsetof(BasicConfigRecord, WirelessMode) == 8);
static_assert(offsetof(BasicConfigRecord, AuthenticationNumber) == 16);
static_assert(offsetof(BasicConfigRecord, Authentication) == 24);
static_assert(offsetof(BasicConfigRecord, ApModeNumber) == 32);
static_assert(offsetof(BasicConfigRecord, ApMode) == 40);
static_assert(offsetof(BasicConfigRecord, Ssid) == 48);
static_assert(offsetof(BasicConfigRecord, Channel) == 56);
static_assert(offsetof(BasicConfigRecord, TransmitPower) == 64);
static_assert(offsetof(BasicConfigRecord, TransmitPowerNumber) == 72);
static_assert(offsetof(BasicConfigRecord, Reserved40) == 80);
static_assert(sizeof(BasicConfigRecord) == 88);

// PlugGetTrafficInfor: one record for the one radio.
struct TrafficRecord {
    const char* Reserved0;
    const char* Band;
    const char* Empty;           // always ""
    const char* IpAddress;
    const char* UpTime;
    const char* FrameCount;
    const char* SuccessRate;
    const char* RetryRate;
};
static_assert(offsetof(TrafficRecord, Band) == 8);
static_assert(offsetof(TrafficRecord, Empty) == 16);
static_assert(offsetof(TrafficRecord, IpAddress) == 24);
static_assert(offsetof(TrafficRecord, UpTime) == 32);
static_assert(offsetof(TrafficRecord, FrameCount) == 40);
static_assert(offsetof(TrafficRecord, SuccessRate) == 48);
static_assert(offsetof(TrafficRecord, RetryRate) == 56);
static_assert(sizeof(TrafficRecord) == 64);

// PlugGetClinetInfor: one record per associated client.
struct ClientRecord {
    const char* Reserved0;
    const char* Band;
    const char* MacAddress;      // 12 hexadecimal digits
    const char* Reserved12;
    const char* Authentication;
    int32_t Rssi;
    const char* PowerSaving;
    const char* SsidIndex;
    const char* Reserved32;
};
static_assert(offsetof(ClientRecord, Band) == 8);
static_assert(offsetof(ClientRecord, MacAddress) == 16);
static_assert(offsetof(ClientRecord, Reserved12) == 24);
static_assert(offsetof(ClientRecord, Authentication) == 32);
static_assert(offsetof(ClientRecord, Rssi) == 40);
static_assert(offsetof(ClientRecord, PowerSaving) == 48);
static_assert(offsetof(ClientRecord, SsidIndex) == 56);
static_assert(offsetof(ClientRecord, Reserved32) == 64);
static_assert(sizeof(ClientRecord) == 72);

// Callbacks: result, record count, array of record pointers (null when the
// count is 0) and the host's context word. Run on the host's user-interface thread.
typedef void (*BasicConfigCallback)(CmdResult* result, int32_t count, BasicConfigRecord** records, uintptr_t context);
typedef void (*TrafficCallback)(CmdResult* result, int32_t count, TrafficRecord** records, uintptr_t context);
typedef void (*ClientCallback)(CmdResult* result, int32_t count, ClientRecord** records, uintptr_t context);

// A host's message-box handler: text, caption (empty for errors), buttons
// (0 OK, 1 OK/Cancel), its context; returns 1 for OK, 2 for Cancel.
typedef int32_t (*MessageBoxHandler)(const char* text, const char* caption, int32_t buttons, void* context);

// Module entry and host settings.
NXA_PLUG_API int32_t PlugInit(uintptr_t unused1, uintptr_t unused2, uintptr_t unused3, CFTPServer* ftpServer);
NXA_PLUG_API int32_t PlugExit(void);
NXA_PLUG_API void PlugShow(void);
NXA_PLUG_API int32_t PlugGetModuleCaps(ModuleCaps* caps);
// address: IPv4 address in network byte order; timeout in hundredths of a second.
NXA_PLUG_API int32_t PlugSetSnmpParameter(uint32_t address, const char* readCommunity, const char* writeCommunity,
                                          uint32_t port, uint32_t timeout);
NXA_PLUG_API CFTPServer* PlugSetFtpServer(CFTPServer* ftpServer);
NXA_PLUG_API int32_t PlugGetWepErr(void);
NXA_PLUG_API int32_t PlugSetAsIndividual(void);
NXA_PLUG_API int32_t PlugSetAsMultiple(void);
// Routes the module's message boxes to the host (null: the module's own).
NXA_PLUG_API void PlugSetMessageBoxHandler(MessageBoxHandler handler, void* context);

// Device information queries.
// Blocking; buffers are written without a terminating NUL, at most 255 characters each.
NXA_PLUG_API void PlugGetSystemInfo(const char* address, char* firmwareVersion, char* macAddress, uint32_t* subnetMask);
NXA_PLUG_API void PlugGetBasicConfigInfor(const char* address, BasicConfigCallback callback, const char* macAddress,
                                          uintptr_t context);
NXA_PLUG_API void PlugGetTrafficInfor(const char* address, TrafficCallback callback, uintptr_t unused,
                                      uintptr_t context);
NXA_PLUG_API void PlugGetClinetInfor(const char* address, ClientCallback callback, uintptr_t unused,
                                     uintptr_t context);
