#pragma once
#include "snmp/MibVariable.h"

// Descriptor tables of the configuration export and the template application.

// Export reads and template application writes the system group: address source, mask,
// gateway, administrator account, console (telnet, timeout, ssh).
extern const MibVariable kTemplateSystemVars[];
// Export and template application read the channel list: dynamic list, then the plain list.
extern const MibVariable kChannelListVars[];
// Export reads and template application writes the radio settings: nine variables, their
// second-radio slots (10-18) and the auto channel scan twice (19, 20).
extern const MibVariable kTemplateWirelessVars[];
// Export reads and template application writes the radio security: fourteen variables and
// their second-radio slots (15-28).
extern const MibVariable kTemplateSecurityVars[];
// Template application refuses a device with Multi-SSID on: state and priority state.
extern const MibVariable kMultiSsidStateVars[];
// Template application reads the AP mode that gates channel, filter and security.
extern const MibVariable kApModeVars[];
// Template application reads the band (the access protection comes along unused).
extern const MibVariable kRadioBandVars[];
// Template application switches the auto channel scan off before setting a channel.
extern const MibVariable kAutoChannelScanVars[];
// Template application writes the 11n channel width on its own.
extern const MibVariable kChannelWidthVars[];
// Template application writes the MAC filter mode; the addresses to add and delete and the
// list entries it reads are added to the request one by one at run time.
extern const MibVariable kMacFilterModeVars[];
// Template application writes the key entry method of the active WEP key (instances 1-4).
extern const MibVariable kWepKeyEntryMethodVars[];
