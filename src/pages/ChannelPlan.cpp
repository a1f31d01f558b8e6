#include "ChannelPlan.h"

namespace ChannelPlan {

QString FrequencyText(const QString& channel, bool band5GHz) {
    bool ok = false;
    const int number = channel.trimmed().toInt(&ok);
    if (!ok)
        return {};
    int megahertz = 0;
    const bool in24 = number >= 1 && number <= 14;
    const bool in5 = number >= 34 && number <= 196;
    if (in24 && (!band5GHz || !in5))
        megahertz = number == 14 ? 2484 : 2407 + 5 * number;
    else if (in5)
        megahertz = 5000 + 5 * number;
    else
        return {};
    return QString::asprintf("%d.%03d GHz", megahertz / 1000, megahertz % 1000);
}

}  // namespace ChannelPlan
