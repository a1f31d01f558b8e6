// The tables of the host exports, the templates, maintenance and the shell.
#include "MibTableGroups.h"

namespace MibTables {
std::span<const MibTableInfo> HostAndTemplateTables() {
    return {};
}
}  // namespace MibTables
