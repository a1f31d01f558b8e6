#pragma once
#include <QSet>
#include <QString>
#include <QStringList>
#include <deque>

// What a device query brought back, per device, as rows of texts.
struct QueryReport {
    struct Device {
        QString Address;
        bool Done = false;    // the answer (or the failure) has arrived
        bool Ok = false;
        QString Message;
        QList<QStringList> Rows;   // one per record, in Columns order
    };

    QStringList Columns;
    QSet<QString> NumberColumns;   // printed as JSON numbers
    bool SectionPerDevice = false; // a table per device (record lists) instead of one row per device
    std::deque<Device> Devices;    // a deque keeps each device's address stable for callbacks

    bool AllDone() const;
    bool AllOk() const;
};
