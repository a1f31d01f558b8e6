#include "RangeDeletion.h"
#include "DeviceState.h"
#include "SnmpErrors.h"
#include "mib/Catalogue.h"
#include "snmp/SnmpSyntax.h"

namespace RangeDeletion {
namespace {
constexpr const char* kTable = "managerIpPool";

const OidPath& Base() {
    static const OidPath base = Oids::MustParse(std::string(Catalogue::EnterpriseRoot) + ".4.10.1.3.1.4");
    return base;
}
}  // namespace

int RowOf(const OidPath& oid) {
    const OidPath& base = Base();
    if (oid.size() != base.size() + 1 || !Oids::StartsWith(oid, base))
        return 0;
    const TableGenerators::Shape* shape = nullptr;
    for (const TableGenerators::Shape& s : TableGenerators::Shapes())
        if (std::string(s.Name) == kTable)
            shape = &s;
    const int rows = shape ? shape->Rows : 0;
    return oid.back() >= 1 && static_cast<int>(oid.back()) <= rows ? static_cast<int>(oid.back()) : 0;
}

int Check(const SimValue& value) {
    if (!Syntaxes::IsNumber(value.Syntax))
        return SnmpErrors::WrongType;
    return value.Number == 1 ? SnmpErrors::NoError : SnmpErrors::WrongValue;
}

std::string Delete(Device& device, int row) {
    DeviceState& state = device.State();
    const DeviceModel::Table* table = state.Model().TableNamed(kTable);
    if (!table || row < 1)
        return {};
    for (const DeviceModel::Column& column : table->Columns)
        if (DeviceState::Cell* cell = state.Find(Oids::Join(column.Base, TableGenerators::RowIndex(*table->Shape, row))))
            cell->Value = state.FreshCell(*table, *column.Def, row);
    device.Dirty = true;
    return "deleted management address range " + std::to_string(row);
}
}  // namespace RangeDeletion
