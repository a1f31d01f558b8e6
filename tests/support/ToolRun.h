#pragma once
#include <QString>
#include <QStringList>
#include <string>

namespace TestSupport {

// Runs `program` with `arguments` to completion (at most `timeoutMs`) and
// returns its exit code (-1 on time-out or failure); its standard output
// goes to `output`, its standard error to `errors`, when given.
int RunCommand(const QString& program, const QStringList& arguments, QString* output = nullptr,
               int timeoutMs = 10000, QString* errors = nullptr);

// Runs a shell command line (net-snmp's tools) with MIBS and MIBDIRS empty,
// so that the tools load no MIB files and print numeric OIDs, for at most
// `timeoutSeconds`; returns its exit status and fills `output` with its
// standard output and error.
int RunTool(const std::string& command, std::string& output, int timeoutSeconds = 60);

}  // namespace TestSupport
