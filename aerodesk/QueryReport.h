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
    // The first device of this address still waiting for its answer, or
    // nullptr (an address given twice is answered twice).
    Device* Waiting(const QString& address);
    // The answer for an address: its first waiting device is done, ok or
    // failed with `message`; nullptr when no device of it is waiting.
    Device* Answer(const QString& address, bool ok, const QString& message = {});
    // Devices still waiting get the message that they did not answer in time.
    void MarkLate(int seconds);
    // A report with one device per address, waiting, and these columns.
    static QueryReport For(const QStringList& addresses, const QStringList& columns);
};
