#pragma once
// Public interface of the NXA-7310 management module AP_PlugIn.plx: the
// exported functions, the records they fill or hand to host callbacks, and
// the callback types. Every export has C linkage.
// The header compiles as C (C11) and as C++: a host written in either
// includes it as it is.
#ifdef __cplusplus
#include <cstddef>
#include <cstdint>
#define NXA_PLUG_API extern "C" __attribute__((visibility("default")))
#define NXA_STATIC_ASSERT(condition) static_assert(condition, #condition)
class CFTPServer;
class QAbstractItemView;
#else
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#define NXA_PLUG_API __attribute__((visibility("default")))
#define NXA_STATIC_ASSERT(condition) _Static_assert(condition, #condition)
// A C host passes these only as null pointers or as handles it got from C++.
typedef struct CFTPServer CFTPServer;
typedef struct QAbstractItemView QAbstractItemView;
#endif

// What the module is (PlugGetModuleCaps). Holds no pointer: exactly 1036 bytes.
typedef struct ModuleCaps {
    char ModelName[256];
    char Banner[256];
    char Band[256];
    char EnterpriseOid[256];
    int32_t MajorVersion;
    int32_t MinorVersion;
    int32_t Capability;
} ModuleCaps;
NXA_STATIC_ASSERT(sizeof(ModuleCaps) == 1036);
NXA_STATIC_ASSERT(offsetof(ModuleCaps, Banner) == 256);
NXA_STATIC_ASSERT(offsetof(ModuleCaps, Band) == 512);
NXA_STATIC_ASSERT(offsetof(ModuleCaps, EnterpriseOid) == 768);
NXA_STATIC_ASSERT(offsetof(ModuleCaps, MajorVersion) == 1024);
NXA_STATIC_ASSERT(offsetof(ModuleCaps, MinorVersion) == 1028);
NXA_STATIC_ASSERT(offsetof(ModuleCaps, Capability) == 1032);

// The result handed to every host callback; valid only during the callback.
typedef struct CmdResult {
    int32_t Status;            // 0 success, 1 failure (queries)
    const char* Message;       // NUL-terminated text, or null
    const char* DeviceIp;      // the device address text
    const char* Extra;         // a further text where the query gives one
    const char* ModelName;     // "NXA-7310" where the query gives it
} CmdResult;
NXA_STATIC_ASSERT(offsetof(CmdResult, Message) == 8);
NXA_STATIC_ASSERT(offsetof(CmdResult, DeviceIp) == 16);
NXA_STATIC_ASSERT(offsetof(CmdResult, Extra) == 24);
NXA_STATIC_ASSERT(offsetof(CmdResult, ModelName) == 32);
NXA_STATIC_ASSERT(sizeof(CmdResult) == 40);

// PlugGetBasicConfigInfor: one record. Fields named Reserved are not written (null).
typedef struct BasicConfigRecord {
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
} BasicConfigRecord;
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, WirelessMode) == 8);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, AuthenticationNumber) == 16);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, Authentication) == 24);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, ApModeNumber) == 32);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, ApMode) == 40);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, Ssid) == 48);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, Channel) == 56);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, TransmitPower) == 64);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, TransmitPowerNumber) == 72);
NXA_STATIC_ASSERT(offsetof(BasicConfigRecord, Reserved40) == 80);
NXA_STATIC_ASSERT(sizeof(BasicConfigRecord) == 88);

// PlugGetTrafficInfor: one record for the one radio.
typedef struct TrafficRecord {
    const char* Reserved0;
    const char* Band;
    const char* Empty;           // always ""
    const char* IpAddress;
    const char* UpTime;
    const char* FrameCount;
    const char* SuccessRate;
    const char* RetryRate;
} TrafficRecord;
NXA_STATIC_ASSERT(offsetof(TrafficRecord, Band) == 8);
NXA_STATIC_ASSERT(offsetof(TrafficRecord, Empty) == 16);
NXA_STATIC_ASSERT(offsetof(TrafficRecord, IpAddress) == 24);
NXA_STATIC_ASSERT(offsetof(TrafficRecord, UpTime) == 32);
NXA_STATIC_ASSERT(offsetof(TrafficRecord, FrameCount) == 40);
NXA_STATIC_ASSERT(offsetof(TrafficRecord, SuccessRate) == 48);
NXA_STATIC_ASSERT(offsetof(TrafficRecord, RetryRate) == 56);
NXA_STATIC_ASSERT(sizeof(TrafficRecord) == 64);

