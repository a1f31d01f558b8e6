// nxa-sim's device faults for the fault runs: a restart when a request
// reaches an OID, answers (also to sets) that leave late, and bad option text.
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <gtest/gtest.h>

using TestSupport::RunTool;
using TestSupport::SimFleet;

namespace {

const std::string kLocation = "1.3.6.1.2.1.1.6.0";

int Set(const SimFleet& sim, int n, const std::string& value, const std::string& timeout = "2") {
    std::string output;
    return RunTool("snmpset -v2c -c private -r0 -t" + timeout + " " + sim.Target(n) + " " + kLocation + " s " + value, output);
}

std::string Location(const SimFleet& sim, int n, const std::string& timeout = "2") {
    std::string output;
    if (RunTool("snmpget -v2c -c public -r0 -Oqv -t" + timeout + " " + sim.Target(n) + " " + kLocation, output) != 0)
        return "(no answer)";
    while (!output.empty() && (output.back() == '\n' || output.back() == '"'))
        output.pop_back();
    return output.empty() || output.front() != '"' ? output : output.substr(1);
}

}  // namespace

// The set that reaches the OID is not carried out and not answered; the
// device is silent for the time given, then answers, and the next set of
// the same OID goes through (once per device).
TEST(SimFaultInjection, sim_RestartAtAnOidOnceAndOnlyOnTheNamedDevices) {
    SimFleet sim;
    ASSERT_TRUE(sim.Start(QStringLiteral("127.0.64.41"), 2,
                          {QStringLiteral("--restart-at"), QStringLiteral("1:1.3.6.1.2.1.1.6:set:1500"),
                           QStringLiteral("--trace"), sim.PrivateFile(QStringLiteral("trace.tsv"))}))
        << sim.Output();
    EXPECT_EQ(Location(sim, 1), "");   // a get does not trigger a set fault
    EXPECT_NE(Set(sim, 1, "first", "0.5"), 0) << "no answer to the set that restarts the device";
    EXPECT_EQ(Location(sim, 1, "0.2"), "(no answer)") << "silent while it restarts";
    std::string answered;
    for (int i = 0; i < 50 && (answered = Location(sim, 1, "0.2")) == "(no answer)"; ++i) {
    }
    EXPECT_EQ(answered, "") << "the set was not carried out";
    EXPECT_EQ(Set(sim, 1, "second"), 0);
    EXPECT_EQ(Location(sim, 1), "second");
    EXPECT_EQ(Set(sim, 2, "other"), 0) << "device 2 has no such fault";
    EXPECT_EQ(sim.TraceSets(sim.Address(1)).size(), 2u);
}

// Sets and gets are answered, but late: a client that waits 0.2 s hears
// nothing, one that waits 5 s gets the answer.
TEST(SimFaultInjection, sim_AnswerDelayHoldsBackSetsAndGets) {
    SimFleet sim;
    ASSERT_TRUE(sim.Start(QStringLiteral("127.0.64.51"), 2, {QStringLiteral("--answer-delay"), QStringLiteral("1:2000")}))
        << sim.Output();
    EXPECT_NE(Set(sim, 1, "late", "0.2"), 0);
    EXPECT_EQ(Location(sim, 1, "0.2"), "(no answer)");
    EXPECT_EQ(Set(sim, 1, "later", "5"), 0);
    EXPECT_EQ(Location(sim, 1, "5"), "later");
    EXPECT_EQ(Location(sim, 2, "2"), "") << "device 2 answers at once";
}

TEST(SimFaultInjection, sim_BadFaultTextIsRefused) {
    for (const char* bad : {"--restart-at=9:1.3.6.1", "--restart-at=1:x.y", "--restart-at=1:1.3.6:sometimes",
                            "--answer-delay=1", "--answer-delay=all:-5", "--transfer-rate=x"}) {
        QString out, err;
        const int code = TestSupport::RunCommand(QString::fromStdString(SimFleet::Binary()),
                                                 {QString::fromLatin1(bad), QStringLiteral("--devices"), QStringLiteral("2")},
                                                 &out, 10000, &err);
        EXPECT_EQ(code, 2) << bad;
        EXPECT_TRUE(err.contains(QStringLiteral("--"))) << bad << err.toStdString();
    }
}
