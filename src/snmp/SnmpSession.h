#pragma once
#include "DeviceTarget.h"
#include <QObject>
#include <QString>

// The module-wide SNMP layer: the SNMP thread, the engine boot counter, the
// default target and the receiver that runs asynchronous completions on the
// user-interface thread.
namespace SnmpSession {

inline constexpr const char* BootCounterFileName = "ZrSNMP_PP_BootCounter";
inline constexpr const char* EngineIdentity = "ZrSNMP_PP_Application";

// Starts the layer once; raises CZRException -506 (no session), -507/-508
// (boot counter load/save) or -508 (no completion receiver).
// `bootCounterFolder` is the user's temporary folder; `unused` is ignored.
void StartSnmp(const QString& bootCounterFolder, const QString& unused = {});
void StopSnmp();
bool IsStarted();

// Raises the failure of the last start when the layer is not running (the
// session error -506 when no start was tried); every request that finds the
// layer down reports it, so a failed start is never mistaken for a device
// that does not answer.
void ThrowIfNotStarted();

// The boot counter now in use (after StartSnmp).
int BootCounter();

// The module-wide default target that new requests start from.
DeviceTarget DefaultTarget();
void SetDefaultTarget(const DeviceTarget& target);

// The object on the user-interface thread that runs completions; nullptr
// before StartSnmp.
QObject* CompletionReceiver();

}  // namespace SnmpSession
