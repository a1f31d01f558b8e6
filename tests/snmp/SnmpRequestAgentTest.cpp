#include "AgentFixture.h"
#include "support/FreePort.h"
#include "snmp/SnmpEngine.h"
#include <QElapsedTimer>

namespace {

using namespace AgentTables;

class SnmpRequestAgent : public AgentTest {};

TEST_F(SnmpRequestAgent, ReadsScalarsGivenWithoutInstance) {
    for (int version : {DeviceTarget::Version1, DeviceTarget::Version2c}) {
        auto r = NewRequest(version);
        r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
        EXPECT_FALSE(r->Read(true));   // no further step for scalars
        EXPECT_FALSE(r->Variables.Entry(0).Value.isEmpty());
        EXPECT_EQ(r->Variables.Entry(0).AltValue, "1.3.6.1.2.1.1.1.0");
        EXPECT_TRUE(r->Variables.Entry(1).Value.startsWith("1.3.6.1.4.1.")) << r->Variables.Entry(1).Value.toStdString();
        bool ok = false;
        r->Variables.Entry(2).Value.toUInt(&ok);
        EXPECT_TRUE(ok);
    }
}

TEST_F(SnmpRequestAgent, ReadsCompleteOidsWithGetAndGetNext) {
    auto r = NewRequest();
    r->Variables = MibVariableList(kSystemComplete, MibVariableList::MVT_SV);
    r->Read(true);
    EXPECT_EQ(r->Variables.Entry(0).AltValue, "1.3.6.1.2.1.1.5.0");
    r->UseGetNext = true;
    r->Read(true);
    EXPECT_EQ(r->Variables.Entry(0).AltValue, "1.3.6.1.2.1.1.6.0");
}

TEST_F(SnmpRequestAgent, WalksATableWithItsKeyFromTheInstance) {
    for (int version : {DeviceTarget::Version1, DeviceTarget::Version2c}) {
        auto r = NewRequest(version);
        r->Variables = MibVariableList(kInterfaces, MibVariableList::MVT_FMV, 1);
        int rows = 0;
        QStringList indexes;
        for (bool more = r->Read(true); more; more = r->Read(false)) {
            ++rows;
            indexes << r->Variables.Entry(0).Value;
            EXPECT_FALSE(r->Variables.Entry(1).Value.isEmpty());
            EXPECT_NE(r->Variables.Entry(1).Value, "(NOTDONE)");
            ASSERT_LT(rows, 1000);
        }
        EXPECT_EQ(rows, WalkCount("1.3.6.1.2.1.2.2.1.2"));
        EXPECT_GT(rows, 0);
        EXPECT_EQ(indexes.first(), "1");
    }
}

TEST_F(SnmpRequestAgent, RowFilterSelectsRows) {
    auto r = NewRequest();
    r->Variables = MibVariableList(kInterfaces, MibVariableList::MVT_FMV, 1);
    r->RowFilter = "$0 == 1";
    int taken = 0;
    for (bool more = r->Read(true); more; more = r->Read(false))
        taken += r->MatchCondition(r->RowFilter) ? 1 : 0;
    EXPECT_EQ(taken, 1);
}

TEST_F(SnmpRequestAgent, ColumnThatDoesNotExistYieldsNoRowAndNoError) {
    for (int version : {DeviceTarget::Version1, DeviceTarget::Version2c}) {
        auto r = NewRequest(version);
        r->Variables = MibVariableList(kNoSuchTable, MibVariableList::MVT_FMV, 1);
        EXPECT_FALSE(r->Read(true));
        EXPECT_EQ(r->Variables.Entry(1).Value, "(NOTDONE)");
    }
}

TEST_F(SnmpRequestAgent, WritesWithTheWriteCommunityAndReadsBack) {
    for (int version : {DeviceTarget::Version1, DeviceTarget::Version2c}) {
        auto r = NewRequest(version);
        r->Variables = MibVariableList(kContact, MibVariableList::SVT_SV);
        const QString value = QStringLiteral("noc-%1@example.net").arg(version);
        r->Variables.Entry(0).Value = value;
        r->Write();
        EXPECT_EQ(r->Variables.Entry(0).Value, value);   // the answer's value
        auto check = NewRequest(version);
        check->Variables = MibVariableList(kContact, MibVariableList::SVT_SV);
        check->Read(true);
        EXPECT_EQ(check->Variables.Entry(0).Value, value);
    }
}

// Requests to one device with the same time-outs share a session, opened
// with the read community of the first; each still goes with its own: a
// wrong one is never answered, in either order.
TEST_F(SnmpRequestAgent, EachReadGoesWithItsOwnReadCommunity) {
    for (int version : {DeviceTarget::Version1, DeviceTarget::Version2c}) {
        auto wrong = NewRequest(version);
        auto right = NewRequest(version);
        for (auto* r : {wrong.get(), right.get()}) {
            r->Timeout = 30 + version;   // a session of their own among the other tests'
            r->Retries = 0;
            r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
        }
        wrong->ReadCommunity = "not-the-community";
        EXPECT_EQ(ErrorOf([&] { wrong->Read(true); }), -405) << "version " << version;
        EXPECT_EQ(ErrorOf([&] { right->Read(true); }), 0) << "version " << version;
        EXPECT_FALSE(right->Variables.Entry(0).Value.isEmpty());
        EXPECT_EQ(ErrorOf([&] { wrong->Read(true); }), -405) << "version " << version;
    }
}

TEST_F(SnmpRequestAgent, WrongWriteCommunityIsRefused) {
    auto r = NewRequest(DeviceTarget::Version2c);
    r->WriteCommunity = "public";
    r->Variables = MibVariableList(kContact, MibVariableList::SVT_SV);
    r->Variables.Entry(0).Value = "x";
    const int error = ErrorOf([&] { r->Write(); });
    EXPECT_TRUE(error == -116 || error == -106 || error == -117) << error;
}

TEST_F(SnmpRequestAgent, RefusedSetsMapToTheirNumbers) {
    auto r = NewRequest(DeviceTarget::Version2c);
    r->Variables = MibVariableList(kDescrWritable, MibVariableList::SVT_SV);
    r->Variables.Entry(0).Value = "new description";
    try {
        r->Write();
        FAIL() << "a read-only variable was written";
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -117);
        EXPECT_EQ(e.Text(), "(SNMP) Cannot create/set variable, Not Writable!");
    }
    r->Variables = MibVariableList(kContactAsInteger, MibVariableList::SVT_SV);
    r->Variables.Entry(0).Value = "5";
    EXPECT_EQ(ErrorOf([&] { r->Write(); }), -107);

