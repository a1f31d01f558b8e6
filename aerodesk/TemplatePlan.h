#pragma once
#include "snmp/DeviceTarget.h"
#include "snmp/MibVariableList.h"
#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// What applying a template key file would do to one device: the template
// application itself run dry (it reads the device as it would, with the same
// checks and refusals, and sends no set), the variables it would write, the
// template key behind each, and the device's current values of them.
class TemplatePlan {
public:
    // One variable that the application would write.
    struct Write {
        QStringList Keys;        // the template keys its value comes from
        MibVariableEntry Entry;  // Value: the text the application would write
        QString Current;         // the device's value as text, once read
        bool Read = false;       // Current came from the device
    };
    // One template key: its value, the device's, and what applying would do.
    struct KeyRow {
        QString Key;
        QString TemplateValue;
        QString DeviceValue;
        QString Status;   // "change", "no change", "written", "refused", "not applied", "unknown"
        QString Note;
    };

    // Runs the application dry against the device; false with Refusal() set
    // when the application would refuse the device as a whole (or it cannot
    // be read, or the key file cannot be read).
    bool Make(const DeviceTarget& target, const QString& keyFile, uint32_t flags);
    // Reads the device's current value of every planned write (after Make, or
    // after the application to see what took); false when one could not be read.
    bool ReadCurrent(const DeviceTarget& target);

    // Why the application would refuse the device as a whole (empty otherwise).
    const QString& Refusal() const { return refusal_; }
    // Why the device could not be planned when it was not refused (no answer ...).
    const QString& Error() const { return error_; }
    // The application's rejections, "group: message" (group "SYS", "AWS", "Flt", "SCR").
    const QStringList& Rejections() const { return rejections_; }
    const std::vector<Write>& Writes() const { return writes_; }
    // One row per key of the template, in key order.
    std::vector<KeyRow> Rows() const;
    // The writes whose device value differs from the planned one (after ReadCurrent).
    std::vector<Write> NotTaken() const;
    // Whether the device's value is the one planned (texts of a value map compared as values).
    static bool Same(const Write& write);

private:
    QMap<QString, QString> keys_;
    QStringList actions_;   // keys written as an action that cannot be read back
    std::vector<Write> writes_;
    QStringList rejections_;
    QString refusal_;
    QString error_;
};
