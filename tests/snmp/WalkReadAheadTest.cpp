// The engine reads a table walk's next step ahead: against nxa-sim with a
// trace, each step goes out once, no more than one step ahead, and a value
// read ahead is never served after a write to the device or once it is old.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include "mib/QueryTables.h"
#include "mib/pages/FilterPageTables.h"
#include "snmp/SnmpRequest.h"
#include "snmp/WalkReadAhead.h"
#include "platform/EventWait.h"
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace MibPages;

const QString kAclDelete = QStringLiteral(".1.3.6.1.4.1.171.10.37.36.2.1.3.3.2.3.2.1.3.1");

class WalkReadAheadSim : public testing::Test {
public:
    static void SetUpTestSuite() {
        sim_ = std::make_unique<TestSupport::SimFleet>();
        ASSERT_TRUE(sim_->Start("127.0.47.1", 4, {"--clients", "5", "--trace", sim_->PrivateFile("trace.tsv")}))
            << sim_->Output();
    }
    static void TearDownTestSuite() { sim_.reset(); }

protected:
    static std::unique_ptr<SnmpRequest> NewRequest(const QString& address) {
        auto r = std::make_unique<SnmpRequest>();
        r->Address = address;
        r->Port = sim_->Port();
        r->Version = DeviceTarget::Version2c;
        return r;
    }
    // A walk of the client table's MAC column alone.
    static std::unique_ptr<SnmpRequest> ClientMacColumn(const QString& address) {
        static const MibVariable macOnly[] = {kClientListVars[0], MIB_TABLE_END};
        auto r = NewRequest(address);
        r->Variables = MibVariableList(macOnly, MibVariableList::MVT_FMV, 0);
        return r;
    }
    // A walk of the MAC access list.
    static std::unique_ptr<SnmpRequest> AclWalk(const QString& address) {
        auto r = NewRequest(address);
        r->Variables = MibVariableList(kMacAclListTableVars, MibVariableList::MVT_FMV, 1);
        return r;
    }
    static bool WaitUntil(const std::function<bool()>& condition, int ms = 10000) {
        return EventWait::Until(condition, ms);
    }
    static void Pump(int ms) {
        EventWait::For(ms);
    }
    // The GETNEXT requests the device at `address` received.
    static int GetNextsTo(const QString& address) {
        int n = 0;
        for (const TestSupport::SimTraceRecord& record : sim_->Trace())
            n += record.Address.startsWith(address) && record.Address.mid(address.size()).section(':', 0, 0).isEmpty() &&
                 record.Type == "GETNEXT";
        return n;
    }
    // Fills the device's MAC access list with these addresses.
    static void AddToAcl(const QString& address, const QStringList& macs) {
        auto r = NewRequest(address);
        for (const QString& mac : macs) {
            r->Variables = MibVariableList(kMacAclAddVars, MibVariableList::MVT_SV);
            r->Variables.Entry(0).Value = mac;
            r->Write();
        }
    }
    // The addresses of the list, by a walk that is not interrupted.
    static QStringList AclOf(const QString& address) {
        auto r = AclWalk(address);
        QStringList macs;
        for (bool more = r->Read(true); more && macs.size() < 100; more = r->Read(false))
            macs << r->Variables.Entry(1).Value;
        return macs;
    }

    static inline std::unique_ptr<TestSupport::SimFleet> sim_;
};

// Walks one column asynchronously, each step sent from the completion of
// the one before; `stopAfter` rows (0: to the end).
struct ColumnWalk {
    SnmpRequest* request = nullptr;
    int stopAfter = 0;
    int rows = 0;
    int status = 0;
    bool done = false;

    void Start() { request->ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t) { Step(r, l); }, true); }
    void Step(RequestResult* result, MibVariableList* list) {
        if (result->Status != 0 || result->Done) {
            status = result->Status;
            done = true;
            return;
        }
        ++rows;
        if (stopAfter > 0 && rows >= stopAfter) {
            done = true;
            return;
        }
        request->Variables = *list;
        request->ReadAsync([this](RequestResult* r, MibVariableList* l, uintptr_t) { Step(r, l); }, false);
    }
};

