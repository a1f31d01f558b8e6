#include "TemplateExport.h"
#include "TextLineFile.h"
#include "mib/TemplateTables.h"
#include "snmp/CZRException.h"
#include "MappedRequest.h"
#include "snmp/SnmpSyntax.h"
#include <QByteArray>
#include <QList>

namespace {

// Key texts by table entry; null where no line is written.
const char* const kSystemKeys[] = {nullptr, "mask=", "gateway=", "username=", "password=",
                                   "telnet_option=", "telnet_timeout=", nullptr};
const char* const kWirelessKeys[] = {"80211g_ssid=", "80211g_ssid_broadcast=", "80211g_channel=",
                                     "80211g_rate=", "80211g_beacon_interval=", "80211g_dtim=",
                                     "80211g_frag_threshold=", "80211g_rts_threshold=", "80211g_radio_wave="};
const char* const kSecurityKeys[] = {"80211g_auth_type=", "80211g_wep_status=", "80211g_active_key_index=",
                                     "80211g_passphrase=", "80211g_cipher_type=",
                                     "80211g_group_key_update_interval=", "80211g_keytype=",
                                     "80211g_radius_server=", "80211g_radius_port=", "80211g_radius_secret=",
                                     "80211g_key1=", "80211g_key2=", "80211g_key3=", "80211g_key4="};

// Reads the table's entries, leaving out entries `from` and beyond (the second-radio slots).
void ReadTable(MappedRequest& request, const MibVariable* table, int from) {
    request.Variables = MibVariableList(table, MibVariableList::MVT_SV);
    for (int i = from; i < request.Variables.Count(); ++i)
        request.Variables.Entry(i).Access = SnmpAccess::Invalid;
    request.Read(true);
}

// One line per key, with the value of the entry at the same place.
void AppendLines(QList<QByteArray>& lines, const MibVariableList& list, const char* const* keys, int count) {
    for (int i = 0; i < count; ++i)
        if (keys[i])
            lines << QByteArray(keys[i]) + list.Entry(i).Value.toUtf8();
}

}  // namespace

void TemplateExport::Export(const DeviceTarget& target, const QString& path, uint32_t flags) {
    QList<QByteArray> lines;
    MappedRequest request;
    request.Target() = target;
    if (flags & SystemGroup) {
        ReadTable(request, kTemplateSystemVars, 8);
        AppendLines(lines, request.Variables, kSystemKeys, 8);
    }
    if (flags & WirelessGroup) {
        ReadTable(request, kChannelListVars, 1);
        lines << QByteArray("80211g_channel_list=") + request.Variables.Entry(0).Value.toUtf8();
        ReadTable(request, kTemplateWirelessVars, 9);
        AppendLines(lines, request.Variables, kWirelessKeys, 9);
    }
    if (flags & SecurityGroup) {
        ReadTable(request, kTemplateSecurityVars, 14);
        AppendLines(lines, request.Variables, kSecurityKeys, 14);
    }
    if (!TextLineFile::Write(path, lines))
        throw CZRException(kUnwritable, QStringLiteral("The configuration file cannot be written!"));
}
