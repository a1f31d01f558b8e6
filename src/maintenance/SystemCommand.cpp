#include "SystemCommand.h"
#include "mib/MaintenanceTables.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"

namespace SystemCommand {

void Send(const QString& address, int command, const CommandSettings& settings) {
    if (command < Restart || command > ApplySettings)
        return;
    SnmpRequest request;
    request.Address = address;
    request.AddressSpare.clear();
    settings.ApplyTo(request);
    if (command == ApplySettings) {
        request.Variables = MibVariableList::FromCatalogue(kSettingApplyVars, MibVariableList::SVT_SV);
        request.Variables.Entry(0).Value = QStringLiteral("1");
    } else {
        // One list for restart and factory default; the one not sent is left out.
        request.Variables = MibVariableList::FromCatalogue(kRestartVars, MibVariableList::SVT_SV);
        const int sent = command == Restart ? 0 : 1;
        for (int i = 0; i < request.Variables.Count(); ++i)
            request.Variables.Entry(i).Access = i == sent ? SnmpAccess::ReadWrite : SnmpAccess::Invalid;
        request.Variables.Entry(sent).Value = QStringLiteral("1");
    }
    request.Write();
}

}  // namespace SystemCommand
