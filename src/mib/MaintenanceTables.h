#pragma once
#include "snmp/MibVariable.h"

// Descriptor tables of the device commands, the upgrade queue, the maintenance pages and
// the window's Save and Activate.

// Save and Activate, PlugSystemCmd 3 and the end of a template application: the device
// applies what it received.
extern const MibVariable kSettingApplyVars[];
// PlugSystemCmd 1 and 2, PlugCmdAPI 8, the restart and factory-default buttons: restart and
// factory default, the one not sent being left out.
extern const MibVariable kRestartVars[];
// PlugCmdAPI 0: asks the device to survey the air for rogue access points.
extern const MibVariable kRogueSurveyRefreshVars[];
// PlugCmdAPI 0: the survey table walked row by row (type, channel, BSSID, mode, SSID).
extern const MibVariable kRogueSurveyListVars[];
// PlugCmdAPI 2: the device probe reads the LAN MAC and IP address.
extern const MibVariable kDeviceProbeVars[];
// PlugCmdAPI 2: the list handed to the host, shaped like the standard system group; it is
// filled locally (the seventh entry with the MAC read, the eighth with the parameter).
extern const MibVariable kProbeResultVars[];
// PlugCmdAPI 3 and 6: FTP server, account and file, upgrade command, FTP command (command 6
// leaves the upgrade command out).
extern const MibVariable kFtpTransferVars[];
// PlugCmdAPI 5: the firmware version.
extern const MibVariable kFirmwareVersionVars[];
// PlugCmdAPI 7, the upgrade queue's device steps and the transfer pages: the upgrade command.
extern const MibVariable kUpgradeCommandVars[];
// The upgrade queue's SendFtpSettings: FTP server, account, file and FTP command.
extern const MibVariable kQueueFtpSettingsVars[];
// The transfer pages' FTP settings: FTP server, account and file.
extern const MibVariable kFtpSettingsVars[];
// The transfer pages' FTP command.
extern const MibVariable kFtpCommandVars[];
// The System page's Discard: drops the changes not yet applied.
extern const MibVariable kDiscardChangesVars[];
// The System page's Clear: removes the language pack.
extern const MibVariable kLanguagePackClearVars[];
