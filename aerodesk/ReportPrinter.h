#pragma once
#include <QString>

struct QueryReport;
class QJsonObject;

// Prints a query report as aligned tables or as JSON.
namespace ReportPrinter {
QString Table(const QueryReport& report);
QString Json(const QueryReport& report);
// The same document with further members beside "devices" (a run's result).
QString Json(const QueryReport& report, const QJsonObject& extra);
// One line per device that failed.
QString Failures(const QueryReport& report);
}  // namespace ReportPrinter