TEST_F(WalkReadAheadSim, EachStepOfAWholeWalkGoesOutOnce) {
    const QString device = sim_->Address(1);
    auto r = ClientMacColumn(device);
    const int before = GetNextsTo(device);
    ColumnWalk walk;
    walk.request = r.get();
    walk.Start();
    ASSERT_TRUE(WaitUntil([&] { return walk.done; }));
    EXPECT_EQ(walk.status, 0);
    EXPECT_EQ(walk.rows, 5);
    // Five rows and the step past the column's end, each sent once: the
    // steps read ahead were taken, not sent again.
    ASSERT_TRUE(WaitUntil([&] { return GetNextsTo(device) - before >= 6; }));
    Pump(300);
    EXPECT_EQ(GetNextsTo(device) - before, 6);
}

TEST_F(WalkReadAheadSim, AnAbandonedWalkReadsOneStepAheadAndNoMore) {
    const QString device = sim_->Address(2);
    auto r = ClientMacColumn(device);
    const int before = GetNextsTo(device);
    ColumnWalk walk;
    walk.request = r.get();
    walk.stopAfter = 1;
    walk.Start();
    ASSERT_TRUE(WaitUntil([&] { return walk.done; }));
    EXPECT_EQ(walk.rows, 1);
    ASSERT_TRUE(WaitUntil([&] { return GetNextsTo(device) - before >= 2; }));
    Pump(500);
    EXPECT_EQ(GetNextsTo(device) - before, 2);
}

// The list has fixed slots; a deleted address leaves its slot empty.
TEST_F(WalkReadAheadSim, AWriteToTheDeviceIsSeenByTheNextStep) {
    const QString device = sim_->Address(3);
    const QStringList added = {"00112233AA01", "00112233AA02", "00112233AA03"};
    AddToAcl(device, added);
    ASSERT_EQ(AclOf(device).mid(0, 3), added);

    auto walk = AclWalk(device);
    ASSERT_TRUE(walk->Read(true));
    EXPECT_EQ(walk->Variables.Entry(1).Value, added[0]);
    Pump(100);   // the second row has been read ahead by now
    auto writer = NewRequest(device);
    for (const QString& mac : added.mid(1)) {
        writer->Variables = MibVariableList(kMacAclDeleteVars, MibVariableList::MVT_SV);
        writer->Variables.Entry(0).Value = mac;
        writer->Write();
    }
    ASSERT_EQ(AclOf(device).mid(0, 3).count(added[1]) + AclOf(device).mid(0, 3).count(added[2]), 0);
    // The walk's next row is read after the write: the deleted address is gone.
    ASSERT_TRUE(walk->Read(false));
    EXPECT_FALSE(added.mid(1).contains(walk->Variables.Entry(1).Value)) << walk->Variables.Entry(1).Value.toStdString();
}

TEST_F(WalkReadAheadSim, AnOldValueReadAheadIsReadAgain) {
    const QString device = sim_->Address(4);
    const QStringList added = {"00112233BB01", "00112233BB02"};
    AddToAcl(device, added);
    ASSERT_EQ(AclOf(device).mid(0, 2), added);

    auto walk = AclWalk(device);
    ASSERT_TRUE(walk->Read(true));
    EXPECT_EQ(walk->Variables.Entry(1).Value, added[0]);
    // Another manager deletes the second address long after that row was
    // read ahead.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    QString out, errors;
    ASSERT_EQ(TestSupport::RunCommand("snmpset", {"-v2c", "-c", "private", "-On", "-M", "/dev/null",
                                                  QString::fromStdString(sim_->Target(4)), kAclDelete, "x", added[1]},
                                      &out, 10000, &errors),
              0)
        << errors.toStdString();
    ASSERT_TRUE(walk->Read(false));
    EXPECT_NE(walk->Variables.Entry(1).Value, added[1]);
}

