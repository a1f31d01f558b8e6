#include "TsvFile.h"
#include <fstream>
#include <sstream>

namespace {
std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.emplace_back();
    return fields;
}
}  // namespace

TsvFile::TsvFile(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        return;
    std::string line;
    if (!std::getline(in, line))
        return;
    const std::vector<std::string> header = SplitTabs(line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields = SplitTabs(line);
        fields.resize(header.size());
        std::map<std::string, std::string> row;
        for (size_t i = 0; i < header.size(); ++i)
            row[header[i]] = fields[i];
        rows_.push_back(std::move(row));
    }
    loaded_ = true;
}

std::string MibDataPath(const std::string& fileName) {
    return std::string(NXA_MIB_DATA_DIR) + "/" + fileName;
}
