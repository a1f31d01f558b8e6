#pragma once
#include <QString>
#include <QStringList>

// The value rules of the radio settings in a template.
namespace WirelessValues {
// The leading decimal number of a text (leading blanks and a sign allowed), 0
// when there is none, as C's atoi reads it.
int LeadingNumber(const QString& text);
// A beacon interval limited to 25..500, in decimal.
QString BeaconInterval(const QString& text);
// A DTIM period limited to 1..15, in decimal.
QString Dtim(const QString& text);
// A rate without its unit: every " Mbps", then every " Mbp", removed.
QString Rate(const QString& text);
// The channels of a device's channel list: numbers separated by spaces.
QStringList Channels(const QString& list);
}  // namespace WirelessValues
