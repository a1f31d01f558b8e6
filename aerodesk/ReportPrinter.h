#pragma once
#include <QString>

struct QueryReport;

// Prints a query report as aligned tables or as JSON.
namespace ReportPrinter {
QString Table(const QueryReport& report);
QString Json(const QueryReport& report);
// One line per device that failed.
QString Failures(const QueryReport& report);
}  // namespace ReportPrinter
