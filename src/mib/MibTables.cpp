#include "MibTableGroups.h"
#include <vector>

namespace MibTables {
std::span<const MibTableInfo> All() {
    // Built once on first use; the groups are constant, so the copy never changes.
    static const std::vector<MibTableInfo> all = [] {
        std::vector<MibTableInfo> tables;
        for (std::span<const MibTableInfo> group : {HostAndTemplateTables(), PageTables()})
            tables.insert(tables.end(), group.begin(), group.end());
        return tables;
    }();
    return all;
}
}  // namespace MibTables
