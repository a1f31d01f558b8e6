#pragma once

// The module's identity texts.
namespace ModuleIdentity {
inline constexpr char ModelName[] = "NXA-7310";
inline constexpr char Banner[] = "Aerodesk Module v1.10r30 (2009/06/10)";
inline constexpr char VersionText[] = "1.10";
inline constexpr char RevisionText[] = "r30";
inline constexpr char BandText[] = "2.4GHz/5GHz";
inline constexpr char EnterpriseOid[] = "1.3.6.1.4.1.171.10.37.36";
inline constexpr int MajorVersion = 1;
inline constexpr int MinorVersion = 10;
inline constexpr int CapabilityCode = 5;
}  // namespace ModuleIdentity
