#include "ApArrayPageTables.h"
#include "mib/MibRecord.h"
#include "mib/ValueMaps.h"

namespace MibPages {
using namespace SnmpSyntax;
using namespace SnmpAccess;

// AP array page: state, role, array name and password
const MibVariable kApArraySettingsVars[] = {
    MibRecord(NXA_OID("3.11.1.1.1"), "dot11APArrayStatus", Integer, ReadWrite, &MibMaps::M38),
    MibRecord(NXA_OID("3.11.1.1.2"), "dot11APArrayModeSelect", Integer, ReadWrite, &MibMaps::M19),
    MibRecord(NXA_OID("3.11.1.1.3"), "dot11ApArrayName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("3.11.1.1.4"), "dot11ApArrayPassword", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

// AP array page: starts a scan for arrays
const MibVariable kApArrayScanVars[] = {
    MibRecord(NXA_OID("3.11.1.2.1.1"), "dot11ApArrayScan", Integer, ReadWrite, &MibMaps::M31),
    MIB_TABLE_END,
};

// AP array page: arrays found by the scan
const MibVariable kApArrayScanListTableVars[] = {
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.1"), "dot11APArrayScanListIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.2"), "dot11APArrayScanListName", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.3"), "dot11APArrayScanListMasterIP", IpAddress, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.4"), "dot11APArrayScanListMac", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.5"), "dot11APArrayScanListMasterNumber", Integer, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.6"), "dot11APArrayScanListBackupNumber", Integer, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.7"), "dot11APArrayScanListSlaverNumber", Integer, ReadOnly),
    MibRecord(NXA_OID("3.11.1.2.1.3.1.1.8"), "dot11APArrayScanListTotal", Integer, ReadOnly),
    MIB_TABLE_END,
};

// AP array page: current array members
const MibVariable kApArrayMemberTableVars[] = {
    MibRecord(NXA_OID("3.11.2.1.1.1"), "dot11APArrayMeberListIndex", Integer, ReadOnly),
    MibRecord(NXA_OID("3.11.2.1.1.3"), "dot11APArrayMeberListRole", Integer, ReadOnly, &MibMaps::M19),
    MibRecord(NXA_OID("3.11.2.1.1.4"), "dot11APArrayMeberListIP", IpAddress, ReadOnly),
    MibRecord(NXA_OID("3.11.2.1.1.5"), "dot11APArrayMeberListMac", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.11.2.1.1.6"), "dot11APArrayMeberListLoacation", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

// AP array page: the AP mode
const MibVariable kApArrayApModeVars[] = {
    MibRecord(NXA_OID("2.1.3.3.1.1.1.28.1"), "dot11ApMode", Integer, ReadOnly, &MibMaps::M63),
    MIB_TABLE_END,
};

}  // namespace MibPages
