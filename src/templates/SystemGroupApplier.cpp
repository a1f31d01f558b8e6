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
        context.SelectKey(list, kAddressFrom, QStringLiteral("SYS_DHCPclient"),
                          context.Value("SYS_DHCPclient") == QLatin1String("Disable") ? QStringLiteral("Static (Manual)")
                                                                                     : QStringLiteral("Dynamic (DHCP)"));
    if (context.Has("SYS_Mask"))
        context.SelectKey(list, kMask, QStringLiteral("SYS_Mask"), context.Value("SYS_Mask"));
    if (context.Has("SYS_Gateway"))
        context.SelectKey(list, kGateway, QStringLiteral("SYS_Gateway"), context.Value("SYS_Gateway"));
    if (context.Has("SYS_Username"))
        context.SelectKey(list, kUserName, QStringLiteral("SYS_Username"), context.Value("SYS_Username"));
    if (context.Has("SYS_Password"))
        context.SelectKey(list, kPassword, QStringLiteral("SYS_Password"), context.Value("SYS_Password"));
    if (context.Has("SYS_Telnet_option")) {
        const QString ssh = context.Value("SYS_IsSSH");
        if (context.Value("SYS_Telnet_option") != QLatin1String("Enable")) {
            context.SelectKey(list, kTelnet, QStringLiteral("SYS_Telnet_option"), QStringLiteral("Disable"));
            context.SelectKey(list, kSsh, QStringLiteral("SYS_Telnet_option"), QStringLiteral("Disable"));
        } else if (ssh == QLatin1String("Enable")) {
            // Both keys decide the value.
            context.SelectKey(list, kSsh, QStringLiteral("SYS_Telnet_option"), QStringLiteral("Enable"));
            context.SelectKey(list, kSsh, QStringLiteral("SYS_IsSSH"), QStringLiteral("Enable"));
        } else if (ssh == QLatin1String("Disable")) {
            context.SelectKey(list, kTelnet, QStringLiteral("SYS_Telnet_option"), QStringLiteral("Enable"));
            context.SelectKey(list, kTelnet, QStringLiteral("SYS_IsSSH"), QStringLiteral("Enable"));
        }
        // Console on without a protocol: the template does not say which one, so
        // neither is touched.
    }
    if (context.Has("SYS_Telnet_timeout"))
        context.SelectKey(list, kTimeout, QStringLiteral("SYS_Telnet_timeout"), context.Value("SYS_Telnet_timeout"));
    context.RaiseProgress();
    request->Write();
}
