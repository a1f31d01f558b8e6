// Module entry exports loaded through dlopen: identity record, window steps, no-op exports.
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <QApplication>
#include <QCursor>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <cstring>
#include <vector>

using TestSupport::SimFleet;
using TestSupport::ModuleUnderTest;
using TestSupport::WaitUntil;

namespace {

ModuleUnderTest& M() {
    ModuleUnderTest& m = ModuleUnderTest::Get();
    EXPECT_TRUE(m.Loaded()) << m.Error().toStdString();
    return m;
}

}  // namespace

TEST(HostEntry, host_ModuleCapsByteForByte) {
    ModuleUnderTest& m = M();
    ASSERT_TRUE(m.Loaded());
    std::vector<unsigned char> buffer(1036 + 64, 0xAB);
    EXPECT_EQ(m.GetModuleCaps(reinterpret_cast<ModuleCaps*>(buffer.data())), 1);

    std::vector<unsigned char> expected(1036, 0);
    std::memcpy(expected.data(), "NXA-7310", 8);
    std::memcpy(expected.data() + 256, "Aerodesk Module v1.10r30 (2009/06/10)", 37);
    std::memcpy(expected.data() + 512, "2.4GHz/5GHz", 11);
    std::memcpy(expected.data() + 768, "1.3.6.1.4.1.171.10.37.36", 24);
    const int32_t numbers[3] = {1, 10, 5};
    std::memcpy(expected.data() + 1024, numbers, sizeof numbers);
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(buffer[i], expected[i]) << "byte " << i;
    for (size_t i = 1036; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], 0xAB) << "written past the record at byte " << i;
    EXPECT_EQ(m.GetModuleCaps(nullptr), 0);
}

TEST(HostEntry, host_OnlyPlugExportsAreVisible) {
    ModuleUnderTest& m = M();
    ASSERT_TRUE(m.Loaded());
    EXPECT_NE(m.Symbol("PlugInit"), nullptr);
    // Module internals stay hidden.
    EXPECT_EQ(m.Symbol("_ZN9ModuleApp8InstanceEv"), nullptr);
    EXPECT_EQ(m.Symbol("_ZN14ModuleSettings8InstanceEv"), nullptr);
}

TEST(HostEntry, host_InitShowExitInTheHostOrder) {
    ModuleUnderTest& m = M();
    ASSERT_TRUE(m.Loaded());
    // The device answers each read after 1 s, so the window's first pages
    // are still being read when the host first asks to close it.
    SimFleet sim("127.0.76.1", {"--delay", "1000"});
    ASSERT_TRUE(sim.Ready()) << sim.Output();
    EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);
    in_addr device{};
    inet_pton(AF_INET, "127.0.76.1", &device);
    EXPECT_EQ(m.SetSnmpParameter(device.s_addr, "public", "private", static_cast<uint32_t>(sim.Port()), 500), 0);
    ModuleCaps caps{};
    EXPECT_EQ(m.GetModuleCaps(&caps), 1);
    m.Show();
    // Closing is refused while those reads are under way; the host asks
    // again until it closes.
    m.ClearMessages();
    EXPECT_EQ(m.Exit(), 0);
    ASSERT_EQ(m.Messages, QStringList{QStringLiteral("Packet transmiting, Please close window later.")});
    ASSERT_TRUE(WaitUntil([&] { return m.Exit() == 1; }, 60000));
    ASSERT_FALSE(m.Messages.isEmpty());
    for (const QString& message : m.Messages)
        EXPECT_EQ(message, QStringLiteral("Packet transmiting, Please close window later."));
    // Without a window, closing reports success.
    EXPECT_EQ(m.Exit(), 1);
    // A second PlugInit still returns 0.
    EXPECT_EQ(m.Init(1, 2, 3, nullptr), 0);
}

// PlugInit's wait cursor ends once: a cursor that the host had set itself is
// still there after PlugInit, whether it opened the window or found it open.
TEST(HostEntry, host_InitKeepsTheHostsOwnCursor) {
    ModuleUnderTest& m = M();
    ASSERT_TRUE(m.Loaded());
    ASSERT_TRUE(WaitUntil([&] { return m.Exit() == 1; }, 30000));
    QApplication::setOverrideCursor(Qt::PointingHandCursor);
    EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    m.ClearMessages();
    EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);   // the window is open already
    EXPECT_EQ(m.Messages, QStringList{QStringLiteral("already run")});
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(WaitUntil([&] { return m.Exit() == 1; }, 30000));
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(HostEntry, host_SetFtpServerReturnsItsArgument) {
    ModuleUnderTest& m = M();
    ASSERT_TRUE(m.Loaded());
    auto* fake = reinterpret_cast<CFTPServer*>(0x1234);
    EXPECT_EQ(m.SetFtpServer(fake), fake);
    EXPECT_EQ(m.SetFtpServer(nullptr), nullptr);
}

TEST(HostEntry, host_NoOpExportsChangeNothing) {
    ModuleUnderTest& m = M();
    ASSERT_TRUE(m.Loaded());
    m.ClearMessages();
    m.GetWepErr();
    m.SetAsIndividual();
    m.SetAsMultiple();
    EXPECT_TRUE(m.Messages.isEmpty());
    ModuleCaps caps{};
    EXPECT_EQ(m.GetModuleCaps(&caps), 1);
    EXPECT_STREQ(caps.ModelName, "NXA-7310");
}
