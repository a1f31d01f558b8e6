// The tables of the host exports, the templates, maintenance and the shell.
#include "MaintenanceTables.h"
#include "MibTableGroups.h"
#include "QueryTables.h"
#include "TemplateTables.h"

namespace MibTables {
namespace {
// Kind 0: scalars given without instance (".0" is appended); 1: complete OIDs; 2: table
// columns walked with get-next, the key count giving the leading index columns.
const MibTableInfo kHostTables[] = {
    // Device queries
    {"kSystemInfoVars", kSystemInfoVars, 1, 0},
    {"kBasicConfigVars", kBasicConfigVars, 1, 0},
    {"kTrafficInfoVars", kTrafficInfoVars, 1, 0},
    {"kClientRefreshVars", kClientRefreshVars, 1, 0},
    {"kClientListVars", kClientListVars, 2, 0},
    // Configuration export and template application
    {"kTemplateSystemVars", kTemplateSystemVars, 1, 0},
    {"kChannelListVars", kChannelListVars, 1, 0},
    {"kTemplateWirelessVars", kTemplateWirelessVars, 1, 0},
    {"kTemplateSecurityVars", kTemplateSecurityVars, 1, 0},
    {"kMultiSsidStateVars", kMultiSsidStateVars, 1, 0},
    {"kApModeVars", kApModeVars, 1, 0},
    {"kRadioBandVars", kRadioBandVars, 1, 0},
    {"kAutoChannelScanVars", kAutoChannelScanVars, 1, 0},
    {"kChannelWidthVars", kChannelWidthVars, 1, 0},
    {"kMacFilterModeVars", kMacFilterModeVars, 1, 0},
    {"kWepKeyEntryMethodVars", kWepKeyEntryMethodVars, 1, 0},
    // Device commands, upgrade queue, maintenance pages, Save and Activate
    {"kSettingApplyVars", kSettingApplyVars, 0, 0},
    {"kRestartVars", kRestartVars, 0, 0},
    {"kRogueSurveyRefreshVars", kRogueSurveyRefreshVars, 0, 0},
    {"kRogueSurveyListVars", kRogueSurveyListVars, 2, 0},
    {"kDeviceProbeVars", kDeviceProbeVars, 1, 0},
    {"kProbeResultVars", kProbeResultVars, 1, 0},
    {"kFtpTransferVars", kFtpTransferVars, 0, 0},
    {"kFirmwareVersionVars", kFirmwareVersionVars, 1, 0},
    {"kUpgradeCommandVars", kUpgradeCommandVars, 0, 0},
    {"kQueueFtpSettingsVars", kQueueFtpSettingsVars, 0, 0},
    {"kFtpSettingsVars", kFtpSettingsVars, 0, 0},
    {"kFtpCommandVars", kFtpCommandVars, 0, 0},
    {"kDiscardChangesVars", kDiscardChangesVars, 0, 0},
    {"kLanguagePackClearVars", kLanguagePackClearVars, 0, 0},
};
}  // namespace

std::span<const MibTableInfo> HostAndTemplateTables() {
    return kHostTables;
}
}  // namespace MibTables
