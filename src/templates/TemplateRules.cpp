#include "templates/TemplateRules.h"

namespace {

constexpr int kFilterAddressCount = 256;

const char* const kSystemRules[] = {
    "|*=*|:|Username|Password|",
    "|DHCPclient=Enable|:|DHCPclient|",
    "|DHCPclient=Disable|:|DHCPclient|Mask|Gateway|",
    "|Telnet_option=Enable|:|Telnet_option|IsSSH|Telnet_timeout|",
    "|Telnet_option=Disable|:|Telnet_option|",
};

const char* const kSecurityRules[] = {
    "|auth_type=Open System|wep_status=Enable|:|auth_type|wep_status|keysize|keytype|active_key_index|key1|key2|key3|key4|",
    "|auth_type=Open System|wep_status=Disable|:|auth_type|wep_status|",
    "|auth_type=Shared Key|wep_status=Enable|:|auth_type|wep_status|keysize|keytype|active_key_index|key1|key2|key3|key4|",
    "|auth_type=Shared Key|wep_status=Disable|:|auth_type|wep_status|",
    "|auth_type=Open System / Shared Key|wep_status=Enable|:|auth_type|wep_status|keysize|keytype|active_key_index|key1|key2|key3|key4|",
    "|auth_type=Open System / Shared Key|wep_status=Disable|:|auth_type|wep_status|",
    "|auth_type=WPA-Personal|:|auth_type|cipher_type|group_key_update_interval|passphrase|",
    "|auth_type=WPA-Enterprise|:|auth_type|cipher_type|group_key_update_interval|radius_server|radius_port|radius_secret|",
    "|auth_type=WPA2-Personal|:|auth_type|cipher_type|group_key_update_interval|passphrase|",
    "|auth_type=WPA2-Enterprise|:|auth_type|cipher_type|group_key_update_interval|radius_server|radius_port|radius_secret|",
    "|auth_type=WPA-Auto-Personal|:|auth_type|cipher_type|group_key_update_interval|passphrase|",
    "|auth_type=WPA-Auto-Enterprise|:|auth_type|cipher_type|group_key_update_interval|radius_server|radius_port|radius_secret|",
};

template <size_t N>
QList<QByteArray> ToList(const char* const (&rules)[N])
{
    QList<QByteArray> list;
    for (const char* rule : rules)
        list.append(QByteArray(rule));
    return list;
}

// The texts between consecutive "|".
QList<QByteArray> Tokens(const QByteArray& rule)
{
    QList<QByteArray> parts = rule.split('|');
    if (parts.size() < 2)
        return {};
    return parts.mid(1, parts.size() - 2);
}

bool ConditionMet(const QByteArray& token, const QList<QByteArray>& section)
{
    const qsizetype equals = token.indexOf('=');
    const QByteArray name = token.left(equals);
    const QByteArray value = token.mid(equals + 1);
    for (const QByteArray& entry : section) {
        const bool nameMatches = name == "*" || TemplateRules::EntryName(entry).contains(name);
        const bool valueMatches = value == "*" || TemplateRules::EntryValue(entry).contains(value);
        if (nameMatches && valueMatches)
            return true;
    }
    return false;
}

} // namespace

QList<QByteArray> TemplateRules::SystemRules()
{
    return ToList(kSystemRules);
}

QList<QByteArray> TemplateRules::SecurityRules()
{
    return ToList(kSecurityRules);
}

QList<QByteArray> TemplateRules::FilterRules()
{
    QByteArray addresses;
    for (int i = 1; i <= kFilterAddressCount; ++i)
        addresses += "filter_mac_add" + QByteArray::number(i) + '|';
    return {
        QByteArray("|filter_mac_acl=Disable|:|filter_mac_acl|"),
        QByteArray("|filter_mac_acl=Reject|:|filter_mac_acl|") + addresses,
        QByteArray("|filter_mac_acl=Accept|:|filter_mac_acl|") + addresses,
    };
}

QByteArray TemplateRules::EntryName(const QByteArray& entry)
{
    const qsizetype equals = entry.indexOf('=');
    return equals < 0 ? entry : entry.left(equals);
}

QByteArray TemplateRules::EntryValue(const QByteArray& entry)
{
    const qsizetype equals = entry.indexOf('=');
    return equals < 0 ? QByteArray() : entry.mid(equals + 1);
}

void TemplateRules::ApplyRules(QList<QByteArray>& section, const QList<QByteArray>& rules)
{
    if (section.isEmpty())
        return;
    QList<QByteArray> allowed;
    bool anyApplied = false;
    for (const QByteArray& rule : rules) {
        const QList<QByteArray> tokens = Tokens(rule);
        bool applies = true;
        for (const QByteArray& token : tokens) {
            if (token.contains('=') && !ConditionMet(token, section)) {
                applies = false;
                break;
            }
        }
        if (applies) {
            allowed += tokens;
            anyApplied = true;
        }
    }
    if (!anyApplied) {
        // No rule applied: every entry stays.
        return;
    }
    QList<QByteArray> kept;
    for (const QByteArray& entry : section) {
        const QByteArray name = EntryName(entry);
        for (const QByteArray& text : allowed) {
            if (text.contains(name)) {
                kept.append(entry);
                break;
            }
        }
    }
    section = kept;
}
