#pragma once

// The messages, status lines and wait lines of the maintenance pages.
namespace MaintenanceTexts {
inline constexpr const char* RebootQuestion = "Device will reboot, continue?";
inline constexpr const char* FactoryQuestion = "Device will reboot and module will be disconnected, continue?";
inline constexpr const char* DiscardQuestion = "All of your changes will be discarded, continue?";
inline constexpr const char* ClearLanguageQuestion = "Clear the language pack?";
inline constexpr const char* LoadQuestion = "Load settings from file ?";
inline constexpr const char* Rebooting = "Device is rebooting, please wait...";
inline constexpr const char* Connecting = "Connect to Server, please wait...";
inline constexpr const char* DeviceReboot = "Device reboot...";
inline constexpr const char* DiscardOk = "Discard changes success.";
inline constexpr const char* DiscardFailed = "Discard changes fail.";

inline constexpr const char* EmptyFile = "Empty file is not accepted";
inline constexpr const char* FormatError = "File format error! Please try again!";
inline constexpr const char* FtpSettingError = "Ftp setting error!";

inline constexpr const char* WriteFileFailed = "Write file fail!Please try again!";
inline constexpr const char* ConnectFailed = "Connect Server Fail! Please check FTP server and file name.";
inline constexpr const char* UpgradeFailedStatus = "Upgrade file fail.";
inline constexpr const char* UpgradeFailed = "Upgrade file fail!Please try again!";
inline constexpr const char* FirmwareOk = "Upgrade firmware success.";
inline constexpr const char* ConfigurationOk = "Upgrade configuration file success.";
inline constexpr const char* CertificateOk = "Update SSL certificate success.";
inline constexpr const char* CertificateOkMessage = "Update SSL certificate success.Please update key now!";
inline constexpr const char* KeyOk = "Update SSL key success!";
inline constexpr const char* KeyOkMessage = "Update SSL key success. You use new SSL Certificate now!";

inline constexpr const char* PutFile = "Put File...";
inline constexpr const char* SaveFailedStatus = "Save Configuration file fail.Please try again!";
inline constexpr const char* SaveFailed = "Save Configuration file fail!Please try again!";
inline constexpr const char* SaveOk = "Save Configuration file Success.";
inline constexpr const char* PutFailed = "Save file fail!Please try again!";

inline constexpr const char* LocalFirmwareCaption = "Update Firmware From Local Hard Drive";
inline constexpr const char* RemoteFirmwareCaption = "Update Firmware From Remote Hard Drive";
inline constexpr const char* LocalSslCaption = "Update SSL Certification From Local Hard Drive";
inline constexpr const char* RemoteSslCaption = "Update SSL Certification From Remote Hard Drive";
inline constexpr const char* LocalDownloadLabel = "Load settings to Local Hard Drive";
inline constexpr const char* RemoteDownloadLabel = "Load settings to FTP Server";

inline constexpr const char* OpenFilter =
    "All Files(*.*)|*.*|JPG File(*.jpg)|*.jpg|GIF File(*.gif)|*.gif|HTM File(*.htm)|*.htm|HTML File(*.html)|*.html||";
inline constexpr const char* SaveFilter = "(*.DCF)|*.dcf|(*.*)|*.*||";
}  // namespace MaintenanceTexts
