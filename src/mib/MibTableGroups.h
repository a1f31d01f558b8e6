#pragma once
#include "MibTables.h"

// The registry is assembled from groups, one per file that defines tables.
namespace MibTables {
std::span<const MibTableInfo> HostAndTemplateTables();   // queries, templates, maintenance, shell
std::span<const MibTableInfo> PageTables();              // the configuration and status pages
}  // namespace MibTables