TEST(WalkReadAheadSteps, FollowUpGoesOnWhileAColumnGoesOn) {
    const WalkReadAhead::Columns columns = {{1, 3, 6, 1, 5}, {1, 3, 6, 1, 6}};
    SnmpExchange answered;
    answered.Command = SnmpExchange::GetNext;
    answered.Request.resize(2);
    answered.Request[0].Oid = {1, 3, 6, 1, 5, 1};
    answered.Request[1].Oid = {1, 3, 6, 1, 6, 1};
    answered.Response.resize(2);
    answered.Response[0].Oid = {1, 3, 6, 1, 5, 2};
    answered.Response[1].Oid = {1, 3, 6, 1, 7, 1};   // beyond its column
    auto next = WalkReadAhead::FollowUp(answered, columns);
    ASSERT_NE(next, nullptr);
    ASSERT_EQ(next->Request.size(), 2u);
    EXPECT_EQ(next->Command, SnmpExchange::GetNext);
    EXPECT_EQ(next->Request[0].Oid, answered.Response[0].Oid);
    EXPECT_EQ(next->Request[1].Oid, answered.Response[1].Oid);
    // The step the walk's user sends next is the step read ahead.
    SnmpExchange users;
    users.Command = SnmpExchange::GetNext;
    users.Request.resize(2);
    users.Request[0].Oid = answered.Response[0].Oid;
    users.Request[1].Oid = answered.Response[1].Oid;
    EXPECT_EQ(WalkReadAhead::Key(*next, columns), WalkReadAhead::Key(users, columns));

    answered.Response[0].Oid = {1, 3, 6, 1, 6, 1};   // both columns ended
    EXPECT_EQ(WalkReadAhead::FollowUp(answered, columns), nullptr);
    answered.Response[0].Oid = {1, 3, 6, 1, 5, 1};   // did not move forward
    EXPECT_EQ(WalkReadAhead::FollowUp(answered, columns), nullptr);
    answered.Response[0].Oid = {1, 3, 6, 1, 5, 9};
    answered.Response[0].Type = WireType::EndOfMibView;
    EXPECT_EQ(WalkReadAhead::FollowUp(answered, columns), nullptr);
    answered.Response[0].Type = WireType::Integer;
    ASSERT_NE(WalkReadAhead::FollowUp(answered, columns), nullptr);
    answered.Status = 2;   // an error answer ends the walk
    EXPECT_EQ(WalkReadAhead::FollowUp(answered, columns), nullptr);
    answered.Status = 0;
    EXPECT_EQ(WalkReadAhead::FollowUp(answered, {}), nullptr);   // no walk step
    answered.Command = SnmpExchange::Get;
    EXPECT_EQ(WalkReadAhead::FollowUp(answered, columns), nullptr);
}

TEST(WalkReadAheadSteps, KeyTellsTargetsAndStepsApart) {
    const WalkReadAhead::Columns columns = {{1, 3, 6, 1, 5}};
    SnmpExchange a;
    a.Command = SnmpExchange::GetNext;
    a.ResolvedAddress = "udp:127.0.0.1";
    a.Target.Port = 161;
    a.Request.resize(1);
    a.Request[0].Oid = {1, 3, 6, 1, 5, 1};
    SnmpExchange b = a;
    EXPECT_EQ(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(b, columns));
    EXPECT_NE(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(a, {{1, 3, 6, 1, 4}}));
    b.Target.ReadCommunity = "other";
    EXPECT_NE(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(b, columns));
    b = a;
    b.Target.Port = 162;
    EXPECT_NE(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(b, columns));
    b = a;
    b.ResolvedAddress = "udp:127.0.0.2";
    EXPECT_NE(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(b, columns));
    b = a;
    b.Request[0].Oid = {1, 3, 6, 1, 5, 2};
    EXPECT_NE(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(b, columns));
    b = a;
    b.Target.Version = DeviceTarget::Version3;
    EXPECT_NE(WalkReadAhead::Key(a, columns), WalkReadAhead::Key(b, columns));
    EXPECT_EQ(WalkReadAhead::Agent(a), "udp:127.0.0.1:161");
}

}  // namespace
