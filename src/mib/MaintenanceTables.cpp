#include "MaintenanceTables.h"
#include "MibRecord.h"
#include "ValueMaps.h"

using namespace SnmpSyntax;
using namespace SnmpAccess;

const MibVariable kSettingApplyVars[] = {
    MibRecord(NXA_OID("4.2.3"), "deviceSettingApply", Integer, ReadWrite, &MibMaps::M58),
    MIB_TABLE_END,
};

const MibVariable kRestartVars[] = {
    MibRecord(NXA_OID("4.2.1"), "deviceRestart", Integer, ReadWrite, &MibMaps::M43),
    MibRecord(NXA_OID("4.2.2"), "deviceFactoryDefault", Integer, ReadWrite, &MibMaps::M32),
    MIB_TABLE_END,
};

const MibVariable kRogueSurveyRefreshVars[] = {
    MibRecord(NXA_OID("3.4.4.1"), "dot11RogueApSurveyRefresh", Integer, ReadWrite, &MibMaps::M31),
    MIB_TABLE_END,
};

const MibVariable kRogueSurveyListVars[] = {
    MibRecord(NXA_OID("3.4.4.4.1.11"), "Type", DisplayString, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.3"), "CH", Integer, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.5"), "BSSID", MacAddress, ReadOnly),
    MibRecord(NXA_OID("3.4.4.4.1.8"), "Mode", Integer, ReadOnly, &MibMaps::M13),
    MibRecord(NXA_OID("3.4.4.4.1.9"), "SSID", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

const MibVariable kDeviceProbeVars[] = {
    MibRecord(NXA_OID("2.1.1.1.1.5.1"), "lanIfMacAddress", MacAddress, ReadOnly),
    MibRecord(NXA_OID("2.1.1.1.1.2.1"), "lanIfIpAddress", IpAddress, ReadOnly),
    MIB_TABLE_END,
};

const MibVariable kProbeResultVars[] = {
    MibRecord("1.3.6.1.2.1.1.1.0", "System Description", DisplayString, NotAccess),
    MibRecord("1.3.6.1.2.1.1.2.0", "System Object ID", ObjectId, NotAccess),
    MibRecord("1.3.6.1.2.1.1.3.0", "System Uptime", UInteger, NotAccess),
    MibRecord("1.3.6.1.2.1.1.4.0", "System Contact", DisplayString, NotAccess),
    MibRecord("1.3.6.1.2.1.1.5.0", "System Name", DisplayString, NotAccess),
    MibRecord("1.3.6.1.2.1.1.6.0", "System Location", DisplayString, NotAccess),
    MibRecord("1.3.6.1.2.1.2.2.1.6.1", "ifPhysAddress", MacAddress, NotAccess),
    MibRecord("1.3.6.1.2.1.2.2.1.6.2", "ifPhysAddress", MacAddress, NotAccess),
    MIB_TABLE_END,
};

const MibVariable kFtpTransferVars[] = {
    MibRecord(NXA_OID("4.3.3.1"), "ftpServerIPAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.3.3.3"), "ftpUserName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.4"), "ftpPassword", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.5"), "ftpRemoteFileName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.8"), "ftpUpgradeSettingCommand", Integer, ReadWrite, &MibMaps::M84),
    MibRecord(NXA_OID("4.3.3.7"), "ftpCommand", Integer, ReadWrite, &MibMaps::M27),
    MIB_TABLE_END,
};

const MibVariable kFirmwareVersionVars[] = {
    MibRecord(NXA_OID("5.1.1.0"), "systemFirmwareVersion", DisplayString, ReadOnly),
    MIB_TABLE_END,
};

const MibVariable kUpgradeCommandVars[] = {
    MibRecord(NXA_OID("4.3.3.8"), "ftpUpgradeSettingCommand", Integer, ReadWrite, &MibMaps::M84),
    MIB_TABLE_END,
};

const MibVariable kQueueFtpSettingsVars[] = {
    MibRecord(NXA_OID("4.3.3.1"), "ftpServerIPAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.3.3.3"), "ftpUserName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.4"), "ftpPassword", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.5"), "ftpRemoteFileName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.7"), "ftpCommand", Integer, ReadWrite, &MibMaps::M27),
    MIB_TABLE_END,
};

const MibVariable kFtpSettingsVars[] = {
    MibRecord(NXA_OID("4.3.3.1"), "ftpServerIPAddress", IpAddress, ReadWrite),
    MibRecord(NXA_OID("4.3.3.3"), "ftpUserName", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.4"), "ftpPassword", DisplayString, ReadWrite),
    MibRecord(NXA_OID("4.3.3.5"), "ftpRemoteFileName", DisplayString, ReadWrite),
    MIB_TABLE_END,
};

const MibVariable kFtpCommandVars[] = {
    MibRecord(NXA_OID("4.3.3.7"), "ftpCommand", Integer, ReadWrite, &MibMaps::M27),
    MIB_TABLE_END,
};

const MibVariable kDiscardChangesVars[] = {
    MibRecord(NXA_OID("4.3.4"), "discardChanges", Integer, ReadWrite, &MibMaps::M75),
    MIB_TABLE_END,
};

const MibVariable kLanguagePackClearVars[] = {
    MibRecord(NXA_OID("4.2.5"), "languagePackClear", Integer, ReadWrite, &MibMaps::M39),
    MIB_TABLE_END,
};
