#pragma once
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <mutex>
#include <vector>

struct QueryReport;
class DeviceOptions;

// The per-device outcome of a fleet command, written with --report as CSV
// or JSON (by the file's extension): address, name, outcome, message and
// duration in milliseconds. One per process: the commands record into it as
// their devices finish; the command frame writes it at the end.
class FleetReport {
public:
    struct Row {
        QString Address;
        QString Name;
        QString Outcome;     // "ok", "failed", "no answer" or "not run"
        QString Message;
        qint64 StartMs = 0;
        qint64 DurationMs = -1;
        bool Recorded = false;
    };

    static FleetReport& Instance();
    // True for FILE.csv and FILE.json; else false with `error` set.
    static bool CheckPath(const QString& path, QString& error);

    // One row per device of the options, none recorded yet.
    void Begin(const DeviceOptions& options);
    // The devices' time starts now (a command that works through them in turn).
    void Started(const QStringList& addresses);
    // The first unrecorded row of the address gets the outcome.
    void Record(const QString& address, bool ok, const QString& message = {});
    // Rows of devices that the report shows done get their outcome now.
    void Stamp(const QueryReport& report);
    // At the end: every device of the report that is still open.
    void Close(const QueryReport& report);

    QString Csv() const;
    QString Json() const;
    // Writes the report to `path` when the options ask for one; false with a
    // message on standard error when the file cannot be written.
    bool WriteIfAsked(const DeviceOptions& options) const;

private:
    Row* Open(const QString& address);
    mutable std::recursive_mutex mutex_;   // the module's worker threads record too
    QElapsedTimer clock_;
    std::vector<Row> rows_;
    std::vector<int> seen_;   // per report device: already taken
};
