// Settings the host hands in, with the module's code linked directly so that
// ModuleSettings can be looked at: the settings store, the FTP password and
// the host's FTP server object.
#include "host/FtpPasswordDecoder.h"
#include "host/ModuleSettings.h"
#include "host/AP_PlugIn.h"
#include "platform/PasswordScrambler.h"
#include "platform/SettingsStore.h"
#include "snmp/CZRException.h"
#include <QSettings>
#include <gtest/gtest.h>

namespace {

void WriteStore(int32_t method, const QByteArray& password) {
    SettingsStore::AdvanceSystem values;
    values.FtpMethod = method;
    values.FtpPort = 2121;
    values.FtpUserName = "nxauser";
    values.FtpPassword = password;
    values.RemoteFtpIpAddress = "127.0.0.9";
    ASSERT_TRUE(SettingsStore::WriteAdvanceSystem(values));
}

void ClearStore() {
    QSettings(QStringLiteral("Zorvane"), QStringLiteral("Aerodesk")).clear();
}

}  // namespace

TEST(HostSettings, host_ScrambledPasswordRoundTrip) {
    for (const QByteArray& plain : {QByteArray("secret"), QByteArray("p"), QByteArray(255, 'x'), QByteArray("ünï")}) {
        const QByteArray stored = PasswordScrambler::Scramble(plain);
        EXPECT_TRUE(stored.startsWith("ZR1$"));
        EXPECT_NE(stored.mid(4), plain.toHex().toUpper());
        EXPECT_EQ(FtpPasswordDecoder::Unscramble(stored), QString::fromUtf8(plain));
    }
}

TEST(HostSettings, host_PasswordNotScrambledRaisesMinus14) {
    for (const QByteArray& bad : {QByteArray("plain"), QByteArray("ZR1$ABC"), QByteArray("ZR1$ZZ"), QByteArray("ZR1")}) {
        try {
            FtpPasswordDecoder::Unscramble(bad);
            ADD_FAILURE() << bad.constData();
        } catch (const CZRException& e) {
            EXPECT_EQ(e.Number(), -14);
            EXPECT_EQ(e.Text(), QStringLiteral("(ZrCommon) The source to dncrypt is not encrypted!"));
        }
    }
}

TEST(HostSettings, host_InitWithoutServerReadsTheStore) {
    ClearStore();
    WriteStore(1, PasswordScrambler::Scramble("ftp-pass"));
    ModuleSettings& s = ModuleSettings::Instance();
    EXPECT_EQ(PlugInit(0, 0, 0, nullptr), 0);
    EXPECT_EQ(s.HostFtpServer, nullptr);
    EXPECT_EQ(s.FtpMethod, 1);
    EXPECT_TRUE(s.UseFtpMethod);
    EXPECT_EQ(s.FtpPort, 2121);
    EXPECT_EQ(s.FtpUserName, "nxauser");
    EXPECT_EQ(s.FtpPassword, "ftp-pass");
    EXPECT_EQ(s.RemoteFtpIpAddress, "127.0.0.9");
}

TEST(HostSettings, host_InitWithServerNeverTouchesTheStore) {
    ClearStore();
    WriteStore(0, PasswordScrambler::Scramble("other"));
    ModuleSettings& s = ModuleSettings::Instance();
    s.FtpMethod = 7;
    s.FtpUserName = "kept";
    const int reads = SettingsStore::ReadCount();
    auto* server = reinterpret_cast<CFTPServer*>(0x5000);
    EXPECT_EQ(PlugInit(0, 0, 0, server), 0);
    EXPECT_EQ(SettingsStore::ReadCount(), reads);
    EXPECT_EQ(s.HostFtpServer, server);
    EXPECT_EQ(s.FtpMethod, 7);
    EXPECT_EQ(s.FtpUserName, "kept");
    // Null afterwards switches to the remote server without reading the store.
    EXPECT_EQ(PlugSetFtpServer(nullptr), nullptr);
    EXPECT_EQ(SettingsStore::ReadCount(), reads);
    EXPECT_EQ(s.HostFtpServer, nullptr);
    EXPECT_EQ(s.FtpUserName, "kept");
}

TEST(HostSettings, host_PasswordNotScrambledIsKeptEmpty) {
    ClearStore();
    WriteStore(2, "not-scrambled");
    EXPECT_EQ(PlugInit(0, 0, 0, nullptr), 0);
    EXPECT_EQ(ModuleSettings::Instance().FtpPassword, "");
    EXPECT_EQ(ModuleSettings::Instance().FtpUserName, "nxauser");
    // An empty value is stored empty.
    WriteStore(2, "");
    EXPECT_EQ(PlugInit(0, 0, 0, nullptr), 0);
    EXPECT_EQ(ModuleSettings::Instance().FtpPassword, "");
}

TEST(HostSettings, host_MissingStoreKeepsFieldsButRecomputesUseFtpMethod) {
    ClearStore();
    ModuleSettings& s = ModuleSettings::Instance();
    s.FtpMethod = 3;
    s.UseFtpMethod = false;
    s.FtpUserName = "previous";
    EXPECT_EQ(PlugInit(0, 0, 0, nullptr), 0);
    EXPECT_EQ(s.FtpUserName, "previous");
    EXPECT_TRUE(s.UseFtpMethod);
}

TEST(HostSettings, host_SnmpParametersAreStored) {
    EXPECT_EQ(PlugSetSnmpParameter(0x0A01A8C0, "ro", "rw", 1161, 250), 0);   // 192.168.1.10
    ModuleSettings& s = ModuleSettings::Instance();
    EXPECT_EQ(s.DeviceIpAddress, "192.168.1.10");
    EXPECT_EQ(s.ReadCommunity, "ro");
    EXPECT_EQ(s.WriteCommunity, "rw");
    EXPECT_EQ(s.SnmpPort, 1161u);
    EXPECT_EQ(s.SnmpTimeout, 250u);
}
