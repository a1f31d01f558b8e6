#include "FleetReport.h"
#include "DeviceOptions.h"
#include "QueryReport.h"
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cstdio>

namespace {

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

FleetReport& FleetReport::Instance() {
    static FleetReport report;
    return report;
}

bool FleetReport::CheckPath(const QString& path, QString& error) {
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) && !path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        error = QStringLiteral("--report %1: the file must end in .csv or .json (the extension picks the format)").arg(path);
        return false;
    }
    // Found out before the devices are asked, not after.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        error = QStringLiteral("--report %1: the folder %2 does not exist or cannot be written").arg(path, folder.filePath());
        return false;
    }
    return true;
}

void FleetReport::Begin(const DeviceOptions& options) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    clock_.start();
    rows_.clear();
    seen_.clear();
    for (const QString& address : options.DeviceAddresses())
        rows_.push_back(Row{address, options.NameOf(address), QStringLiteral("not run"), {}, 0, -1, false});
}

void FleetReport::Started(const QStringList& addresses) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    const qint64 now = clock_.isValid() ? clock_.elapsed() : 0;
    for (Row& row : rows_)
        if (!row.Recorded && addresses.contains(row.Address))
            row.StartMs = now;
}

FleetReport::Row* FleetReport::Open(const QString& address) {
    for (Row& row : rows_)
        if (row.Address == address && !row.Recorded)
            return &row;
    return nullptr;
}

void FleetReport::Record(const QString& address, bool ok, const QString& message) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    Row* row = Open(address);
    if (!row)
        return;
    row->Recorded = true;
    row->Outcome = ok ? QStringLiteral("ok") : QStringLiteral("failed");
    row->Message = message;
    row->DurationMs = (clock_.isValid() ? clock_.elapsed() : 0) - row->StartMs;
}

void FleetReport::Stamp(const QueryReport& report) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    seen_.resize(report.Devices.size(), 0);
    for (size_t i = 0; i < report.Devices.size(); ++i) {
        const QueryReport::Device& d = report.Devices[i];
        if (d.Done && !seen_[i]) {
            seen_[i] = 1;
            Record(d.Address, d.Ok, d.Message);
        }
    }
}

void FleetReport::Close(const QueryReport& report) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    Stamp(report);
    for (size_t i = 0; i < report.Devices.size(); ++i) {
        if (seen_[i])
            continue;
        seen_[i] = 1;
        const QueryReport::Device& d = report.Devices[i];
        if (Row* row = Open(d.Address)) {
            row->Recorded = true;
            row->Outcome = QStringLiteral("no answer");
            row->Message = d.Message;
            row->DurationMs = clock_.elapsed() - row->StartMs;
        }
    }
    // A command may fill the same report again for the next set of devices.
    seen_.clear();
}

QString FleetReport::Csv() const {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    QString text = QStringLiteral("address,name,outcome,message,duration_ms\n");
    for (const Row& row : rows_)
        text += QStringList{CsvField(row.Address), CsvField(row.Name), CsvField(row.Outcome), CsvField(row.Message),
                            row.DurationMs < 0 ? QString() : QString::number(row.DurationMs)}
                    .join(QLatin1Char(',')) +
                QLatin1Char('\n');
    return text;
}

QString FleetReport::Json() const {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    QJsonArray devices;
    for (const Row& row : rows_) {
        QJsonObject o{{QStringLiteral("address"), row.Address},
                      {QStringLiteral("name"), row.Name},
                      {QStringLiteral("outcome"), row.Outcome},
                      {QStringLiteral("message"), row.Message}};
        o.insert(QStringLiteral("duration_ms"), row.DurationMs < 0 ? QJsonValue() : QJsonValue(row.DurationMs));
        devices.append(o);
    }
    return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("devices"), devices}}).toJson());
}

bool FleetReport::WriteIfAsked(const DeviceOptions& options) const {
    if (options.ReportPath.isEmpty())
        return true;
    QSaveFile file(options.ReportPath);
    const QString text = options.ReportPath.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? Json() : Csv();
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "aerodesk: cannot write the report %s: %s\n", qPrintable(options.ReportPath),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}
