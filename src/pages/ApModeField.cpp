#include "ApModeField.h"
#include "shell/MainDoc.h"
#include "shell/Page.h"
#include "snmp/MibVariableList.h"
#include "snmp/ValueMap.h"
#include <QComboBox>

namespace {
const char* const kRepeater = "5";
}

QStringList ApModeField::Modes(const QString& mask, const QString& repeaterName) {
    bool ok = false;
    int bits = mask.trimmed().toInt(&ok, 0);
    if (!ok)
        bits = 0x7F;   // not known yet: every mode (the device refuses one it lacks)
    QStringList modes;
    if (bits & 0x10)
        modes << QStringLiteral("Access Point");
    if (bits & (0x04 | 0x08))
        modes << QStringLiteral("WDS with AP");
    if (bits & (0x20 | 0x40))
        modes << QStringLiteral("WDS");
    if (bits & 0x02)
        modes << repeaterName;
    if (bits & 0x01)
        modes << QStringLiteral("Wireless Client");
    return modes;
}

QString ApModeField::TextOf(const QString& value) const {
    if (value.trimmed() == QLatin1String(kRepeater))
        return Page()->Document()->RepeaterName();
    return Map() ? Map()->TextForValue(value) : value;
}

void ApModeField::ToControl(const MibVariableEntry& entry) { SetText(TextOf(entry.Value)); }

void ApModeField::FromControl(MibVariableEntry& entry) {
    const QString text = Text();
    if (text.contains(QLatin1String("Repeater")))
        entry.Value = QString::fromLatin1(kRepeater);
    else
        entry.Value = Map() ? Map()->ValueForText(text) : text;
}