    // SNMPv1 reports the read-only variable as not there.
    auto v1 = NewRequest(DeviceTarget::Version1);
    v1->Variables = MibVariableList(kDescrWritable, MibVariableList::SVT_SV);
    v1->Variables.Entry(0).Value = "x";
    EXPECT_EQ(ErrorOf([&] { v1->Write(); }), -102);
}

TEST_F(SnmpRequestAgent, SelectionSendsOnlyListedEntriesAndRestoresAccess) {
    auto r = NewRequest();
    const MibVariable two[] = {kDescrWritable[0], kContact[0], MIB_TABLE_END};
    r->Variables = MibVariableList(two, MibVariableList::SVT_SV);
    r->Variables.Entry(0).Value = "would fail";
    r->Variables.Entry(1).Value = "selected";
    r->Write("1");
    EXPECT_EQ(r->Variables.Entry(0).Access, 6);
    EXPECT_EQ(r->Variables.Entry(1).Value, "selected");
    EXPECT_EQ(ErrorOf([&] { r->Write("7"); }), -12);
    EXPECT_EQ(r->Variables.Entry(0).Access, 6);
}

TEST_F(SnmpRequestAgent, BadValueTextFailsBeforeSendingAndLeavesRequestUsable) {
    auto r = NewRequest();
    r->Variables = MibVariableList(kContactAsInteger, MibVariableList::SVT_SV);
    r->Variables.Entry(0).Value = "not a number";
    EXPECT_EQ(ErrorOf([&] { r->Write("0"); }), -518);
    EXPECT_EQ(r->Variables.Entry(0).Access, 6);
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    EXPECT_NO_THROW(r->Read(true));
}

TEST_F(SnmpRequestAgent, BadListKindIsRefused) {
    auto r = NewRequest();
    r->Variables = MibVariableList(kSystemScalars, 7);
    EXPECT_EQ(ErrorOf([&] { r->Read(true); }), -515);
}

TEST_F(SnmpRequestAgent, SilentPortTimesOutWithinTheBound) {
    auto r = NewRequest();
    r->Port = TestSupport::FreeUdpPort();
    r->Timeout = 30;   // 0.3 s
    r->Retries = 1;
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    QElapsedTimer clock;
    clock.start();
    try {
        r->Read(true);
        FAIL() << "a silent port answered";
    } catch (const CZRException& e) {
        EXPECT_EQ(e.Number(), -405);
        EXPECT_EQ(e.Text(), "(SNMPClass) SNMP request timed out!");
    }
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 280);                 // at least one full try was waited for
    EXPECT_LT(elapsed, 600 + 3000);          // and not much more
}

TEST_F(SnmpRequestAgent, BadAddressFailsBeforeAnythingIsSent) {
    const int sessions = SnmpEngine::Instance().OpenSessionCount();
    for (const char* address : {"256.1.2.3", "no such host!", ""}) {
        auto r = NewRequest();
        r->Address = address;
        r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
        try {
            r->Read(true);
            FAIL() << address;
        } catch (const CZRException& e) {
            EXPECT_EQ(e.Number(), -509);
            EXPECT_EQ(e.Text(), "(ZrSNMP++) Invalid IP Address or DNS name!");
        }
    }
    EXPECT_LE(SnmpEngine::Instance().OpenSessionCount(), sessions);
}

TEST_F(SnmpRequestAgent, DisabledRequestSendsNothing) {
    const int sessions = SnmpEngine::Instance().OpenSessionCount();
    auto r = NewRequest();
    r->Port = TestSupport::FreeUdpPort();   // a port no earlier test used
    r->Enabled = false;
    r->Variables = MibVariableList(kSystemScalars, MibVariableList::SVT_SV);
    EXPECT_FALSE(r->Read(true));
    r->Write();
    bool called = false;
    r->ReadAsync([&](RequestResult*, MibVariableList*, uintptr_t) { called = true; }, true);
    r->WriteAsync([&](RequestResult*, MibVariableList*, uintptr_t) { called = true; });
    EXPECT_EQ(r->Pending(), 0);
    WaitUntil([] { return false; }, 200);
    EXPECT_FALSE(called);
    EXPECT_LE(SnmpEngine::Instance().OpenSessionCount(), sessions);
    EXPECT_EQ(r->Variables.Entry(0).Value, "");
}

}  // namespace
