#pragma once
// What the fault runs share: the device faults, reading a device back over
// SNMP with enough retries to get through a device that drops requests, and
// small files the commands need.
#include "host/AP_PlugIn.h"
#include "maintenance/DeviceListFixture.h"   // the host's device list, and readable QString values in failures
#include <QString>
#include <QStringList>
#include <string>

namespace FaultRun {

inline const std::string kRoot = "1.3.6.1.4.1.171.10.37.36";
inline const std::string kUserName = kRoot + ".4.1.1.1.2.1";            // usersName
inline const std::string kSsid = kRoot + ".2.1.3.3.1.1.1.1.1";          // dot11Ssid
inline const std::string kFirmware = kRoot + ".5.1.1.0";                // systemFirmwareVersion
inline const std::string kSysName = "1.3.6.1.2.1.1.5.0";
inline const std::string kClientMacColumn = kRoot + ".2.1.3.3.4.2.1.2";
inline const std::string kRogueBssidColumn = kRoot + ".3.4.4.4.1.5";
inline const std::string kFirmwareCommand = kRoot + ".4.3.3.8";        // ftpUpgradeSettingCommand

// The device faults of the matrix; a run has one device with one of them.
enum class Fault { Drop30, Delay200, Silent };
const char* Name(Fault fault);
inline void PrintTo(Fault fault, std::ostream* os) { *os << Name(fault); }
// nxa-sim arguments that give device 1 the fault.
QStringList SimArguments(Fault fault);
// The host's SNMP time-out for the run (hundredths): a second where answers
// come late, short where they never come.
uint32_t HostTimeout(Fault fault);

// One value read with snmpget (many retries; -Oqv, strings without quotes);
// "" when the device does not answer.
std::string ReadBack(const std::string& target, const std::string& oid);
// The number of rows of a column (snmpwalk); -1 when the device does not answer.
int Rows(const std::string& target, const std::string& column);
// Waits up to `ms` until the device answers again (after a restart).
bool WaitAnswering(const std::string& target, int ms = 20000);

// Writes `text` to a new file at `path`; false on failure.
bool WriteFile(const QString& path, const QByteArray& text);
// The whole file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Every file under `folder` (recursively), read whole.
QByteArray AllFilesUnder(const QString& folder);

// The host callbacks of the command interface, each recording into the
// record its context word points at (any thread).
struct CommandAnswer {
    int Calls = 0;
    int Status = -1;
    QString Message;
    QString Text;       // the text argument (versions, reports)
    int Count = 0;      // rows
    QString DeviceIp;
};
void TextCallback(CmdResult* result, const char* text, uintptr_t context);
void RowsCallback(int32_t zero, CmdResult* result, int32_t count, RogueApRecord** rows, uintptr_t context);
void ProbeCallback(CmdResult* result, const ProbeList* list, uintptr_t context);
// The calls recorded so far (under the answers' lock).
int CallsOf(const CommandAnswer& answer);
CommandAnswer Copy(const CommandAnswer& answer);

}  // namespace FaultRun
