#include "SecurityGroupApplier.h"
#include "snmp/ValueMap.h"
#include "SecurityRules.h"
#include "TemplateApplyContext.h"
#include "mib/TemplateTables.h"
#include "MappedRequest.h"

namespace {

// Entries of the security table (first radio; 14 to 27 are the second-radio slots).
enum {
    kAuthentication, kEncryption, kKeyIndex, kPassPhrase, kCipher, kGroupKeyInterval, kKeyEntryMethod,
    kRadiusServer, kRadiusPort, kRadiusSecret, kWepKey1
};

const char kKeysTooLong[] = "Data of security is error!";

// The instance (0-based) of the active key's entry method, or -1.
int ActiveKey(const QString& keyIndex) {
    const char* names[] = {"First", "Second", "Third", "Fourth"};
    for (int i = 0; i < 4; ++i)
        if (keyIndex == QLatin1String(names[i]))
            return i;
    return -1;
}

}  // namespace

void SecurityGroupApplier::Apply(TemplateApplyContext& context) {
    const QString prefix = context.Prefix("SCR");
    auto key = [&](const char* suffix) { return prefix + QLatin1String(suffix); };
    const QString authType = context.Value(key("_auth_type"));
    const QString keyType = context.Value(key("_keytype"));
    const QString keys[4] = {context.Value(key("_key1")), context.Value(key("_key2")), context.Value(key("_key3")),
                             context.Value(key("_key4"))};

    auto methods = context.NewRequest(kWepKeyEntryMethodVars);
    auto security = context.NewRequest(kTemplateSecurityVars);
    MibVariableList& list = security->Variables;

    if (!authType.isEmpty() && SecurityRules::RejectsAuthentication(context.ApMode, authType)) {
        context.Reject(SecurityRules::AuthenticationRejected(context.ApMode));
    } else if (!SecurityRules::KeysFit(keyType, keys)) {
        context.Reject(QString::fromLatin1(kKeysTooLong));
    } else {
        auto select = [&](const char* suffix, int index) {
            if (context.Has(key(suffix)))
                context.SelectKey(list, index, key(suffix), context.Value(key(suffix)));
        };
        select("_auth_type", kAuthentication);
        // A WPA device's backup carries its cipher code where WEP devices keep
        // the WEP switch; such a value means nothing to the switch and would make
        // the device refuse the whole group, so the switch is left as it is and
        // the host is told, as of every other value that is not written.
        if (context.Has(key("_wep_status"))) {
            const QString wep = context.Value(key("_wep_status"));
            const ValueMap* map = list.Entry(kEncryption).Map;
            if (!map || map->FindByText(wep) >= 0 || map->FindByValue(wep) >= 0)
                context.SelectKey(list, kEncryption, key("_wep_status"), wep);
            else
                context.Reject(SecurityRules::WepStatusRejected(wep));
        }
        select("_active_key_index", kKeyIndex);
        select("_passphrase", kPassPhrase);
        if (context.Has(key("_cipher_type"))) {
            const SecurityRules::CipherChoice choice =
                SecurityRules::Cipher(context.ApMode, context.Value(key("_cipher_type")));
            context.SelectKey(list, kCipher, key("_cipher_type"), choice.Cipher);
            if (!choice.Rejection.isEmpty())
                context.Reject(choice.Rejection);
        }
        select("_group_key_update_interval", kGroupKeyInterval);
        if (context.Has(key("_keytype")) && context.Has(key("_active_key_index"))) {
            const int active = ActiveKey(list.Entry(kKeyIndex).Value);
            if (active >= 0)
                context.SelectKey(methods->Variables, active, key("_keytype"), keyType);
        }
        select("_radius_server", kRadiusServer);
        select("_radius_port", kRadiusPort);
        select("_radius_secret", kRadiusSecret);
        for (int i = 0; i < 4; ++i) {
            const QString name = key("_key") + QString::number(i + 1);
            if (!context.Has(name))
                continue;
            const bool hexEncoded = i >= 2 && keyType == QLatin1String("ASCII");
            context.SelectKey(list, kWepKey1 + i, name, hexEncoded ? SecurityRules::DecodeHexKey(keys[i]) : keys[i]);
        }
    }
    context.RaiseProgress();
    methods->Write();
    security->Write();
}
