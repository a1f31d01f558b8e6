// The page group while no page tables are built in.
#include "MibTableGroups.h"

namespace MibTables {
std::span<const MibTableInfo> PageTables() {
    return {};
}
}  // namespace MibTables
