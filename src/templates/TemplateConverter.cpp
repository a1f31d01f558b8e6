#include "templates/TemplateConverter.h"
#include "templates/TemplateRules.h"
#include "templates/TextLineFile.h"

namespace {

const QByteArray kWirelessModeKey5 = "AWS_80211a_WirelessMode";
const QByteArray kWirelessModeKey24 = "AWS_80211g_WirelessMode";

} // namespace

bool TemplateConverter::ReadLines(const QString& keyFilePath)
{
    return TextLineFile::Read(keyFilePath, &lines_);
}

// The key decides: a prefix is only recognised at the start of a line, so a
// value that happens to contain a prefix text (a password, an SSID) neither
// moves the line nor loses part of itself.
bool TemplateConverter::FindFiveGigahertz() const
{
    for (const QByteArray& line : lines_) {
        if (TemplateRules::EntryName(line) == kWirelessModeKey5) {
            // 7 "802.11a only", 8 "802.11n Only" and 9 "Mixed 802.11n, 802.11a"
            // are the 5 GHz modes; a mixed n/a device is a 5 GHz device too.
            const QByteArray mode = TemplateRules::EntryValue(line);
            return mode == "7" || mode == "8" || mode == "9";
        }
    }
    return false;
}

void TemplateConverter::SortByBand()
{
    fiveGigahertz_ = FindFiveGigahertz();
    struct Target {
        const char* Prefix;
        bool InUse;
        QList<QByteArray>* Entries;
        const QByteArray* DroppedKey;
    };
    const Target targets[] = {
        {"SCR_80211a_", fiveGigahertz_, &security5_, nullptr},
        {"SCR_80211g_", !fiveGigahertz_, &security24_, nullptr},
        {"AWS_80211a_", fiveGigahertz_, &wireless5_, &kWirelessModeKey5},
        {"AWS_80211g_", !fiveGigahertz_, &wireless24_, &kWirelessModeKey24},
        {"Flt_80211a_", fiveGigahertz_, &filter5_, nullptr},
        {"Flt_80211g_", !fiveGigahertz_, &filter24_, nullptr},
        {"SYS_", true, &systemEntries_, nullptr},
    };
    for (const QByteArray& line : lines_) {
        for (const Target& target : targets) {
            if (!line.startsWith(target.Prefix))
                continue;
            // The wireless mode only tells the band; it is never kept.
            const bool dropped = target.DroppedKey && TemplateRules::EntryName(line) == *target.DroppedKey;
            if (target.InUse && !dropped)
                target.Entries->append(line.mid(qstrlen(target.Prefix)));
            break;
        }
    }
}

void TemplateConverter::ApplyRules()
{
    const QList<QByteArray> systemRules = TemplateRules::SystemRules();
    const QList<QByteArray> securityRules = TemplateRules::SecurityRules();
    const QList<QByteArray> filterRules = TemplateRules::FilterRules();
    TemplateRules::ApplyRules(systemEntries_, systemRules);
    TemplateRules::ApplyRules(security5_, securityRules);
    TemplateRules::ApplyRules(security24_, securityRules);
    TemplateRules::ApplyRules(filter5_, filterRules);
    TemplateRules::ApplyRules(filter24_, filterRules);
}

QList<QByteArray> TemplateConverter::TemplateLines() const
{
    const std::pair<const char*, const QList<QByteArray>*> sections[] = {
        {"[System]", &systemEntries_},
        {"[5GHz_WirelessSettings]", &wireless5_},
        {"[2.4GHz_WirelessSettings]", &wireless24_},
        {"[5GHz_SecuritySettings]", &security5_},
        {"[2.4GHz_SecuritySettings]", &security24_},
        {"[5GHz_Filter]", &filter5_},
        {"[2.4GHz_Filter]", &filter24_},
    };
    QList<QByteArray> lines;
    for (const auto& [header, entries] : sections) {
        lines.append(header);
        lines.append("ItemCounts=" + QByteArray::number(entries->size()));
        lines += *entries;
    }
    return lines;
}

bool TemplateConverter::WriteTemplate(const QString& templatePath) const
{
    return TextLineFile::Write(templatePath, TemplateLines());
}
