// Child processes, free ports and tools run with a time limit.
#include "support/ChildProcess.h"
#include "support/FreePort.h"
#include "support/ToolRun.h"
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

using namespace TestSupport;

TEST(ChildProcess, OutputEnvironmentAndExitStatus) {
    ChildProcess child;
    ASSERT_TRUE(child.Start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo value=$NXA_PROBE; exit 3")},
                            {QStringLiteral("NXA_PROBE=42")}));
    EXPECT_TRUE(child.WaitForOutput("value=42", 10)) << child.Output();
    for (int i = 0; i < 500 && child.IsRunning(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(child.Stop(), 3);
}

TEST(ChildProcess, EndedByItsDestructor) {
    pid_t pid = -1;
    {
        ChildProcess child({"sleep", "30"});
        ASSERT_TRUE(child.Started());
        pid = child.Pid();
        EXPECT_TRUE(child.IsRunning());
    }
    EXPECT_NE(::kill(pid, 0), 0);
}

TEST(ToolRun, ExitStatusOutputAndTimeLimit) {
    std::string out;
    EXPECT_EQ(RunTool("sh -c 'echo shown; exit 7'", out), 7);
    EXPECT_EQ(out, "shown\n");
    QString text;
    EXPECT_EQ(RunCommand(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo out")}, &text), 0);
    EXPECT_EQ(text, "out\n");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunCommand(QStringLiteral("sleep"), {QStringLiteral("30")}, nullptr, 200), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(FreePort, PortsOnLoopbackAddresses) {
    EXPECT_NE(FreeUdpPort(), 0);
    EXPECT_NE(FreeUdpPort("127.0.57.41"), 0);
    EXPECT_NE(FreeTcpPort(), 0);
    EXPECT_EQ(FreeUdpPort("not an address"), 0);
}