// PlugGetClinetInfor: one record per associated client.
typedef struct ClientRecord {
    const char* Reserved0;
    const char* Band;
    const char* MacAddress;      // 12 hexadecimal digits
    const char* Reserved12;
    const char* Authentication;
    int32_t Rssi;
    const char* PowerSaving;
    const char* SsidIndex;
    const char* Reserved32;
} ClientRecord;
NXA_STATIC_ASSERT(offsetof(ClientRecord, Band) == 8);
NXA_STATIC_ASSERT(offsetof(ClientRecord, MacAddress) == 16);
NXA_STATIC_ASSERT(offsetof(ClientRecord, Reserved12) == 24);
NXA_STATIC_ASSERT(offsetof(ClientRecord, Authentication) == 32);
NXA_STATIC_ASSERT(offsetof(ClientRecord, Rssi) == 40);
NXA_STATIC_ASSERT(offsetof(ClientRecord, PowerSaving) == 48);
NXA_STATIC_ASSERT(offsetof(ClientRecord, SsidIndex) == 56);
NXA_STATIC_ASSERT(offsetof(ClientRecord, Reserved32) == 64);
NXA_STATIC_ASSERT(sizeof(ClientRecord) == 72);

// Callbacks: result, record count, array of record pointers (null when the
// count is 0) and the host's context word. Run on the host's user-interface thread.
typedef void (*BasicConfigCallback)(CmdResult* result, int32_t count, BasicConfigRecord** records, uintptr_t context);
typedef void (*TrafficCallback)(CmdResult* result, int32_t count, TrafficRecord** records, uintptr_t context);
typedef void (*ClientCallback)(CmdResult* result, int32_t count, ClientRecord** records, uintptr_t context);

// A host's message-box handler: text, caption (empty for errors), buttons
// (0 OK, 1 OK/Cancel), its context; returns 1 for OK, 2 for Cancel.
typedef int32_t (*MessageBoxHandler)(const char* text, const char* caption, int32_t buttons, void* context);

// Template application (PlugSetConfigFile): receives each rejected setting
// (Status 1, Message the rejection), the "NOEND" report text and the context.
typedef void (*TemplateReportCallback)(CmdResult* result, const char* report, uintptr_t context);

// The caller's record of a template application. Progress is set by
// PlugSetConfigFile: a counter it allocates with malloc (the record's owner
// frees it with free()), 1 at the start and raised before each group's write;
// it may be read from another thread while the application runs.
typedef struct TemplateJob {
    TemplateReportCallback HostCallback;
    uintptr_t Context;
    char Field1[300];            // the device address, as the command export fills it
    char Field2[300];
    char Field3[255];
    char Field4[255];
    char Field5[510];            // the template key file, as the command export fills it
    int32_t* Progress;
} TemplateJob;
NXA_STATIC_ASSERT(offsetof(TemplateJob, Context) == 8);
NXA_STATIC_ASSERT(offsetof(TemplateJob, Field1) == 16);
NXA_STATIC_ASSERT(offsetof(TemplateJob, Field2) == 316);
NXA_STATIC_ASSERT(offsetof(TemplateJob, Field3) == 616);
NXA_STATIC_ASSERT(offsetof(TemplateJob, Field4) == 871);
NXA_STATIC_ASSERT(offsetof(TemplateJob, Field5) == 1126);
NXA_STATIC_ASSERT(offsetof(TemplateJob, Progress) == 1640);
NXA_STATIC_ASSERT(sizeof(TemplateJob) == 1648);

// Module entry and host settings.
NXA_PLUG_API int32_t PlugInit(uintptr_t unused1, uintptr_t unused2, uintptr_t unused3, CFTPServer* ftpServer);
NXA_PLUG_API int32_t PlugExit(void);
NXA_PLUG_API void PlugShow(void);
NXA_PLUG_API int32_t PlugGetModuleCaps(ModuleCaps* caps);
// address: IPv4 address in network byte order; timeout in hundredths of a second.
NXA_PLUG_API int32_t PlugSetSnmpParameter(uint32_t address, const char* readCommunity, const char* writeCommunity,
                                          uint32_t port, uint32_t timeout);
NXA_PLUG_API CFTPServer* PlugSetFtpServer(CFTPServer* ftpServer);

