#pragma once
#include <QString>

// The 802.11 channel plan: a channel's centre frequency.
namespace ChannelPlan {
// "2.437 GHz" for channel 6; 2.4 GHz channels are 1 to 14, 5 GHz channels
// 34 to 196 (a channel number that both bands could have is taken in
// `band5GHz`'s band). Empty for a number that is no channel.
QString FrequencyText(const QString& channel, bool band5GHz);
}  // namespace ChannelPlan
