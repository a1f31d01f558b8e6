#pragma once
// Full OIDs (with instance) of the device variables that the template tests
// prepare and read back.
#define NXA_ROOT "1.3.6.1.4.1.171.10.37.36."

namespace DeviceOids {
inline constexpr char AddressFrom[] = NXA_ROOT "2.1.1.1.1.1.1";
inline constexpr char Mask[] = NXA_ROOT "2.1.1.1.1.3.1";
inline constexpr char Gateway[] = NXA_ROOT "2.1.1.1.1.4.1";
inline constexpr char UserName[] = NXA_ROOT "4.1.1.1.2.1";
inline constexpr char Password[] = NXA_ROOT "4.1.1.1.3.1";
inline constexpr char Telnet[] = NXA_ROOT "4.4.1.0";
inline constexpr char Ssh[] = NXA_ROOT "4.4.2.0";
inline constexpr char ConsoleTimeout[] = NXA_ROOT "4.4.3.0";
inline constexpr char Ssid[] = NXA_ROOT "2.1.3.3.1.1.1.1.1";
inline constexpr char SsidBroadcast[] = NXA_ROOT "2.1.3.3.1.1.1.2.1";
inline constexpr char Channel[] = NXA_ROOT "2.1.3.3.1.1.1.3.1";
inline constexpr char ChannelList[] = NXA_ROOT "2.1.3.3.1.1.1.4.1";
inline constexpr char DataRate[] = NXA_ROOT "2.1.3.3.1.1.1.11.1";
inline constexpr char BeaconInterval[] = NXA_ROOT "2.1.3.3.1.1.1.17.1";
inline constexpr char Dtim[] = NXA_ROOT "2.1.3.3.1.1.1.18.1";
inline constexpr char FragmentLength[] = NXA_ROOT "2.1.3.3.1.1.1.19.1";
inline constexpr char RtsLength[] = NXA_ROOT "2.1.3.3.1.1.1.20.1";
inline constexpr char RadioWave[] = NXA_ROOT "2.1.3.3.1.1.1.23.1";
inline constexpr char AutoChannelScan[] = NXA_ROOT "2.1.3.3.1.1.1.24.1";
inline constexpr char ApMode[] = NXA_ROOT "2.1.3.3.1.1.1.28.1";
inline constexpr char ChannelWidth[] = NXA_ROOT "2.1.3.3.1.1.1.29.1";
inline constexpr char Band[] = NXA_ROOT "2.1.3.3.1.1.1.34.1";
inline constexpr char Authentication[] = NXA_ROOT "2.1.3.3.2.1.1.1.1";
inline constexpr char Encryption[] = NXA_ROOT "2.1.3.3.2.1.1.2.1";
inline constexpr char KeyIndex[] = NXA_ROOT "2.1.3.3.2.1.1.3.1";
inline constexpr char PassPhrase[] = NXA_ROOT "2.1.3.3.2.1.1.4.1";
inline constexpr char CipherType[] = NXA_ROOT "2.1.3.3.2.1.1.5.1";
inline constexpr char GroupKeyInterval[] = NXA_ROOT "2.1.3.3.2.1.1.6.1";
inline constexpr char RadiusServer[] = NXA_ROOT "2.1.3.3.2.1.1.8.1";
inline constexpr char RadiusPort[] = NXA_ROOT "2.1.3.3.2.1.1.9.1";
inline constexpr char RadiusSecret[] = NXA_ROOT "2.1.3.3.2.1.1.10.1";
inline constexpr char WepKeyEntryMethod[] = NXA_ROOT "2.1.3.3.2.2.1.2.1.";   // + key number
inline constexpr char WepKey[] = NXA_ROOT "2.1.3.3.2.2.1.3.1.";              // + key number
inline constexpr char MacAccessControl[] = NXA_ROOT "2.1.3.3.2.3.2.1.1.1";
inline constexpr char MacAddressAdd[] = NXA_ROOT "2.1.3.3.2.3.2.1.2.1";
inline constexpr char MacList[] = NXA_ROOT "2.1.3.3.2.3.3.1.2.1.";           // + entry number
inline constexpr char MultiSsidState[] = NXA_ROOT "3.3.1.1.1.1";
}  // namespace DeviceOids

#undef NXA_ROOT
