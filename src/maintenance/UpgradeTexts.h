#pragma once

// The status and step texts that an upgrade run writes into the host's list.
namespace UpgradeTexts {
inline constexpr char Ready[] = ".....";
inline constexpr char Waiting[] = "..";
inline constexpr char NoResponse[] = "No Response!";
inline constexpr char Unsuccess[] = "Unsuccess!";
inline constexpr char InvalidIp[] = "Invalid IP!";
inline constexpr char Aborted[] = "Aborted!";
inline constexpr char Ok[] = "OK";

inline constexpr char StepWriteConfig[] = "Write Config:1";
inline constexpr char StepUpdateFirmware[] = "Update F/W:2";
inline constexpr char StepReset[] = "Reset";
inline constexpr char StepUpdated[] = "Update F/W";
inline constexpr char UpdatedVersion[] = "UpdatedFW";
}  // namespace UpgradeTexts
