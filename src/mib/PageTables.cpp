// The page group of the table registry: every descriptor table of the configuration
// and status pages with the list kind and key count that its page loads it with.
#include "MibTableGroups.h"
#include "pages/WirelessPageTables.h"
#include "pages/MultiSsidPageTables.h"
#include "pages/LanDhcpPageTables.h"
#include "pages/FilterPageTables.h"
#include "pages/AdminPageTables.h"
#include "pages/StatusPageTables.h"
#include "pages/SchedulePageTables.h"
#include "pages/TrafficControlPageTables.h"
#include "pages/VlanPageTables.h"
#include "pages/ApArrayPageTables.h"
#include "pages/RadiusServerPageTables.h"
#include "pages/IntrusionPageTables.h"
#include "pages/DateTimeLogPageTables.h"
#include "pages/PerformancePageTables.h"

namespace MibTables {
namespace {
using namespace MibPages;

// Kind 0: scalars read with ".0" appended; 1: complete OIDs; 2: table columns walked
// with get-next, the key count giving the leading index columns.
const MibTableInfo kPageTables[] = {
    // Wireless
    {"kWirelessBasicVars", kWirelessBasicVars, 1, 0},
    {"kWirelessRadioInfoVars", kWirelessRadioInfoVars, 1, 0},
    {"kWirelessModeVars", kWirelessModeVars, 1, 0},
    {"kWirelessSecurityVars", kWirelessSecurityVars, 1, 0},
    {"kWirelessWepKeyVars", kWirelessWepKeyVars, 1, 0},
    {"kWirelessRadiusVars", kWirelessRadiusVars, 1, 0},
    {"kWirelessRemoteApVars", kWirelessRemoteApVars, 1, 0},
    {"kWirelessRemoteApDeleteAllVars", kWirelessRemoteApDeleteAllVars, 1, 0},
    {"kWirelessRemoteApAddVars", kWirelessRemoteApAddVars, 1, 0},
    {"kWirelessRepeaterRootVars", kWirelessRepeaterRootVars, 1, 0},
    {"kWirelessMacCloneVars", kWirelessMacCloneVars, 1, 0},
    {"kWirelessMacCloneRefreshVars", kWirelessMacCloneRefreshVars, 1, 0},
    {"kWirelessMacCloneTableVars", kWirelessMacCloneTableVars, 2, 1},
    {"kWirelessNetworkAccessProtectionVars", kWirelessNetworkAccessProtectionVars, 1, 0},
    {"kWirelessBandVars", kWirelessBandVars, 1, 0},
    {"kWirelessManagerStatusVars", kWirelessManagerStatusVars, 0, 0},
    {"kSiteSurveyRefreshVars", kSiteSurveyRefreshVars, 1, 0},
    {"kSiteSurveyTableVars", kSiteSurveyTableVars, 2, 1},
    {"kWdsSiteSurveyRefreshVars", kWdsSiteSurveyRefreshVars, 1, 0},
    {"kWdsSiteSurveyTableVars", kWdsSiteSurveyTableVars, 2, 1},
    // MultiSsid
    {"kMssidGlobalVars", kMssidGlobalVars, 1, 0},
    {"kMssidSsidTableVars", kMssidSsidTableVars, 2, 1},
    {"kMssidRadiusTableVars", kMssidRadiusTableVars, 2, 1},
    {"kMssidAccountingTableVars", kMssidAccountingTableVars, 2, 1},
    // LanDhcp
    {"kLanSettingsVars", kLanSettingsVars, 1, 0},
    {"kLanDeviceCommandVars", kLanDeviceCommandVars, 0, 0},
    {"kDhcpFunctionVars", kDhcpFunctionVars, 0, 0},
    {"kDhcpDynamicPoolVars", kDhcpDynamicPoolVars, 1, 0},
    {"kDhcpStaticPoolTableVars", kDhcpStaticPoolTableVars, 2, 1},
    {"kDhcpStaticDeleteVars", kDhcpStaticDeleteVars, 0, 0},
    {"kDhcpLeaseRefreshVars", kDhcpLeaseRefreshVars, 0, 0},
    {"kDhcpDynamicLeaseTableVars", kDhcpDynamicLeaseTableVars, 2, 1},
    {"kDhcpStaticLeaseTableVars", kDhcpStaticLeaseTableVars, 2, 1},
    // Filter
    {"kMacAclModeVars", kMacAclModeVars, 1, 0},
    {"kMacAclAddVars", kMacAclAddVars, 1, 0},
    {"kMacAclDeleteVars", kMacAclDeleteVars, 1, 0},
    {"kMacAclListTableVars", kMacAclListTableVars, 2, 1},
    {"kFilterClientTableVars", kFilterClientTableVars, 2, 1},
    {"kFilterSsidVars", kFilterSsidVars, 1, 0},
    {"kFilterMssidTableVars", kFilterMssidTableVars, 2, 1},
    {"kWlanPartitionVars", kWlanPartitionVars, 1, 0},
    // Admin
    {"kAdminStatusVars", kAdminStatusVars, 0, 0},
    {"kAdminVlanStateVars", kAdminVlanStateVars, 0, 0},
    {"kAdminTwoAddressVars", kAdminTwoAddressVars, 0, 0},
    {"kAdminPingVars", kAdminPingVars, 0, 0},
    {"kAdminWlanAdminVars", kAdminWlanAdminVars, 0, 0},
    {"kAdminVlanIdVars", kAdminVlanIdVars, 1, 0},
    {"kAdminRangeListVars", kAdminRangeListVars, 2, 1},
    {"kAdminRangeAddVars", kAdminRangeAddVars, 2, 1},
    {"kAdminAccountVars", kAdminAccountVars, 1, 0},
    {"kAdminConsoleVars", kAdminConsoleVars, 0, 0},
    {"kAdminSystemVars", kAdminSystemVars, 0, 0},
    // Status
    {"kInfoSummaryVars", kInfoSummaryVars, 1, 0},
    {"kInfoTurboModesVars", kInfoTurboModesVars, 1, 0},
    {"kInfoCountryCodeVars", kInfoCountryCodeVars, 0, 0},
    {"kInfoApModesVars", kInfoApModesVars, 1, 0},
    {"kInfoModeStringVars", kInfoModeStringVars, 1, 0},
    {"kInfoMssidWdsSupportVars", kInfoMssidWdsSupportVars, 1, 0},
    {"kInfoRepeaterWpaVars", kInfoRepeaterWpaVars, 1, 0},
    {"kInfoApplyVars", kInfoApplyVars, 0, 0},
    {"kInfoWdsRefreshVars", kInfoWdsRefreshVars, 1, 0},
    {"kInfoDhcpFunctionVars", kInfoDhcpFunctionVars, 0, 0},
    {"kDeviceInfoFirmwareVars", kDeviceInfoFirmwareVars, 0, 0},
    {"kDeviceInfoEthernetVars", kDeviceInfoEthernetVars, 1, 0},
    {"kDeviceInfoWirelessVars", kDeviceInfoWirelessVars, 1, 0},
    {"kDeviceInfoBandVars", kDeviceInfoBandVars, 1, 0},
    {"kDeviceInfoUsageVars", kDeviceInfoUsageVars, 0, 0},
    {"kDeviceInfoApArrayVars", kDeviceInfoApArrayVars, 0, 0},
    {"kClientInfoRefreshVars", kClientInfoRefreshVars, 1, 0},
    {"kClientInfoTableVars", kClientInfoTableVars, 2, 1},
    {"kWdsInfoRefreshVars", kWdsInfoRefreshVars, 1, 0},
    {"kWdsInfoTableVars", kWdsInfoTableVars, 2, 1},
    {"kStatsEthernetVars", kStatsEthernetVars, 1, 0},
    {"kStatsEthernetClearVars", kStatsEthernetClearVars, 1, 0},
    {"kStatsWlanVars", kStatsWlanVars, 1, 0},
    {"kStatsWlanClearVars", kStatsWlanClearVars, 1, 0},
    {"kLogFetchVars", kLogFetchVars, 0, 0},
    {"kLogClearVars", kLogClearVars, 0, 0},
    // Schedule
    {"kScheduleStatusVars", kScheduleStatusVars, 0, 0},
    {"kScheduleRuleVars", kScheduleRuleVars, 0, 0},
    {"kScheduleListTableVars", kScheduleListTableVars, 2, 1},
    {"kScheduleMssidTableVars", kScheduleMssidTableVars, 2, 1},
    {"kScheduleApModeVars", kScheduleApModeVars, 1, 0},
    // TrafficControl
    {"kTrafficInterfaceModeVars", kTrafficInterfaceModeVars, 1, 0},
    {"kTrafficBandwidthVars", kTrafficBandwidthVars, 0, 0},
    {"kQosStateVars", kQosStateVars, 0, 0},
    {"kQosPriorityRuleVars", kQosPriorityRuleVars, 1, 0},
    {"kTrafficManagerStateVars", kTrafficManagerStateVars, 0, 0},
    {"kTrafficRuleVars", kTrafficRuleVars, 0, 0},
    {"kTrafficRuleListTableVars", kTrafficRuleListTableVars, 2, 1},
    {"kTrafficMssidTableVars", kTrafficMssidTableVars, 2, 1},
    {"kTrafficRemoteApTableVars", kTrafficRemoteApTableVars, 2, 1},
    {"kTrafficApModeVars", kTrafficApModeVars, 1, 0},
    // Vlan
    {"kVlanStateVars", kVlanStateVars, 0, 0},
    {"kVlanListTableVars", kVlanListTableVars, 2, 1},
    {"kVlanPvidVars", kVlanPvidVars, 1, 0},
    {"kVlanPvidAutoAssignVars", kVlanPvidAutoAssignVars, 0, 0},
    {"kVlanPortListRefreshVars", kVlanPortListRefreshVars, 0, 0},
    {"kVlanPortListTableVars", kVlanPortListTableVars, 2, 1},
    // ApArray
    {"kApArraySettingsVars", kApArraySettingsVars, 0, 0},
    {"kApArrayScanVars", kApArrayScanVars, 0, 0},
    {"kApArrayScanListTableVars", kApArrayScanListTableVars, 2, 1},
    {"kApArrayMemberTableVars", kApArrayMemberTableVars, 2, 1},
    {"kApArrayApModeVars", kApArrayApModeVars, 1, 0},
    // RadiusServer
    {"kRadiusAccountAddVars", kRadiusAccountAddVars, 0, 0},
    {"kRadiusAccountDeleteVars", kRadiusAccountDeleteVars, 0, 0},
    {"kRadiusAccountListTableVars", kRadiusAccountListTableVars, 2, 1},
    // Intrusion
    {"kIntrusionApListTableVars", kIntrusionApListTableVars, 2, 1},
    // DateTimeLog
    {"kSntpSettingsVars", kSntpSettingsVars, 0, 0},
    {"kSntpManualTimeVars", kSntpManualTimeVars, 0, 0},
    {"kSntpSystemTimeVars", kSntpSystemTimeVars, 1, 0},
    {"kLogSettingsVars", kLogSettingsVars, 0, 0},
    {"kEmailNotificationVars", kEmailNotificationVars, 1, 0},
    // Performance
    {"kPerformanceVars", kPerformanceVars, 1, 0},
    {"kPerformanceSecurityVars", kPerformanceSecurityVars, 1, 0},
    {"kPerformanceBandVars", kPerformanceBandVars, 1, 0},
    {"kPerformanceDataRateListVars", kPerformanceDataRateListVars, 1, 0},
};
}  // namespace

std::span<const MibTableInfo> PageTables() {
    return kPageTables;
}
}  // namespace MibTables
