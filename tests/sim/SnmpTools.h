#pragma once
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <sstream>
#include <string>
#include <vector>

// net-snmp's tools against a simulated device, numeric OIDs in the output
// ("-On"), each call bounded by its own time-out and retries.
namespace SnmpTools {
inline std::string Run(const std::string& tool, const std::string& community, const std::string& target,
                       const std::string& arguments, const std::string& limits) {
    std::string output;
    TestSupport::RunTool(tool + " -v2c -c " + community + " -On " + limits + " " + target + " " + arguments, output);
    return output;
}
inline std::string Get(const std::string& target, const std::string& oids, const std::string& limits = "-r1 -t5") {
    return Run("snmpget", "public", target, oids, limits);
}
// No retry by default: a set is carried out once.
inline std::string Set(const std::string& target, const std::string& varbinds, const std::string& limits = "-r0 -t5") {
    return Run("snmpset", "private", target, varbinds, limits);
}
inline std::string Walk(const std::string& target, const std::string& oid, const std::string& limits = "-r1 -t5") {
    return Run("snmpbulkwalk", "public", target, oid, limits);
}
// The row indexes (the OID part below the column) that a walk of column listed.
inline std::vector<std::string> Rows(const std::string& walkOutput, const std::string& column) {
    std::vector<std::string> rows;
    std::istringstream lines(walkOutput);
    std::string line;
    const std::string prefix = "." + column + ".";
    while (std::getline(lines, line))
        if (line.rfind(prefix, 0) == 0)
            rows.push_back(line.substr(prefix.size(), line.find(' ') - prefix.size()));
    return rows;
}
}  // namespace SnmpTools
