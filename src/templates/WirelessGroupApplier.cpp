#include "WirelessGroupApplier.h"
#include "TemplateApplyContext.h"
#include "WirelessValues.h"
#include "mib/TemplateTables.h"
#include "MappedRequest.h"
#include "snmp/SnmpSyntax.h"

namespace {

// Entries of the radio table (first radio; 9 to 17 are the second-radio slots).
enum { kSsid, kSsidBroadcast, kChannel, kRate, kBeacon, kDtim, kFragment, kRts, kRadioWave };
constexpr int kAutoChannelScan = 18;

const char kAutoChannelRejected[] = "AutoChannelScan can't be enabled when AP Mode is not \"Access Point\"!";

// Switches the auto channel scan off when it is on.
void AutoChannelScanOff(TemplateApplyContext& context) {
    auto request = context.NewRequest(kAutoChannelScanVars);
    request->Variables.Entry(0).Access = SnmpAccess::ReadWrite;
    request->Read(true);
    if (request->Variables.Entry(0).Value != QLatin1String("Enable"))
        return;
    request->Variables.Entry(0).Value = QStringLiteral("Disable");
    context.RaiseProgress();
    request->Write();
}

// The channels the device offers in its current band.
QStringList DeviceChannels(TemplateApplyContext& context) {
    auto request = context.NewRequest(kChannelListVars);
    request->Variables.Entry(0).Access = SnmpAccess::ReadOnly;
    if (!context.Band5GHz)
        request->Variables.Entry(1).Access = SnmpAccess::ReadOnly;
    request->Read(true);
    return WirelessValues::Channels(request->Variables.Entry(context.Band5GHz ? 0 : 1).Value);
}

void SelectChannel(TemplateApplyContext& context, MibVariableList& list, const QString& key, const QString& channel) {
    AutoChannelScanOff(context);
    if (DeviceChannels(context).contains(channel)) {
        context.SelectKey(list, kChannel, key, channel);
    } else if (channel == QLatin1String("Auto")) {
        if (context.ApMode == QLatin1String("Access Point"))
            context.SelectKey(list, kAutoChannelScan, key, QStringLiteral("Enable"));
        else
            context.Reject(QString::fromLatin1(kAutoChannelRejected));
    }
    // Any other channel is not one the device can take: left as it is.
}

void WriteChannelWidth(TemplateApplyContext& context, const QString& key, const QString& width) {
    auto request = context.NewRequest(kChannelWidthVars);
    context.SelectKey(request->Variables, 0, key, width);
    context.RaiseProgress();
    request->Write();
}

}  // namespace

void WirelessGroupApplier::Apply(TemplateApplyContext& context) {
    const QString prefix = context.Prefix("AWS");
    auto key = [&](const char* suffix) { return prefix + QLatin1String(suffix); };
    auto request = context.NewRequest(kTemplateWirelessVars);
    MibVariableList& list = request->Variables;

    if (context.Has(key("_SSID")))
        context.SelectKey(list, kSsid, key("_SSID"), context.Value(key("_SSID")));
    if (context.Has(key("_SSID_Broadcast")))
        context.SelectKey(list, kSsidBroadcast, key("_SSID_Broadcast"), context.Value(key("_SSID_Broadcast")));
    if (context.Has(key("_Channel")))
        SelectChannel(context, list, key("_Channel"), context.Value(key("_Channel")));
    if (context.Has(key("_Rate")))
        context.SelectKey(list, kRate, key("_Rate"), WirelessValues::Rate(context.Value(key("_Rate"))));
    if (context.Has(key("_Beacon_Interval")))
        context.SelectKey(list, kBeacon, key("_Beacon_Interval"), WirelessValues::BeaconInterval(context.Value(key("_Beacon_Interval"))));
    if (context.Has(key("_DTIM")))
        context.SelectKey(list, kDtim, key("_DTIM"), WirelessValues::Dtim(context.Value(key("_DTIM"))));
    if (context.Has(key("_Frag_Threshold")))
        context.SelectKey(list, kFragment, key("_Frag_Threshold"), context.Value(key("_Frag_Threshold")));
    if (context.Has(key("_RTS_Threshold")))
        context.SelectKey(list, kRts, key("_RTS_Threshold"), context.Value(key("_RTS_Threshold")));
    if (context.Has(key("_Radio_Wave")))
        context.SelectKey(list, kRadioWave, key("_Radio_Wave"), context.Value(key("_Radio_Wave")));
    if (context.Has(key("_11nChannel_Width")))
        WriteChannelWidth(context, key("_11nChannel_Width"), context.Value(key("_11nChannel_Width")));

    context.RaiseProgress();
    request->Write();
}
