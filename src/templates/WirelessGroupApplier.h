#pragma once
struct TemplateApplyContext;

// Writes the radio settings of the band in use: the auto channel scan off
// before a channel is set, the channel width on its own, then SSID, channel,
// rate, beacon, DTIM, thresholds and radio in one set.
class WirelessGroupApplier {
public:
    static void Apply(TemplateApplyContext& context);
};
