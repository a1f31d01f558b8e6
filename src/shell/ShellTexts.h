#pragma once

// Fixed texts of the management window.
namespace ShellTexts {
inline constexpr const char* ModelName = "NXA-7310";
inline constexpr const char* VersionText = "1.10";
inline constexpr const char* RevisionText = "r30";
inline constexpr const char* ReleaseDate = "(2009/06/10)";
inline constexpr const char* HostWindowTitle = "Aerodesk2";
inline constexpr const char* AlreadyRun = "already run";
inline constexpr const char* BusyAtClose = "Packet transmiting, Please close window later.";
inline constexpr const char* DeleteItemQuestion = "Are you sure you want to remove this folder shortcut?";
inline constexpr const char* DeleteFolderQuestion = "Are you sure you want to remove the specified folder?";
inline constexpr const char* RebootQuestion = "Device will reboot, continue?";
inline constexpr const char* GetOk = "Get OK.";
inline constexpr const char* RefreshOk = "Refresh OK!";
inline constexpr const char* SaveOk = "Save OK!";
inline constexpr const char* Saving = "Saving, Please wait...";
inline constexpr const char* Applying = "Apply Settings, Please wait...";
inline constexpr const char* Refreshing = "Refresh gettings, Please wait...";
inline constexpr const char* WaitTitle = "Please wait...";
inline constexpr const char* SavingLine = "Saving, please wait...";
inline constexpr const char* ApplyingLine = "Apply Settings, please wait...";
inline constexpr const char* RefreshingLine = "Refresh gettings, please wait...";
inline constexpr int FrameIconId = 222;
}  // namespace ShellTexts
