#pragma once
#include "Device.h"
#include "SimValue.h"
#include <string>

// The Admin page's range deletion, built at run time: a set of 1 to
// ...4.10.1.3.1.4.<ID> ("IpRangeDelete") frees the management address range
// row with that ID (its addresses read 0.0.0.0 again). The column has no
// variable of its own in the catalogue.
namespace RangeDeletion {
// The row ID of such an OID (1 to the table's rows), or 0.
int RowOf(const OidPath& oid);
// wrongType for a value that is no integer, wrongValue for another value than 1.
int Check(const SimValue& value);
std::string Delete(Device& device, int row);
}  // namespace RangeDeletion
