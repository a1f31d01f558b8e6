// Bad input from the host: null and empty texts, over-long communities, and
// callbacks that call the module again.
#include "Answers.h"
#include "support/ModuleUnderTest.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

using TestSupport::SimFleet;
using TestSupport::ModuleUnderTest;
using TestSupport::WaitUntil;

namespace {

const std::string kBase = "127.0.73.1";

class HostBadInput : public testing::Test {
protected:
    static void SetUpTestSuite() { sim = std::make_unique<SimFleet>(kBase, std::vector<std::string>{"--clients", "3"}); }
    static void TearDownTestSuite() { sim.reset(); }
    void SetUp() override {
        ASSERT_TRUE(m.Loaded()) << m.Error().toStdString();
        ASSERT_TRUE(sim->Ready()) << sim->Output();
        EXPECT_EQ(m.Init(0, 0, 0, nullptr), 0);
        m.SetSnmp(kBase.c_str(), "public", "private", static_cast<uint32_t>(sim->Port()), 200);
        m.ClearMessages();
    }
    static std::unique_ptr<SimFleet> sim;
    ModuleUnderTest& m = ModuleUnderTest::Get();
};

std::unique_ptr<SimFleet> HostBadInput::sim;

// A client callback that asks again from inside the callback, once.
struct Reentrant {
    ModuleUnderTest* Module = nullptr;
    int Calls = 0;
    int Counts[2] = {-1, -1};
    static void Callback(CmdResult*, int32_t count, ClientRecord** records, uintptr_t context) {
        auto* r = reinterpret_cast<Reentrant*>(context);
        if (r->Calls < 2)
            r->Counts[r->Calls] = count;
        ++r->Calls;
        // Touch every record while it is valid.
        for (int32_t i = 0; i < count; ++i)
            ASSERT_EQ(std::string(records[i]->MacAddress).size(), 12u);
        if (r->Calls == 1)
            r->Module->GetClinetInfor(kBase.c_str(), &Reentrant::Callback, 0, context);
    }
};

struct ReentrantBasic {
    ModuleUnderTest* Module = nullptr;
    int Calls = 0;
    static void Callback(CmdResult*, int32_t, BasicConfigRecord**, uintptr_t context) {
        auto* r = reinterpret_cast<ReentrantBasic*>(context);
        if (++r->Calls == 1) {
            r->Module->GetBasicConfigInfor(kBase.c_str(), &ReentrantBasic::Callback, "", context);
            r->Module->GetTrafficInfor(kBase.c_str(), nullptr, 0, 0);
            ModuleCaps caps;
            r->Module->GetModuleCaps(&caps);
        }
    }
};

}  // namespace

TEST_F(HostBadInput, host_NullTextsAndCallbacks) {
    m.SetSnmpParameter(0, nullptr, nullptr, 0, 0);
    m.SetSnmp(kBase.c_str(), "public", "private", static_cast<uint32_t>(sim->Port()), 200);
    m.GetSystemInfo(nullptr, nullptr, nullptr, nullptr);
    char firmware[256] = {};
    m.GetSystemInfo(kBase.c_str(), firmware, nullptr, nullptr);
    EXPECT_STRNE(firmware, "");
    m.GetSystemInfo("", firmware, nullptr, nullptr);

    BasicConfigAnswer basic;
    m.GetBasicConfigInfor(nullptr, &BasicConfigAnswer::Callback, nullptr, Context(basic));
    ASSERT_TRUE(WaitUntil([&] { return basic.Calls > 0; }, 5000));
    EXPECT_EQ(basic.Count, 0);
    EXPECT_EQ(basic.Result.DeviceIp, "");
    EXPECT_EQ(basic.Result.Extra, "");

    ClientAnswer clients;
    m.GetClinetInfor(nullptr, &ClientAnswer::Callback, 0, Context(clients));
    ASSERT_TRUE(WaitUntil([&] { return clients.Calls > 0; }, 5000));
    EXPECT_EQ(clients.Result.Status, 1);

    m.GetTrafficInfor(nullptr, &TrafficAnswer::Callback, 0, 0);
    EXPECT_EQ(m.Messages.size(), 1);

    // No callback at all: the answers arrive and go nowhere.
    m.GetBasicConfigInfor(kBase.c_str(), nullptr, "", 0);
    m.GetTrafficInfor(kBase.c_str(), nullptr, 0, 0);
    m.GetClinetInfor(kBase.c_str(), nullptr, 0, 0);
    WaitUntil([] { return false; }, 1500);

    // A later query works as before.
    ClientAnswer after;
    m.GetClinetInfor(kBase.c_str(), &ClientAnswer::Callback, 0, Context(after));
    ASSERT_TRUE(WaitUntil([&] { return after.Calls > 0; }));
    EXPECT_EQ(after.Count, 3);
}

TEST_F(HostBadInput, host_OverLongCommunities) {
    const std::string longText(100000, 'c');
    m.SetSnmp(kBase.c_str(), longText.c_str(), longText.c_str(), static_cast<uint32_t>(sim->Port()), 60);
    char firmware[256] = {};
    m.GetSystemInfo(kBase.c_str(), firmware, nullptr, nullptr);
    EXPECT_STREQ(firmware, "");   // the device knows no such community
    ClientAnswer a;
    m.GetClinetInfor(kBase.c_str(), &ClientAnswer::Callback, 0, Context(a));
    ASSERT_TRUE(WaitUntil([&] { return a.Calls > 0; }, 20000));
    EXPECT_EQ(a.Result.Status, 1);
    EXPECT_EQ(a.Count, 0);
}

TEST_F(HostBadInput, host_CallbacksThatCallTheModuleAgain) {
    Reentrant r;
    r.Module = &m;
    m.GetClinetInfor(kBase.c_str(), &Reentrant::Callback, 0, reinterpret_cast<uintptr_t>(&r));
    ASSERT_TRUE(WaitUntil([&] { return r.Calls >= 2; }));
    EXPECT_EQ(r.Counts[0], 3);
    EXPECT_EQ(r.Counts[1], 3);

    ReentrantBasic b;
    b.Module = &m;
    m.GetBasicConfigInfor(kBase.c_str(), &ReentrantBasic::Callback, "", reinterpret_cast<uintptr_t>(&b));
    ASSERT_TRUE(WaitUntil([&] { return b.Calls >= 2; }));
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(b.Calls, 2);
}
