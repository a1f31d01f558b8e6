#pragma once
#include <map>
#include <string>
#include <vector>

// A tab-separated data file with a header line; every row maps column name to text.
class TsvFile {
public:
    explicit TsvFile(const std::string& path);

    bool Loaded() const { return loaded_; }
    const std::vector<std::map<std::string, std::string>>& Rows() const { return rows_; }

private:
    bool loaded_ = false;
    std::vector<std::map<std::string, std::string>> rows_;
};

// The project's copy of a data table, by file name ("valuemaps.tsv").
std::string MibDataPath(const std::string& fileName);
