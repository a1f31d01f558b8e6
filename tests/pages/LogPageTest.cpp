// The Log page against simulated devices: the log list filled from the file
// the device really sends to the module's TFTP server, the clear, a device
// that sends nothing, and the Log Settings checks with read-back.
#include "StatusPagesFixture.h"
#include "pages/LogPage.h"
#include "pages/LogReceiver.h"
#include "shell/PageList.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>

namespace {

using LogPageTest = StatusPagesTest;

TEST_F(LogPageTest, TheListIsFilledFromTheLogFileTheDeviceSends) {
    // Something the device logs that no other test makes it log: a time set by hand.
    ASSERT_TRUE(SetOnDevice("4.8.7.0", "s", "2012:06:30:23:59:50", 2));
    const size_t before = Sets(2).size();
    auto* page = dynamic_cast<CLogPage*>(Show("Log", 2));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    // The device was told where to send which file, once.
    const auto sets = Sets(2);
    ASSERT_EQ(sets.size(), before + 1);
    EXPECT_EQ(Varbinds(sets.back()), (QStringList{"E.5.4.4.0=127.0.0.1", "E.5.4.5.0=LogFile.RD", "E.5.4.6.0=1"}));
    EXPECT_EQ(page->FindField("TFTP Server IP")->Text(), "127.0.0.1");
    // The file arrived over TFTP: the device's entries are listed, the one
    // only this device has among them; the file is kept where the module keeps the last log.
    const std::vector<QStringList> rows = page->LogList().Rows();
    ASSERT_GE(rows.size(), 2u);
    for (const QStringList& row : rows)
        EXPECT_EQ(row.size(), 3) << row.join(" | ").toStdString();
    EXPECT_TRUE(QFile::exists(LogReceiver::FilePath()));
    EXPECT_EQ(rows.front()[1], "notice");
    EXPECT_TRUE(rows.front()[2].startsWith("system started, firmware ")) << rows.front()[2].toStdString();
    bool stamped = false;
    for (const QStringList& row : rows)
        stamped |= row[0].startsWith("2012-06-30 23:59:5") && row[1] == "info" &&
                   row[2].startsWith("clock set to 2012/06/30 23:59:5");
    EXPECT_TRUE(stamped);
    EXPECT_EQ(page->LogList().Headers(), (QStringList{"Time", "Priority", "Message"}));
    EXPECT_TRUE(status->Contains("Refresh...")) << status->Texts().join(" | ").toStdString();
    EXPECT_EQ(status->Texts().last(), "Get OK.") << status->Texts().join(" | ").toStdString();
    EXPECT_FALSE(page->IsBusy());

    // Clear: the device is told to empty its log; the next fetch lists only the clear itself.
    ASSERT_TRUE(Press(page, "Clear"));
    EXPECT_EQ(Varbinds(Sets(2).back()), QStringList{"E.5.4.10.0=1"});
    EXPECT_EQ(page->LogList().RowCount(), 0);
    ASSERT_TRUE(Press(page, "Refresh"));
    EXPECT_EQ(page->LogList().RowCount(), 1) << status->Texts().join(" | ").toStdString();
}

TEST_F(LogPageTest, MismatchedSmtpPasswordsAreRefusedAndNothingIsSent) {
    CPage* page = Show("Log");
    ASSERT_NE(page, nullptr);
    const size_t before = Sets().size();
    ASSERT_TRUE(Enter(page, "Enable Email Notification", "checked"));
    ASSERT_TRUE(Enter(page, "User Name", "mailer"));
    ASSERT_TRUE(Enter(page, "Password", "secret1"));
    ASSERT_TRUE(Enter(page, "Confirm Password", "secret2"));
    ASSERT_TRUE(Enter(page, "Mail Server / IP Address", "192.0.2.25"));
    ASSERT_TRUE(Press(page, "Email Notification/Save"));
    EXPECT_EQ(messages->Texts(), QStringList{"The Password is not match,Please enter again."});
    EXPECT_EQ(Sets().size(), before);
    EXPECT_EQ(Get("5.4.11.1.1.2.1"), "0");

    // The checks come in their order, each stopping the save.
    struct Case {
        const char* Field;
        const char* Text;
        const char* Message;
        const char* Save;
    };
    const Case cases[] = {
        {"User Name", "", "Please input the User Name.", "Email Notification/Save"},
        {"Password", "", "You must enter the password!", "Email Notification/Save"},
        {"Mail Server / IP Address", "127.0.0.1", "Invalid Mail Server / IP Address!", "Email Notification/Save"},
        {"SMTP Port", "65536", "Invalid SMTP Port", "Email Notification/Save"},
        {"SMTP Port", "0", "Invalid SMTP Port", "Email Notification/Save"},
        {"Log Server / IP Address", "224.0.0.1", "Invalid Log Server / IP Address!", "Log Settings/Save"},
        {"Log Server / IP Address", "127.0.0.1", "Invalid Log Server / IP Address!", "Log Settings/Save"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Enter(page, "User Name", "mailer"));
        ASSERT_TRUE(Enter(page, "Password", "secret1"));
        ASSERT_TRUE(Enter(page, "Confirm Password", "secret1"));
        ASSERT_TRUE(Enter(page, "Mail Server / IP Address", "192.0.2.25"));
        ASSERT_TRUE(Enter(page, "SMTP Port", "25"));
        ASSERT_TRUE(Enter(page, "Log Server / IP Address", "0.0.0.0"));
        ASSERT_TRUE(Enter(page, c.Field, c.Text)) << c.Field;
        messages->Boxes.clear();
        ASSERT_TRUE(Press(page, c.Save));
        EXPECT_EQ(messages->Texts(), QStringList{c.Message}) << c.Field << "=" << c.Text;
        EXPECT_EQ(Sets().size(), before) << c.Field << "=" << c.Text;
    }
}

TEST_F(LogPageTest, LogAndEmailSettingsAreWrittenAndReadBack) {
    CPage* page = Show("Log");
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(Enter(page, "Wireless Activity", "unchecked"));
    ASSERT_TRUE(Enter(page, "Log Server / IP Address", "192.0.2.10"));
    ASSERT_TRUE(Enter(page, "Enable Email Notification", "checked"));
    ASSERT_TRUE(Enter(page, "From Email Address", "ap@example.com"));
    ASSERT_TRUE(Enter(page, "To Email Address", "admin@example.com"));
    ASSERT_TRUE(Enter(page, "User Name", "mailer"));
    ASSERT_TRUE(Enter(page, "Password", "s3cret"));
    ASSERT_TRUE(Enter(page, "Confirm Password", "s3cret"));
    ASSERT_TRUE(Enter(page, "Mail Server / IP Address", "192.0.2.25"));
    ASSERT_TRUE(Enter(page, "SMTP Port", "587"));
    const size_t before = Sets().size();
    ASSERT_TRUE(Press(page, "Log Settings/Save"));
    ASSERT_EQ(Sets().size(), before + 1);
    EXPECT_EQ(Varbinds(Sets().back()),
              (QStringList{"E.5.4.1.0=1", "E.5.4.2.0=0", "E.5.4.3.0=1", "E.5.4.9.0=192.0.2.10"}));
    ASSERT_TRUE(Press(page, "Email Notification/Save"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    ASSERT_EQ(Sets().size(), before + 2);
    EXPECT_EQ(Sets().back().Varbinds.size(), 8u);
    EXPECT_TRUE(status->Contains("Save OK!"));
    EXPECT_EQ(Get("5.4.1.0"), "1");
    EXPECT_EQ(Get("5.4.2.0"), "0");
    EXPECT_EQ(Get("5.4.9.0"), "192.0.2.10");
    EXPECT_EQ(Get("5.4.11.1.1.2.1"), "1");
    EXPECT_EQ(Get("5.4.11.1.1.3.1"), "ap@example.com");
    EXPECT_EQ(Get("5.4.11.1.1.4.1"), "admin@example.com");
    EXPECT_EQ(Get("5.4.11.1.1.5.1"), "192.0.2.25");
    EXPECT_EQ(Get("4.9.5.0"), "mailer");
    EXPECT_EQ(Get("5.4.11.1.1.7.1"), "s3cret");
    EXPECT_EQ(Get("5.4.11.1.1.10.1"), "587");

    // A person who wants no remote log server leaves it empty: that saves,
    // as "0.0.0.0"; e-mail off writes only its state.
    ASSERT_TRUE(Enter(page, "Log Server / IP Address", ""));
    ASSERT_TRUE(Press(page, "Log Settings/Save"));
    ASSERT_EQ(Sets().size(), before + 3);
    EXPECT_EQ(Varbinds(Sets().back()),
              (QStringList{"E.5.4.1.0=1", "E.5.4.2.0=0", "E.5.4.3.0=1", "E.5.4.9.0=0.0.0.0"}));
    ASSERT_TRUE(Enter(page, "Enable Email Notification", "unchecked"));
    ASSERT_TRUE(Press(page, "Email Notification/Save"));
    EXPECT_TRUE(messages->Boxes.empty()) << messages->Texts().join(" | ").toStdString();
    ASSERT_EQ(Sets().size(), before + 4);
    EXPECT_EQ(Varbinds(Sets().back()), QStringList{"E.5.4.11.1.1.2.1=0"});
    EXPECT_EQ(Get("5.4.9.0"), "0.0.0.0");
    EXPECT_EQ(Get("4.9.5.0"), "mailer");   // kept on the device
    // Shown again after a refresh, the confirmation equals the password.
    frame->View()->PageByLabel("Log")->Refresh();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(page->FindField("Password")->Text(), "s3cret");
    EXPECT_EQ(page->FindField("Confirm Password")->Text(), "s3cret");
    EXPECT_TRUE(status->Contains("Refresh OK!"));
}

// A device that answers but never sends, and one whose transfer fails: a
// status line, an empty list, the page usable again.
TEST(LogPageFetchTest, ADeviceThatSendsNothingEndsWithAStatusText) {
    // Nobody listens where the module waits; the device sends to a port that swallows everything.
    QUdpSocket swallow;
    ASSERT_TRUE(swallow.bind(QHostAddress::LocalHost, 0));
    const uint16_t listen = TestSupport::FreeUdpPort();
    qputenv("NXA_TFTP_PORT", QByteArray::number(listen));
    TestSupport::SimFleet sim;
    ASSERT_TRUE(sim.Start("127.0.17.11", 1, {"--tftp-port", QString::number(swallow.localPort()), "--transfer-timeout", "1"}))
        << sim.Output();
    ShellTest::MessageLog messages;
    ShellTiming::SetScale(0.05);
    WindowSettings settings;
    settings.DeviceIpAddress = sim.Address(1);
    settings.SnmpPort = sim.Port();
    ASSERT_TRUE(ManagementWindow::Open(settings));
    CMainFrame* frame = ManagementWindow::Frame();
    ShellTest::StatusLog status(frame);
    ASSERT_TRUE(ManagementWindow::WaitIdle(30000));
    frame->SwitchByLabel("Log");
    ASSERT_TRUE(ManagementWindow::WaitIdle(60000));
    auto* page = dynamic_cast<CLogPage*>(frame->View()->PageByLabel("Log"));
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->IsBusy());
    EXPECT_EQ(page->LogList().RowCount(), 0);
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_NE(status.Texts().last(), "Get OK.");
    EXPECT_TRUE(status.Texts().last().startsWith("Set: ")) << status.Texts().join(" | ").toStdString();
    EXPECT_TRUE(messages.Boxes.empty());
    EXPECT_TRUE(ManagementWindow::Close());
    ShellTiming::SetScale(1.0);
    qunsetenv("NXA_TFTP_PORT");
}

TEST(LogReceiverTest, AWaitWithoutATransferEndsTimedOutAndATakenPortIsReported) {
    const uint16_t port = TestSupport::FreeUdpPort();
    qputenv("NXA_TFTP_PORT", QByteArray::number(port));
    LogReceiver receiver;
    std::vector<LogReceiver::Outcome> ended;
    receiver.Ended = [&](LogReceiver::Outcome o) { ended.push_back(o); };
    QString error;
    ASSERT_TRUE(receiver.Listen(&error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(receiver.ReceivedPath()));   // an old log is never taken for the new one
    receiver.ExpectWithin(100);
    EXPECT_TRUE(receiver.Waiting());
    ASSERT_TRUE(ShellTest::PumpUntil([&] { return !ended.empty(); }, 10000));
    EXPECT_EQ(ended, std::vector<LogReceiver::Outcome>{LogReceiver::Outcome::TimedOut});
    EXPECT_FALSE(receiver.Waiting());

    // A port taken by someone else: the reason, no wait.
    QUdpSocket taken;
    ASSERT_TRUE(taken.bind(QHostAddress::AnyIPv4, 0));
    qputenv("NXA_TFTP_PORT", QByteArray::number(taken.localPort()));
    receiver.Stop();
    EXPECT_FALSE(receiver.Listen(&error));
    EXPECT_TRUE(error.contains(QString::number(taken.localPort()))) << error.toStdString();
    EXPECT_FALSE(receiver.Waiting());
    qunsetenv("NXA_TFTP_PORT");
}

// A real TFTP client (curl) sends a log, then one far beyond what a device
// keeps: the first arrives whole and is kept, the second is cancelled.
TEST(LogReceiverTest, ARealTransferArrivesAndAnOversizedOneIsCancelled) {
    const uint16_t port = TestSupport::FreeUdpPort();
    qputenv("NXA_TFTP_PORT", QByteArray::number(port));
    QTemporaryDir dir;
    auto send = [&](const QByteArray& data, std::vector<LogReceiver::Outcome>& ended) {
        QFile file(dir.filePath("upload"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        file.close();
        QProcess curl;
        curl.start("curl", {"-s", "-T", file.fileName(), QStringLiteral("tftp://127.0.0.1:%1/LogFile.RD").arg(port)});
        EXPECT_TRUE(ShellTest::PumpUntil([&] { return !ended.empty() && curl.state() == QProcess::NotRunning; }, 60000));
    };
    LogReceiver receiver;
    std::vector<LogReceiver::Outcome> ended;
    receiver.Ended = [&](LogReceiver::Outcome o) { ended.push_back(o); };
    QString error;
    ASSERT_TRUE(receiver.Listen(&error)) << error.toStdString();
    const QByteArray log = "2009-03-05 14:07:09 [notice] system started\r\n2009-03-05 14:07:10 [info] ok\r\n";
    send(log, ended);
    ASSERT_EQ(ended, std::vector<LogReceiver::Outcome>{LogReceiver::Outcome::Arrived});
    receiver.Keep();
    QFile kept(LogReceiver::FilePath());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), log);

    ended.clear();
    ASSERT_TRUE(receiver.Listen(&error)) << error.toStdString();
    send(QByteArray(LogReceiver::kMaxTransferBytes + 600, 'x'), ended);
    ASSERT_EQ(ended, std::vector<LogReceiver::Outcome>{LogReceiver::Outcome::Failed});
    EXPECT_TRUE(receiver.FailureText().contains("larger than 8 MB")) << receiver.FailureText().toStdString();
    EXPECT_FALSE(QFile::exists(receiver.ReceivedPath()));
    receiver.Stop();
    qunsetenv("NXA_TFTP_PORT");
}

// The server takes only the file the page asked for, and only from the
// device: another name, or the right name from another address, is refused
// and nothing is received.
TEST(LogReceiverTest, OnlyTheAskedFileFromTheDeviceIsTaken) {
    const uint16_t port = TestSupport::FreeUdpPort("127.0.0.1");
    qputenv("NXA_TFTP_PORT", QByteArray::number(port));
    QTemporaryDir dir;
    QFile file(dir.filePath("upload"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2009-03-05 14:07:09 [notice] system started\r\n");
    file.close();
    auto send = [&](const QString& name, const QString& from) {
        QProcess curl;
        curl.start("curl", {"-s", "--max-time", "20", "--interface", from, "-T", file.fileName(),
                            QStringLiteral("tftp://127.0.0.1:%1/%2").arg(port).arg(name)});
        EXPECT_TRUE(ShellTest::PumpUntil([&] { return curl.state() == QProcess::NotRunning; }, 30000));
        return curl.exitCode();
    };
    LogReceiver receiver;
    std::vector<LogReceiver::Outcome> ended;
    receiver.Ended = [&](LogReceiver::Outcome o) { ended.push_back(o); };
    QString error;
    ASSERT_TRUE(receiver.Listen(&error, QStringLiteral("LogFile.RD"), QStringLiteral("127.0.0.1"))) << error.toStdString();
    EXPECT_NE(send(QStringLiteral("Other.RD"), QStringLiteral("127.0.0.1")), 0);
    EXPECT_NE(send(QStringLiteral("LogFile.RD"), QStringLiteral("127.0.0.2")), 0);
    EXPECT_FALSE(QFile::exists(receiver.ReceivedPath()));
    EXPECT_TRUE(ended.empty());
    EXPECT_EQ(send(QStringLiteral("LogFile.RD"), QStringLiteral("127.0.0.1")), 0);
    ASSERT_TRUE(ShellTest::PumpUntil([&] { return !ended.empty(); }, 10000));
    EXPECT_EQ(ended, std::vector<LogReceiver::Outcome>{LogReceiver::Outcome::Arrived});
    receiver.Stop();
    qunsetenv("NXA_TFTP_PORT");
}

}  // namespace