// PlugSetSnmpSecurity: the SNMP version and SNMPv3 user of one device. The
// record starts with its own size, so that it can grow: a host sets Size to
// sizeof(SnmpSecurity) of the header it was built with, and the module reads
// no field beyond it.
#define NXA_SNMP_VERSION_1 1
#define NXA_SNMP_VERSION_2C 2
#define NXA_SNMP_VERSION_3 3
#define NXA_SNMP_AUTH_NONE 0
#define NXA_SNMP_AUTH_MD5 1     // HMAC-MD5-96
#define NXA_SNMP_AUTH_SHA 2     // HMAC-SHA-96 (SHA-1)
#define NXA_SNMP_PRIV_NONE 0
#define NXA_SNMP_PRIV_DES 1     // CBC-DES
#define NXA_SNMP_PRIV_AES 2     // CFB-AES-128
typedef struct SnmpSecurity {
    uint32_t Size;               // sizeof(SnmpSecurity) as the host was built
    uint32_t Address;            // IPv4 address in network byte order (as PlugSetSnmpParameter)
    int32_t Version;             // NXA_SNMP_VERSION_1, _2C or _3
    int32_t AuthProtocol;        // version 3: NXA_SNMP_AUTH_...
    int32_t PrivProtocol;        // version 3: NXA_SNMP_PRIV_... (privacy needs authentication)
    int32_t Reserved;            // 0
    const char* UserName;        // version 3: the user (security name), UTF-8
    const char* AuthPassphrase;  // with authentication: at least 8 characters
    const char* PrivPassphrase;  // with privacy: at least 8 characters
} SnmpSecurity;
#define NXA_SNMP_SECURITY_SIZE_1 48   // the first form of the record, the smallest accepted
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, Address) == 4);
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, Version) == 8);
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, AuthProtocol) == 12);
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, PrivProtocol) == 16);
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, UserName) == 24);
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, AuthPassphrase) == 32);
NXA_STATIC_ASSERT(offsetof(SnmpSecurity, PrivPassphrase) == 40);
NXA_STATIC_ASSERT(sizeof(SnmpSecurity) == NXA_SNMP_SECURITY_SIZE_1);
// Every later request to the record's address (queries, templates, commands,
// the upgrade, the management window) goes out with its version: version 3
// as the user (no authentication, authentication, or authentication and
// privacy, by the protocols given), versions 1 and 2c with the communities of
// PlugSetSnmpParameter. Version 1 is what an address without a call gets.
// The texts are copied; the module never logs or shows the pass phrases.
// Returns 0, or (nothing changed): -1 no record or Size below
// NXA_SNMP_SECURITY_SIZE_1; -2 address 0; -3 unknown version; -4 version 3
// without a user name; -5 unknown authentication protocol; -6 unknown privacy
// protocol, or privacy without authentication; -7 a pass phrase missing or
// shorter than 8 characters.
NXA_PLUG_API int32_t PlugSetSnmpSecurity(const SnmpSecurity* security);
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

// Configuration templates.
// Turns a device backup into a template: the backup's path then holds the
// flat key file, templatePath the sectioned template. True when written.
NXA_PLUG_API bool PlugParseFile(const char* deviceConfigPath, const char* templatePath);
// Writes a device's settings to a file (flags 0x1 system, 0x2 radio, 0x4
// security); 0, or CZRException (-10000: the file cannot be written).
NXA_PLUG_API int32_t PlugGetConfigFile(const char* address, const char* path, uint32_t flags);
// Applies a template key file to a device (flags 0x1 system, 0x2 radio, 0x4
// MAC filter and security); rejected settings go to the job's callback. 0, or
// CZRException (1: the template was refused; -10001: unreadable key file).
// Blocking; may run on a worker thread.
NXA_PLUG_API int32_t PlugSetConfigFile(const char* address, const char* keyFilePath, uint32_t flags,
                                       TemplateJob* job);

// Device commands (PlugSystemCmd, PlugCmdAPI) and the fleet firmware upgrade.
// PlugCmdAPI 0: one rogue access point seen by the device's survey.
typedef struct RogueApRecord {
    const char* Type;
    const char* Channel;
    const char* Bssid;
    const char* Security;     // always "Not Suport"
    const char* Mode;
    const char* Ssid;
    const char* Signal;       // always "(Not Suport) 0"
} RogueApRecord;
NXA_STATIC_ASSERT(sizeof(RogueApRecord) == 56);
// PlugCmdAPI 2: the probe's answer, shaped like the standard system group
// followed by two interface addresses (the seventh holds the MAC that was
// read, the eighth the parameter).
typedef struct ProbeVariable {
    const char* Oid;
    const char* Name;
    const char* Value;
} ProbeVariable;
typedef struct ProbeList {
    int32_t Count;
    ProbeVariable* Variables;
} ProbeList;
// The callback shapes of PlugCmdAPI, by command number: 0 and 3 rows; 2
// probe; 5 to 9 text. The host passes the one its command takes.
typedef void (*CmdRowsCallback)(int32_t zero, CmdResult* result, int32_t count, RogueApRecord** rows,
                                uintptr_t context);
typedef void (*CmdProbeCallback)(CmdResult* result, const ProbeList* list, uintptr_t context);
typedef void (*CmdTextCallback)(CmdResult* result, const char* text, uintptr_t context);

// 1 restart, 2 factory default, 3 apply; blocking; always 0. A failure to send
// leaves the module as CZRException.
NXA_PLUG_API int32_t PlugSystemCmd(const char* address, int32_t command);
// Starts a command and returns 0 at once; the callback follows on the host's
// user-interface thread (command 9: on a worker thread of its own).
NXA_PLUG_API int32_t PlugCmdAPI(int32_t command, const char* address, const char* parameter, uintptr_t context,
                                void* callback);
// Upgrades the selected rows of the host's device list (times in hundredths
// of a second); 0 after the run, -1 when no row qualified.
NXA_PLUG_API int32_t PlugUpgradeFirmware(CFTPServer* ftpServer, QAbstractItemView* deviceList, uintptr_t unused,
                                         const char* firmwarePath, int32_t settingsTimeout, int32_t updateTimeout,
                                         int32_t margin, int32_t rebootWait);
// Aborts the upgrade in progress.
NXA_PLUG_API int32_t PlugUpFirCallBack(void);
