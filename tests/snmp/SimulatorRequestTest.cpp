// The request engine against the simulated NXA-7310 with the module's own
// descriptor tables.
#include "support/SimFleet.h"
#include "mib/QueryTables.h"
#include "mib/pages/FilterPageTables.h"
#include "mib/pages/StatusPageTables.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpRequest.h"
#include "snmp/SnmpSyntax.h"
#include <gtest/gtest.h>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

using namespace MibPages;

class SimulatorRequest : public testing::Test {
public:
    static void SetUpTestSuite() {
        sim_ = std::make_unique<TestSupport::SimFleet>();
        ASSERT_TRUE(sim_->Start("127.0.4.1", 2, {"--clients", "5"})) << sim_->Output();
        port_ = sim_->Port();
    }
    static void TearDownTestSuite() { sim_.reset(); }

protected:
    static std::unique_ptr<SnmpRequest> NewRequest(const QString& address = "127.0.4.1") {
        auto r = std::make_unique<SnmpRequest>();
        r->Address = address;
        r->Port = port_;
        r->Version = DeviceTarget::Version2c;
        return r;
    }
    static std::vector<QStringList> Walk(SnmpRequest& r, const MibVariable* table, int keys = 1) {
        r.Variables = MibVariableList(table, MibVariableList::MVT_FMV, keys);
        std::vector<QStringList> rows;
        for (bool more = r.Read(true); more && rows.size() < 2000; more = r.Read(false)) {
            QStringList row;
            for (int i = 0; i < r.Variables.Count(); ++i)
                row << r.Variables.Entry(i).Value;
            rows.push_back(row);
        }
        return rows;
    }
    static void Set(SnmpRequest& r, const MibVariable* table, const QString& value) {
        r.Variables = MibVariableList(table, MibVariableList::MVT_SV);
        r.Variables.Entry(0).Value = value;
        r.Write();
    }

    static inline uint16_t port_ = 0;
    static inline std::unique_ptr<TestSupport::SimFleet> sim_;
};

TEST_F(SimulatorRequest, ReadsTheSystemGroupOfEachDevice) {
    QStringList macs;
    for (const char* address : {"127.0.4.1", "127.0.4.2"}) {
        auto r = NewRequest(address);
        r->Variables = MibVariableList(kSystemInfoVars, MibVariableList::MVT_SV);
        r->Read(true);
        ASSERT_GE(r->Variables.Count(), 2);
        for (int i = 0; i < r->Variables.Count(); ++i)
            EXPECT_NE(r->Variables.Entry(i).Value, "(NULL)") << r->Variables.Entry(i).Name.toStdString();
        const int mac = r->Variables.IndexOf("MAC Address");
        if (mac >= 0)
            macs << r->Variables.Entry(mac).Value;
    }
    ASSERT_EQ(macs.size(), 2);
    EXPECT_NE(macs[0], macs[1]);   // each device has its own identity
}

TEST_F(SimulatorRequest, RefreshRebuildsTheClientTableAndTheWalkTakesKeys) {
    auto r = NewRequest();
    Set(*r, kClientInfoRefreshVars, "1");
    const auto rows = Walk(*r, kClientInfoTableVars);
    ASSERT_EQ(rows.size(), 5u);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], QString::number(i + 1));      // key from the instance
        EXPECT_EQ(rows[i][1].size(), 12);                  // MAC as 12 hex digits
        EXPECT_NE(rows[i][1], "000000000000");
    }
}

TEST_F(SimulatorRequest, AddActionCreatesARow) {
    auto r = NewRequest("127.0.4.2");
    const auto before = Walk(*r, kMacAclListTableVars);
    for (const QStringList& row : before) {
        EXPECT_NE(row[1], "00112233AABB");
    }
    Set(*r, kMacAclAddVars, "00112233AABB");
    const auto after = Walk(*r, kMacAclListTableVars);
    bool found = false;
    for (const QStringList& row : after)
        found = found || row[1] == "00112233AABB";
    EXPECT_TRUE(found);
    Set(*r, kMacAclDeleteVars, "00112233AABB");
    for (const QStringList& row : Walk(*r, kMacAclListTableVars)) {
        EXPECT_NE(row[1], "00112233AABB");
    }
}

TEST_F(SimulatorRequest, ErrorAnswersMapToModuleNumbers) {
    auto r = NewRequest();
    // The client table's refresh takes numbers only.
    r->Variables = MibVariableList(kClientRefreshVars, MibVariableList::MVT_SV);
    r->Variables.Entry(0).Value = "1";
    r->Variables.Entry(0).Syntax = SnmpSyntax::DisplayString;
    try {
        r->Write();
        FAIL() << "a wrong type was accepted";
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -107);
        EXPECT_EQ(e.Text(), "(SNMP) Cannot create/modify variable, Wrong Type!");
    }
    // The client table itself is read only.
    r->Variables = MibVariableList(kClientInfoTableVars, MibVariableList::MVT_FMV, 1);
    r->Variables.Entry(0).Value = "1";
    r->Variables.Entry(1).Access = 6;
    r->Variables.Entry(1).Value = "001122334455";
    try {
        r->Write("0,1");
        FAIL() << "a read-only column was written";
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -117);
    }
}

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// An answer that comes after its request gave up finds its session with
// nothing under way: the engine reads and drops it. Left in its socket, it
// would end every wait of the SNMP thread at once, and the thread would
// spin for as long as the session stays open (a minute).
TEST(SimulatorLateAnswer, AnAnswerAfterTheTimeOutDoesNotKeepTheEngineBusy) {
    TestSupport::SimFleet late;
    ASSERT_TRUE(late.Start("127.0.4.21", 1, {"--delay", "300"})) << late.Output();
    SnmpRequest r;
    r.Address = "127.0.4.21";
    r.Port = late.Port();
    r.Version = DeviceTarget::Version2c;
    r.Timeout = 10;   // 0.1 s: the answer comes 0.2 s after the request gave up
    r.Retries = 0;
    r.Variables = MibVariableList(kSystemInfoVars, MibVariableList::MVT_SV);
    int error = 0;
    try {
        r.Read(true);
    } catch (const CZRException& e) {
        error = e.Number();
    }
    EXPECT_EQ(error, -405);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));   // the late answer is in by now
    const double before = ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    // Idle, the process uses next to nothing; a spinning thread would use the whole 0.8 s.
    EXPECT_LT(ProcessCpuSeconds() - before, 0.4) << "the SNMP thread stayed busy after a late answer";
}

}  // namespace
