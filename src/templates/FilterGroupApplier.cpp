#include "FilterGroupApplier.h"
#include "TemplateApplyContext.h"
#include "mib/MibRecord.h"
#include "mib/TemplateTables.h"
#include "MappedRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QStringList>

namespace {

constexpr int kMaxAddresses = 256;
const char kUnusedEntry[] = "000000000000";
const char kAddressAddOid[] = NXA_OID("2.1.3.3.2.3.2.1.2.1");
const char kAddressDeleteOid[] = NXA_OID("2.1.3.3.2.3.2.1.3.1");
const char kAddressListOid[] = NXA_OID("2.1.3.3.2.3.3.1.2.1");
const char kAddressName[] = "MAC Address";
const char kClientRejected[] = "When AP Mode is \"Wireless Client\",Mac Filter can't be activated!";

// The device's addresses, entry by entry up to the first unused one.
QStringList DeviceAddresses(TemplateApplyContext& context) {
    QStringList addresses;
    auto request = context.NewRequest(nullptr);
    for (int i = 1; i <= kMaxAddresses; ++i) {
        request->Variables.Clear();
        request->Variables.Kind = MibVariableList::MVT_SV;
        request->Variables.Add(QLatin1String(kAddressListOid) + QLatin1Char('.') + QString::number(i),
                               QLatin1String("dot11MacAccessControlListMacAddress"), SnmpSyntax::MacAddress,
                               SnmpAccess::ReadOnly);
        request->Read(true);
        const QString address = request->Variables.Entry(0).Value;
        if (address == QLatin1String(kUnusedEntry))
            break;
        addresses << address;
    }
    return addresses;
}

void DeleteAddress(TemplateApplyContext& context, const QString& address) {
    auto request = context.NewRequest(nullptr);
    request->Variables.Kind = MibVariableList::MVT_SV;
    request->Variables.Add(QLatin1String(kAddressDeleteOid), QLatin1String(kAddressName), SnmpSyntax::MacAddress,
                           SnmpAccess::ReadWrite);
    request->Variables.Entry(0).Value = address;
    request->Write();
}

}  // namespace

void FilterGroupApplier::Apply(TemplateApplyContext& context) {
    if (context.ApMode.contains(QLatin1String("Client"))) {
        context.Reject(QString::fromLatin1(kClientRejected));
        return;
    }
    const QString prefix = context.Prefix("Flt");
    const QString modeKey = prefix + QLatin1String("_filter_mac_acl");
    if (!context.Has(modeKey))
        return;

    for (const QString& address : DeviceAddresses(context))
        DeleteAddress(context, address);

    auto request = context.NewRequest(kMacFilterModeVars);
    MibVariableList& list = request->Variables;
    context.SelectKey(list, 0, modeKey, context.Value(modeKey));
    for (int i = 1; i <= kMaxAddresses; ++i) {
        const QString key = prefix + QStringLiteral("_filter_mac_add%1").arg(i);
        if (!context.Has(key))
            break;
        list.Add(QLatin1String(kAddressAddOid), QLatin1String(kAddressName), SnmpSyntax::MacAddress,
                 SnmpAccess::ReadWrite);
        list.Entry(list.Count() - 1).Value = context.Value(key).remove(QLatin1Char(':'));
        context.UseKey(key);
    }
    context.RaiseProgress();
    request->Write();
}
