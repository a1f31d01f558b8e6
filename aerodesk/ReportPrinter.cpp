#include "ReportPrinter.h"
#include "QueryReport.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace ReportPrinter {
namespace {

QString Aligned(const QStringList& header, const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QString& h : header)
        widths << h.size();
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    auto line = [&](const QStringList& cells) {
        QString text;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i + 1 < cells.size())
                text += cells[i].leftJustified(widths[i]) + QStringLiteral("  ");
            else
                text += cells[i];
        }
        return text + QLatin1Char('\n');
    };
    QString out = line(header);
    for (const QStringList& row : rows)
        out += line(row);
    return out;
}

}  // namespace

QString Table(const QueryReport& report) {
    QString out;
    if (report.SectionPerDevice) {
        for (const QueryReport::Device& d : report.Devices) {
            if (!d.Ok)
                continue;
            out += QStringLiteral("%1: %2 record(s)\n").arg(d.Address).arg(d.Rows.size());
            if (!d.Rows.isEmpty())
                out += Aligned(report.Columns, d.Rows);
        }
        return out;
    }
    QStringList header = QStringList{QStringLiteral("DEVICE")} + report.Columns;
    QList<QStringList> rows;
    for (const QueryReport::Device& d : report.Devices)
        if (d.Ok)
            for (const QStringList& row : d.Rows)
                rows << (QStringList{d.Address} + row);
    return rows.isEmpty() ? QString() : Aligned(header, rows);
}

QString Json(const QueryReport& report) { return Json(report, QJsonObject()); }

QString Json(const QueryReport& report, const QJsonObject& extra) {
    QJsonArray devices;
    for (const QueryReport::Device& d : report.Devices) {
        QJsonObject device{{QStringLiteral("address"), d.Address}, {QStringLiteral("ok"), d.Ok},
                           {QStringLiteral("message"), d.Message}};
        QJsonArray records;
        for (const QStringList& row : d.Rows) {
            QJsonObject record;
            for (qsizetype i = 0; i < row.size() && i < report.Columns.size(); ++i) {
                const QString& name = report.Columns[i];
                if (report.NumberColumns.contains(name))
                    record.insert(name, row[i].toLongLong());
                else
                    record.insert(name, row[i]);
            }
            records.append(record);
        }
        device.insert(QStringLiteral("records"), records);
        devices.append(device);
    }
    QJsonObject document = extra;
    document.insert(QStringLiteral("devices"), devices);
    return QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

QString Failures(const QueryReport& report) {
    QString out;
    for (const QueryReport::Device& d : report.Devices)
        if (!d.Ok)
            out += QStringLiteral("aerodesk: %1: %2\n").arg(d.Address, d.Message);
    return out;
}

}  // namespace ReportPrinter
