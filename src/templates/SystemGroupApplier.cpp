#include "SystemGroupApplier.h"
#include "TemplateApplyContext.h"
#include "mib/TemplateTables.h"
#include "MappedRequest.h"

namespace {
// Entries of the system table.
enum { kAddressFrom, kMask, kGateway, kUserName, kPassword, kTelnet, kTimeout, kSsh };
}  // namespace

void SystemGroupApplier::Apply(TemplateApplyContext& context) {
    auto request = context.NewRequest(kTemplateSystemVars);
    MibVariableList& list = request->Variables;
    if (context.Has("SYS_DHCPclient"))
        SelectEntry(list, kAddressFrom,
                    context.Value("SYS_DHCPclient") == QLatin1String("Disable") ? QStringLiteral("Static (Manual)")
                                                                               : QStringLiteral("Dynamic (DHCP)"));
    if (context.Has("SYS_Mask"))
        SelectEntry(list, kMask, context.Value("SYS_Mask"));
    if (context.Has("SYS_Gateway"))
        SelectEntry(list, kGateway, context.Value("SYS_Gateway"));
    if (context.Has("SYS_Username"))
        SelectEntry(list, kUserName, context.Value("SYS_Username"));
    if (context.Has("SYS_Password"))
        SelectEntry(list, kPassword, context.Value("SYS_Password"));
    if (context.Has("SYS_Telnet_option")) {
        const QString ssh = context.Value("SYS_IsSSH");
        if (context.Value("SYS_Telnet_option") != QLatin1String("Enable")) {
            SelectEntry(list, kTelnet, QStringLiteral("Disable"));
            SelectEntry(list, kSsh, QStringLiteral("Disable"));
        } else if (ssh == QLatin1String("Enable")) {
            SelectEntry(list, kSsh, QStringLiteral("Enable"));
        } else if (ssh == QLatin1String("Disable")) {
            SelectEntry(list, kTelnet, QStringLiteral("Enable"));
        }
        // Console on without a protocol: the template does not say which one, so
        // neither is touched.
    }
    if (context.Has("SYS_Telnet_timeout"))
        SelectEntry(list, kTimeout, context.Value("SYS_Telnet_timeout"));
    context.RaiseProgress();
    request->Write();
}
