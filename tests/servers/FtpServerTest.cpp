// The FTP server against a real client (curl) and by hand, on loopback.
#include "ServerTestSupport.h"
#include "servers/FtpServer.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <atomic>
#include <memory>
#include <thread>

using namespace ServerTest;

namespace {

class ServersFtp : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApp();
        ASSERT_TRUE(root_.isValid());
        home_ = root_.path() + QStringLiteral("/home");
        outside_ = root_.path() + QStringLiteral("/outside");
        ASSERT_TRUE(QDir().mkpath(home_ + QStringLiteral("/sub")));
        ASSERT_TRUE(QDir().mkpath(outside_));
        ASSERT_TRUE(WriteAll(home_ + QStringLiteral("/a.txt"), "alpha\n"));
        ASSERT_TRUE(WriteAll(outside_ + QStringLiteral("/secret.txt"), "SECRET-CONTENT"));
        server_ = std::make_unique<FtpServer>();
        ASSERT_TRUE(server_->AddAccount(QStringLiteral("dev"), QStringLiteral("pw"), home_));
        ASSERT_TRUE(server_->Listen(QHostAddress::LocalHost, 0)) << server_->ErrorString().toStdString();
        ASSERT_NE(server_->Port(), 0);
        QObject::connect(server_.get(), &FtpServer::LogMessage, [this](const QString& t) { log_ += t + '\n'; });
    }

    void TearDown() override {
        server_.reset();
        Pump(20);
    }

    QString Url(const QString& path, const QString& login = QStringLiteral("dev:pw@")) const {
        return QStringLiteral("ftp://") + login + QStringLiteral("127.0.0.1:%1/").arg(server_->Port()) + path;
    }

    ProcessResult Curl(const QStringList& arguments, int timeoutMs = 30000) {
        return RunProgram(QStringLiteral("curl"), CurlArgs(arguments), timeoutMs);
    }

    QString Home(const QString& name) const { return home_ + QLatin1Char('/') + name; }
    QString Outside(const QString& name) const { return outside_ + QLatin1Char('/') + name; }
    QStringList OutsideEntries() const {
        return QDir(outside_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    // Logs in by hand and returns the client.
    std::unique_ptr<LineClient> LogIn() {
        auto client = std::make_unique<LineClient>();
        if (!client->Connect(QHostAddress::LocalHost, server_->Port()))
            return nullptr;
        if (client->Reply().left(3) != "220" || client->Command("USER dev") != 331 || client->Command("PASS pw") != 230)
            return nullptr;
        return client;
    }

    QTemporaryDir root_;
    QString home_;
    QString outside_;
    std::unique_ptr<FtpServer> server_;
    QString log_;
};

// The three kinds of data connection, as curl asks for them.
struct DataMode {
    const char* Name;
    QStringList Arguments;
    const char* Command;
};

std::vector<DataMode> DataModes() {
    return {
        {"extended passive", {}, "EPSV"},
        {"passive", {QStringLiteral("--disable-epsv")}, "PASV"},
        {"active", {QStringLiteral("--ftp-port"), QStringLiteral("127.0.0.1"), QStringLiteral("--disable-eprt")},
         "PORT"},
    };
}

TEST_F(ServersFtp, LogsInShowsTheWorkingFolderAndLists) {
    const ProcessResult list = Curl({QStringLiteral("-v"), Url(QString())});
    ASSERT_EQ(list.ExitCode, 0) << list.Err.toStdString();
    EXPECT_TRUE(list.Out.contains("a.txt"));
    EXPECT_TRUE(list.Out.contains("-rw"));
    // curl turns the CRLF line ends of the listing into local ones.
    EXPECT_TRUE(QByteArray(list.Out).replace("\r\n", "\n").contains(" sub\n"));
    EXPECT_TRUE(list.Err.contains("230 User dev logged in."));
    EXPECT_TRUE(list.Err.contains("257 \"/\" is the current directory."));

    const ProcessResult names = Curl({QStringLiteral("--list-only"), Url(QString())});
    ASSERT_EQ(names.ExitCode, 0) << names.Err.toStdString();
    EXPECT_EQ(QByteArray(names.Out).replace("\r\n", "\n"), QByteArray("a.txt\nsub\n"));
    EXPECT_TRUE(log_.contains(QStringLiteral("NLST")));
}

TEST_F(ServersFtp, RetrievesInEveryDataMode) {
    const QByteArray data = Pattern(300000, 7);
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("fw.bin")), data));
    for (const DataMode& mode : DataModes()) {
        SCOPED_TRACE(mode.Name);
        log_.clear();
        const ProcessResult r = Curl(mode.Arguments + QStringList{Url(QStringLiteral("fw.bin"))});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_EQ(r.Out, data);
        EXPECT_TRUE(log_.contains(QLatin1String(mode.Command))) << log_.toStdString();
    }
}

TEST_F(ServersFtp, StoresInEveryDataMode) {
    int n = 0;
    for (const DataMode& mode : DataModes()) {
        SCOPED_TRACE(mode.Name);
        const QByteArray data = Pattern(200000 + n, 11 + n);
        const QString source = root_.path() + QStringLiteral("/source%1.bin").arg(n);
        const QString name = QStringLiteral("up%1.bin").arg(n++);
        ASSERT_TRUE(WriteAll(source, data));
        const ProcessResult r = Curl(mode.Arguments + QStringList{QStringLiteral("-T"), source, Url(name)});
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        EXPECT_EQ(ReadAll(Home(name)), data);
    }
    // Only the stored files, no temporary ones, are left.
    EXPECT_EQ(QDir(home_).entryList(QDir::Files), (QStringList{"a.txt", "up0.bin", "up1.bin", "up2.bin"}));
}

TEST_F(ServersFtp, StoreReplacesAnExistingFileAndEmptyUploadsWork) {
    const QString source = root_.path() + QStringLiteral("/new.txt");
    ASSERT_TRUE(WriteAll(source, "replaced"));
    ProcessResult r = Curl({QStringLiteral("-T"), source, Url(QStringLiteral("a.txt"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(Home(QStringLiteral("a.txt"))), QByteArray("replaced"));

    ASSERT_TRUE(WriteAll(source, QByteArray()));
    r = Curl({QStringLiteral("-T"), source, Url(QStringLiteral("sub/empty.txt"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Home(QStringLiteral("sub/empty.txt"))));
    EXPECT_EQ(QFileInfo(Home(QStringLiteral("sub/empty.txt"))).size(), 0);
}

TEST_F(ServersFtp, ReportsSizesAndDeletes) {
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("sized.bin")), Pattern(12345)));
    ProcessResult r = Curl({QStringLiteral("-I"), Url(QStringLiteral("sized.bin"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.contains("Content-Length: 12345"));
    EXPECT_TRUE(log_.contains(QStringLiteral("SIZE sized.bin")));

    r = Curl({Url(QString()), QStringLiteral("-Q"), QStringLiteral("DELE sized.bin")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Home(QStringLiteral("sized.bin"))));

    // Deleting what is not there, or a folder, fails.
    r = Curl({Url(QString()), QStringLiteral("-Q"), QStringLiteral("DELE sized.bin")});
    EXPECT_NE(r.ExitCode, 0);
    r = Curl({Url(QString()), QStringLiteral("-Q"), QStringLiteral("DELE sub")});
    EXPECT_NE(r.ExitCode, 0);
    EXPECT_TRUE(QFileInfo(Home(QStringLiteral("sub"))).isDir());
}

TEST_F(ServersFtp, RefusesAWrongPassword) {
    const QString source = root_.path() + QStringLiteral("/x.txt");
    ASSERT_TRUE(WriteAll(source, "x"));
    ProcessResult r = Curl({Url(QStringLiteral("a.txt"), QStringLiteral("dev:wrong@"))});
    EXPECT_EQ(r.ExitCode, 67) << r.Err.toStdString();  // login denied
    EXPECT_TRUE(r.Out.isEmpty());
    r = Curl({QStringLiteral("-T"), source, Url(QStringLiteral("x.txt"), QStringLiteral("nobody:pw@"))});
    EXPECT_EQ(r.ExitCode, 67) << r.Err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Home(QStringLiteral("x.txt"))));
}

TEST_F(ServersFtp, RefusesAnonymousUnlessConfigured) {
    ProcessResult r = Curl({Url(QStringLiteral("a.txt"), QString())});
    EXPECT_EQ(r.ExitCode, 67) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.isEmpty());

    // Configured, anonymous users may read their folder but not write.
    const QString pub = root_.path() + QStringLiteral("/pub");
    ASSERT_TRUE(QDir().mkpath(pub));
    ASSERT_TRUE(WriteAll(pub + QStringLiteral("/readme"), "public"));
    ASSERT_TRUE(server_->SetAnonymousHome(pub));
    r = Curl({Url(QStringLiteral("readme"), QString())});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, QByteArray("public"));
    const QString source = root_.path() + QStringLiteral("/x.txt");
    ASSERT_TRUE(WriteAll(source, "x"));
    r = Curl({QStringLiteral("-T"), source, Url(QStringLiteral("x.txt"), QString())});
    EXPECT_NE(r.ExitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(pub + QStringLiteral("/x.txt")));
    r = Curl({Url(QString(), QString()), QStringLiteral("-Q"), QStringLiteral("DELE readme")});
    EXPECT_NE(r.ExitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(pub + QStringLiteral("/readme")));
}

TEST_F(ServersFtp, RefusesPathsThatLeaveTheHomeFolder) {
    const QStringList nocwd{QStringLiteral("--ftp-method"), QStringLiteral("nocwd"), QStringLiteral("--path-as-is")};
    const QString absolute = QStringLiteral("%2F") + QString(outside_).mid(1) + QStringLiteral("/secret.txt");
    const std::vector<QStringList> reads = {
        {QStringLiteral("--path-as-is"), Url(QStringLiteral("../outside/secret.txt"))},
        {QStringLiteral("--path-as-is"), Url(QStringLiteral("sub/../../outside/secret.txt"))},
        nocwd + QStringList{Url(QStringLiteral("../outside/secret.txt"))},
        nocwd + QStringList{Url(QStringLiteral("sub/../../outside/secret.txt"))},
        nocwd + QStringList{Url(QStringLiteral("..%2Foutside%2Fsecret.txt"))},
        nocwd + QStringList{Url(QStringLiteral("%2e%2e/outside/secret.txt"))},
        nocwd + QStringList{Url(absolute)},
        {Url(absolute)},
    };
    for (const QStringList& arguments : reads) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ProcessResult r = Curl(arguments);
        EXPECT_NE(r.ExitCode, 0);
        EXPECT_FALSE(r.Out.contains("SECRET"));
    }

    const QString source = root_.path() + QStringLiteral("/evil.txt");
    ASSERT_TRUE(WriteAll(source, "evil"));
    const QString absoluteNew = QStringLiteral("%2F") + QString(outside_).mid(1) + QStringLiteral("/new.txt");
    const std::vector<QStringList> writes = {
        nocwd + QStringList{QStringLiteral("-T"), source, Url(QStringLiteral("../outside/new.txt"))},
        nocwd + QStringList{QStringLiteral("-T"), source, Url(QStringLiteral("..%2Foutside%2Fsecret.txt"))},
        nocwd + QStringList{QStringLiteral("-T"), source, Url(absoluteNew)},
        {QStringLiteral("--path-as-is"), QStringLiteral("-T"), source, Url(QStringLiteral("../outside/new.txt"))},
    };
    for (const QStringList& arguments : writes) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ProcessResult r = Curl(arguments);
        EXPECT_NE(r.ExitCode, 0);
    }
    // By hand, the same.
    auto client = LogIn();
    ASSERT_TRUE(client);
    EXPECT_EQ(client->Command("CWD .."), 550);
    EXPECT_EQ(client->Command("CWD " + outside_.toUtf8()), 550);
    EXPECT_EQ(client->Command("SIZE ../outside/secret.txt"), 550);
    EXPECT_EQ(client->Command("DELE ../outside/secret.txt"), 550);
    EXPECT_EQ(client->Command("DELE " + Outside(QStringLiteral("secret.txt")).toUtf8()), 550);
    EXPECT_EQ(client->Command("CDUP"), 550);
    QByteArray pwd;
    EXPECT_EQ(client->Command("PWD", &pwd), 257);
    EXPECT_TRUE(pwd.startsWith("257 \"/\""));

    EXPECT_EQ(OutsideEntries(), QStringList{QStringLiteral("secret.txt")});
    EXPECT_EQ(ReadAll(Outside(QStringLiteral("secret.txt"))), QByteArray("SECRET-CONTENT"));
    EXPECT_FALSE(QFileInfo::exists(root_.path() + QStringLiteral("/new.txt")));
}

TEST_F(ServersFtp, LinksDoNotLeadOutOfTheHomeFolder) {
    ASSERT_TRUE(QFile::link(Outside(QStringLiteral("secret.txt")), Home(QStringLiteral("link.txt"))));
    ASSERT_TRUE(QFile::link(outside_, Home(QStringLiteral("linkdir"))));
    ASSERT_TRUE(QFile::link(Home(QStringLiteral("a.txt")), Home(QStringLiteral("inner.txt"))));
    ASSERT_TRUE(QFile::link(Outside(QStringLiteral("missing.txt")), Home(QStringLiteral("dangling.txt"))));
    const QStringList nocwd{QStringLiteral("--ftp-method"), QStringLiteral("nocwd")};

    for (const QStringList& arguments : std::vector<QStringList>{
             {Url(QStringLiteral("link.txt"))},
             {Url(QStringLiteral("linkdir/secret.txt"))},
             nocwd + QStringList{Url(QStringLiteral("linkdir/secret.txt"))},
             {Url(QStringLiteral("linkdir/"))},
             {QStringLiteral("-I"), Url(QStringLiteral("link.txt"))},
         }) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ProcessResult r = Curl(arguments);
        EXPECT_NE(r.ExitCode, 0);
        EXPECT_FALSE(r.Out.contains("SECRET"));
        EXPECT_FALSE(r.Out.contains("secret.txt"));
    }
    // A link that stays inside is followed.
    ProcessResult r = Curl({Url(QStringLiteral("inner.txt"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, QByteArray("alpha\n"));

    // Writing through a link that leads out, or into a linked folder, fails.
    const QString source = root_.path() + QStringLiteral("/evil.txt");
    ASSERT_TRUE(WriteAll(source, "evil"));
    for (const QString& name : {QStringLiteral("link.txt"), QStringLiteral("dangling.txt"),
                                QStringLiteral("linkdir/new.txt")}) {
        SCOPED_TRACE(name.toStdString());
        r = Curl(nocwd + QStringList{QStringLiteral("-T"), source, Url(name)});
        EXPECT_NE(r.ExitCode, 0);
    }
    EXPECT_EQ(ReadAll(Outside(QStringLiteral("secret.txt"))), QByteArray("SECRET-CONTENT"));
    EXPECT_EQ(OutsideEntries(), QStringList{QStringLiteral("secret.txt")});

    // Deleting a link removes the link, never its target.
    r = Curl({Url(QString()), QStringLiteral("-Q"), QStringLiteral("DELE link.txt")});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_FALSE(QFileInfo(Home(QStringLiteral("link.txt"))).isSymLink());
    EXPECT_EQ(ReadAll(Outside(QStringLiteral("secret.txt"))), QByteArray("SECRET-CONTENT"));
}

TEST_F(ServersFtp, UpdateHomeDirMovesWhatIsServed) {
    const QString other = root_.path() + QStringLiteral("/firmware");
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_TRUE(WriteAll(other + QStringLiteral("/a.txt"), "from the firmware folder\n"));

    QString user;
    QString password;
    server_->GetCurrentUser(user, password);
    EXPECT_EQ(user, QStringLiteral("dev"));
    EXPECT_EQ(password, QStringLiteral("pw"));
    QString folder;
    ASSERT_TRUE(server_->GetHomeDir(user, folder));
    EXPECT_EQ(folder, home_);

    ProcessResult r = Curl({Url(QStringLiteral("a.txt"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, QByteArray("alpha\n"));

    EXPECT_TRUE(server_->UpdateHomeDir(user, other + QLatin1Char('/')));
    ASSERT_TRUE(server_->GetHomeDir(user, folder));
    EXPECT_EQ(folder, other);
    r = Curl({Url(QStringLiteral("a.txt"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, QByteArray("from the firmware folder\n"));
    // Uploads land in the new folder too.
    const QString source = root_.path() + QStringLiteral("/cfg.dcf");
    ASSERT_TRUE(WriteAll(source, "config"));
    r = Curl({QStringLiteral("-T"), source, Url(QStringLiteral("cfg.dcf"))});
    ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
    EXPECT_EQ(ReadAll(other + QStringLiteral("/cfg.dcf")), QByteArray("config"));
    EXPECT_FALSE(QFileInfo::exists(Home(QStringLiteral("cfg.dcf"))));

    // A folder that is not there, or an unknown user, changes nothing.
    EXPECT_FALSE(server_->UpdateHomeDir(user, root_.path() + QStringLiteral("/nowhere")));
    EXPECT_FALSE(server_->UpdateHomeDir(QStringLiteral("nobody"), home_));
    ASSERT_TRUE(server_->GetHomeDir(user, folder));
    EXPECT_EQ(folder, other);
    EXPECT_FALSE(server_->GetHomeDir(QStringLiteral("nobody"), folder));
    EXPECT_TRUE(folder.isEmpty());
}

TEST_F(ServersFtp, ASessionKeepsTheFolderItLoggedInTo) {
    const QString other = root_.path() + QStringLiteral("/other");
    ASSERT_TRUE(QDir().mkpath(other));
    ASSERT_TRUE(WriteAll(other + QStringLiteral("/a.txt"), "a longer text\n"));
    auto before = LogIn();
    ASSERT_TRUE(before);
    ASSERT_TRUE(server_->UpdateHomeDir(QStringLiteral("dev"), other));
    auto after = LogIn();
    ASSERT_TRUE(after);
    QByteArray text;
    EXPECT_EQ(before->Command("SIZE a.txt", &text), 213);
    EXPECT_EQ(text, QByteArray("213 6\r\n"));
    EXPECT_EQ(after->Command("SIZE a.txt", &text), 213);
    EXPECT_EQ(text, QByteArray("213 14\r\n"));
}

TEST_F(ServersFtp, ReportsTheAddressDevicesReach) {
    EXPECT_EQ(server_->GetIpAddress(), QStringLiteral("127.0.0.1"));
    server_->SetAdvertisedAddress(QStringLiteral("127.0.0.9"));
    EXPECT_EQ(server_->GetIpAddress(), QStringLiteral("127.0.0.9"));

    FtpServer any;
    ASSERT_TRUE(any.Listen(QHostAddress::AnyIPv4, 0));
    EXPECT_EQ(any.GetIpAddress(), QStringLiteral("0.0.0.0"));
    QString user = QStringLiteral("x");
    QString password = QStringLiteral("y");
    any.GetCurrentUser(user, password);
    EXPECT_TRUE(user.isEmpty());
    EXPECT_TRUE(password.isEmpty());
    ASSERT_TRUE(any.AddAccount(QStringLiteral("one"), QStringLiteral("1"), home_));
    ASSERT_TRUE(any.AddAccount(QStringLiteral("two"), QStringLiteral("2"), outside_));
    any.GetCurrentUser(user, password);
    EXPECT_EQ(user, QStringLiteral("one"));
    ASSERT_TRUE(any.SetCurrentUser(QStringLiteral("two")));
    any.GetCurrentUser(user, password);
    EXPECT_EQ(user, QStringLiteral("two"));
    EXPECT_EQ(password, QStringLiteral("2"));
    EXPECT_FALSE(any.AddAccount(QStringLiteral("anonymous"), QString(), home_));
    EXPECT_FALSE(any.AddAccount(QStringLiteral("three"), QString(), root_.path() + QStringLiteral("/nowhere")));
}

TEST_F(ServersFtp, ServesManyClientsAtOnce) {
    const QByteArray data = Pattern(1 << 20, 3);
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("big.bin")), data));
    const QByteArray upload = Pattern(400000, 5);
    const QString source = root_.path() + QStringLiteral("/upload.bin");
    ASSERT_TRUE(WriteAll(source, upload));

    std::vector<QStringList> jobs;
    const QString limit = QStringLiteral("--limit-rate");
    for (int i = 0; i < 6; ++i)
        jobs.push_back(CurlArgs({limit, QStringLiteral("512K"), Url(QStringLiteral("big.bin"))}));
    for (int i = 0; i < 3; ++i)
        jobs.push_back(CurlArgs({limit, QStringLiteral("256K"), QStringLiteral("-T"), source,
                                 Url(QStringLiteral("up%1.bin").arg(i))}));
    int peak = 0;
    const auto results = RunAll(QStringLiteral("curl"), jobs, 90000,
                                [&] { peak = std::max(peak, server_->SessionCount()); });
    ASSERT_EQ(results.size(), 9u);
    for (size_t i = 0; i < results.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(results[i].ExitCode, 0) << results[i].Err.toStdString();
        if (i < 6) {
            EXPECT_EQ(results[i].Out, data);
        }
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadAll(Home(QStringLiteral("up%1.bin").arg(i))), upload);
    EXPECT_GE(peak, 2);
}

TEST_F(ServersFtp, AnInterruptedUploadLeavesNoPartialFile) {
    const QString source = root_.path() + QStringLiteral("/large.bin");
    ASSERT_TRUE(WriteAll(source, Pattern(8 << 20, 9)));
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("old.bin")), "previous"));
    for (const QString& name : {QStringLiteral("old.bin"), QStringLiteral("fresh.bin")}) {
        SCOPED_TRACE(name.toStdString());
        log_.clear();
        QProcess curl;
        curl.start(QStringLiteral("curl"),
                   CurlArgs({QStringLiteral("--limit-rate"), QStringLiteral("200K"), QStringLiteral("-T"), source,
                             Url(name)}));
        // Let some of the file arrive, then kill the client mid-transfer.
        ASSERT_TRUE(PumpUntil([&] { return log_.contains(QStringLiteral("STOR ") + name); }, 20000));
        Pump(300);
        curl.kill();
        curl.waitForFinished(5000);
        ASSERT_TRUE(PumpUntil([&] { return server_->SessionCount() == 0; }, 10000));
        EXPECT_TRUE(log_.contains(QStringLiteral("upload of /") + name + QStringLiteral(" discarded")))
            << log_.toStdString();
    }
    EXPECT_EQ(ReadAll(Home(QStringLiteral("old.bin"))), QByteArray("previous"));
    EXPECT_FALSE(QFileInfo::exists(Home(QStringLiteral("fresh.bin"))));
    EXPECT_EQ(QDir(home_).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.txt", "old.bin"}));
}

TEST_F(ServersFtp, AnUploadWhoseControlConnectionDiesIsDiscarded) {
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("cfg.dcf")), "previous"));
    auto client = LogIn();
    ASSERT_TRUE(client);
    EXPECT_EQ(client->Command("TYPE I"), 200);
    QByteArray text;
    ASSERT_EQ(client->Command("EPSV", &text), 229);
    const qsizetype start = text.indexOf("(|||") + 4;
    QTcpSocket data;
    data.connectToHost(QHostAddress::LocalHost,
                       static_cast<quint16>(text.mid(start, text.indexOf('|', start) - start).toUInt()));
    ASSERT_TRUE(PumpUntil([&] { return data.state() == QAbstractSocket::ConnectedState; }, 5000));
    client->Send("STOR cfg.dcf");
    EXPECT_TRUE(client->Reply().startsWith("150 "));
    data.write(Pattern(100000));
    ASSERT_TRUE(PumpUntil([&] { return data.bytesToWrite() == 0; }, 5000));
    Pump(100);
    // The client dies: both connections end together, the control one first.
    client->Socket().abort();
    data.disconnectFromHost();
    ASSERT_TRUE(PumpUntil([&] { return server_->SessionCount() == 0; }, 10000));
    EXPECT_EQ(ReadAll(Home(QStringLiteral("cfg.dcf"))), QByteArray("previous"));
    EXPECT_TRUE(log_.contains(QStringLiteral("upload of /cfg.dcf discarded"))) << log_.toStdString();
}

TEST_F(ServersFtp, AbortDiscardsAnUpload) {
    auto client = LogIn();
    ASSERT_TRUE(client);
    QByteArray text;
    ASSERT_EQ(client->Command("EPSV", &text), 229);
    const qsizetype start = text.indexOf("(|||") + 4;
    QTcpSocket data;
    data.connectToHost(QHostAddress::LocalHost,
                       static_cast<quint16>(text.mid(start, text.indexOf('|', start) - start).toUInt()));
    ASSERT_TRUE(PumpUntil([&] { return data.state() == QAbstractSocket::ConnectedState; }, 5000));
    client->Send("STOR part.bin");
    EXPECT_TRUE(client->Reply().startsWith("150 "));
    data.write(Pattern(50000));
    ASSERT_TRUE(PumpUntil([&] { return data.bytesToWrite() == 0; }, 5000));
    Pump(50);
    // The transfer's own reply, then the one to ABOR.
    EXPECT_EQ(client->Command("ABOR"), 426);
    EXPECT_TRUE(client->Reply().startsWith("226 "));
    EXPECT_TRUE(PumpUntil([&] { return data.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_FALSE(QFileInfo::exists(Home(QStringLiteral("part.bin"))));
    EXPECT_EQ(client->Command("NOOP"), 200);
}

TEST_F(ServersFtp, HomeFoldersMayMoveFromAnotherThreadWhileServing) {
    const QString other = root_.path() + QStringLiteral("/other");
    ASSERT_TRUE(QDir().mkpath(other));
    const QByteArray first = Pattern(100000, 1);
    const QByteArray second = Pattern(100000, 2);
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("fw.bin")), first));
    ASSERT_TRUE(WriteAll(other + QStringLiteral("/fw.bin"), second));
    std::atomic<bool> stop{false};
    std::atomic<int> moves{0};
    std::thread mover([&] {
        QString folder;
        while (!stop) {
            server_->UpdateHomeDir(QStringLiteral("dev"), moves % 2 ? home_ : other);
            server_->GetHomeDir(QStringLiteral("dev"), folder);
            QString user;
            QString password;
            server_->GetCurrentUser(user, password);
            ++moves;
            std::this_thread::yield();
        }
    });
    std::vector<QStringList> jobs(4, CurlArgs({Url(QStringLiteral("fw.bin"))}));
    const auto results = RunAll(QStringLiteral("curl"), jobs, 60000);
    stop = true;
    mover.join();
    EXPECT_GT(moves.load(), 0);
    for (const ProcessResult& r : results) {
        ASSERT_EQ(r.ExitCode, 0) << r.Err.toStdString();
        // Each session sees one folder or the other, as it was at login.
        EXPECT_TRUE(r.Out == first || r.Out == second);
    }
}

TEST_F(ServersFtp, AnswersCommandsByHand) {
    LineClient client;
    ASSERT_TRUE(client.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(client.Reply().startsWith("220 "));
    EXPECT_EQ(client.Command("NOOP"), 200);
    EXPECT_EQ(client.Command("LIST"), 530);
    EXPECT_EQ(client.Command("RETR a.txt"), 530);
    EXPECT_EQ(client.Command("PASS pw"), 503);
    EXPECT_EQ(client.Command("MKD new"), 502);
    EXPECT_EQ(client.Command("SITE CHMOD 777 a.txt"), 502);
    EXPECT_EQ(client.Command("USER dev"), 331);
    EXPECT_EQ(client.Command("PASS pw"), 230);
    QByteArray text;
    EXPECT_EQ(client.Command("SYST", &text), 215);
    EXPECT_EQ(client.Command("FEAT", &text), 211);
    EXPECT_TRUE(text.contains(" EPSV\r\n"));
    EXPECT_TRUE(text.contains(" SIZE\r\n"));
    EXPECT_EQ(client.Command("CWD sub"), 250);
    EXPECT_EQ(client.Command("PWD", &text), 257);
    EXPECT_TRUE(text.startsWith("257 \"/sub\""));
    EXPECT_EQ(client.Command("CDUP"), 250);
    EXPECT_EQ(client.Command("pwd", &text), 257);
    EXPECT_TRUE(text.startsWith("257 \"/\""));
    EXPECT_EQ(client.Command("CWD a.txt"), 550);
    EXPECT_EQ(client.Command("TYPE I"), 200);
    EXPECT_EQ(client.Command("TYPE E"), 504);
    EXPECT_EQ(client.Command("SIZE a.txt", &text), 213);
    EXPECT_EQ(text, QByteArray("213 6\r\n"));
    EXPECT_EQ(client.Command("SIZE sub"), 550);
    EXPECT_EQ(client.Command("RETR a.txt"), 425);  // no data connection asked for
    // Data goes back to the client only, never to another host or a low port.
    EXPECT_EQ(client.Command("PORT 127,0,0,2,200,10"), 500);
    EXPECT_EQ(client.Command("PORT 127,0,0,1,0,21"), 500);
    EXPECT_EQ(client.Command("PORT 1,2,3"), 501);
    EXPECT_EQ(client.Command("EPSV", &text), 229);
    EXPECT_TRUE(text.contains("(|||"));
    EXPECT_EQ(client.Command("PASV", &text), 227);
    EXPECT_EQ(client.Command("ABOR"), 225);
    EXPECT_EQ(client.Command("QUIT"), 221);
    EXPECT_TRUE(client.WaitClosed());
}

// Replies leave at once: a transfer ends with two short replies in a row
// ("150", "226"), and with Nagle's algorithm the second would wait for the
// client's delayed ACK on every transfer.
TEST_F(ServersFtp, ControlConnectionsSendRepliesWithoutDelay) {
    LineClient client;
    ASSERT_TRUE(client.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(client.Reply().startsWith("220 "));
    const QList<QTcpSocket*> sockets = server_->findChildren<QTcpSocket*>();
    ASSERT_EQ(sockets.size(), 1);
    EXPECT_EQ(sockets[0]->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
}

TEST_F(ServersFtp, AsciiTypeConvertsLineEnds) {
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("text.txt")), "one\ntwo\n"));
    auto client = LogIn();
    ASSERT_TRUE(client);
    EXPECT_EQ(client->Command("TYPE A"), 200);

    auto openData = [&](QTcpSocket& data) {
        QByteArray text;
        if (client->Command("EPSV", &text) != 229)
            return false;
        const qsizetype start = text.indexOf("(|||") + 4;
        const quint16 port = static_cast<quint16>(text.mid(start, text.indexOf('|', start) - start).toUInt());
        data.connectToHost(QHostAddress::LocalHost, port);
        return PumpUntil([&] { return data.state() == QAbstractSocket::ConnectedState; }, 5000);
    };

    QTcpSocket download;
    ASSERT_TRUE(openData(download));
    client->Send("RETR text.txt");
    EXPECT_TRUE(client->Reply().startsWith("150 "));
    QByteArray received;
    ASSERT_TRUE(PumpUntil(
        [&] {
            received += download.readAll();
            return download.state() == QAbstractSocket::UnconnectedState;
        },
        5000));
    received += download.readAll();
    EXPECT_EQ(received, QByteArray("one\r\ntwo\r\n"));
    EXPECT_TRUE(client->Reply().startsWith("226 "));

    QTcpSocket upload;
    ASSERT_TRUE(openData(upload));
    client->Send("STOR back.txt");
    EXPECT_TRUE(client->Reply().startsWith("150 "));
    upload.write("x\r\ny\r");
    ASSERT_TRUE(PumpUntil([&] { return upload.bytesToWrite() == 0; }, 5000));
    Pump(50);
    upload.write("\nz\rw\r\n");
    upload.disconnectFromHost();
    EXPECT_TRUE(client->Reply().startsWith("226 "));
    EXPECT_EQ(ReadAll(Home(QStringLiteral("back.txt"))), QByteArray("x\ny\nz\rw\n"));
}

TEST_F(ServersFtp, StartsInImageTypeSoBinaryFilesArriveUnchanged) {
    const QByteArray firmware = QByteArray("\x7f" "ELF\r\n\n\r\0", 9) + Pattern(1000);
    ASSERT_TRUE(WriteAll(Home(QStringLiteral("fw.bin")), firmware));
    auto client = LogIn();
    ASSERT_TRUE(client);
    QByteArray text;
    ASSERT_EQ(client->Command("PASV", &text), 227);
    // "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)."
    const QList<QByteArray> fields = text.mid(text.indexOf('(') + 1, text.indexOf(')') - text.indexOf('(') - 1).split(',');
    ASSERT_EQ(fields.size(), 6);
    EXPECT_EQ(fields[0] + '.' + fields[1] + '.' + fields[2] + '.' + fields[3], QByteArray("127.0.0.1"));
    const quint16 port = static_cast<quint16>(fields[4].toUInt() * 256 + fields[5].toUInt());
    // Another host (here another loopback address) may not use the session's data port.
    QTcpSocket stranger;
    ASSERT_TRUE(stranger.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
    stranger.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(PumpUntil([&] { return stranger.state() == QAbstractSocket::UnconnectedState; }, 5000));
    QTcpSocket data;
    data.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(PumpUntil([&] { return data.state() == QAbstractSocket::ConnectedState; }, 5000));
    client->Send("RETR fw.bin");
    EXPECT_TRUE(client->Reply().startsWith("150 "));
    QByteArray received;
    ASSERT_TRUE(PumpUntil(
        [&] {
            received += data.readAll();
            return data.state() == QAbstractSocket::UnconnectedState;
        },
        5000));
    received += data.readAll();
    EXPECT_EQ(received, firmware);
    EXPECT_TRUE(client->Reply().startsWith("226 "));
}

TEST_F(ServersFtp, ClosesOnOverlongLinesAndAfterFailedLogins) {
    LineClient longLine;
    ASSERT_TRUE(longLine.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(longLine.Reply().startsWith("220 "));
    longLine.SendRaw(QByteArray(5000, 'A'));
    EXPECT_TRUE(longLine.Reply().startsWith("500 "));
    EXPECT_TRUE(longLine.WaitClosed());

    LineClient guesser;
    ASSERT_TRUE(guesser.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(guesser.Reply().startsWith("220 "));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(guesser.Command("USER dev"), 331);
        EXPECT_EQ(guesser.Command("PASS guess"), 530);
    }
    EXPECT_EQ(guesser.Command("USER dev"), 331);
    EXPECT_EQ(guesser.Command("PASS guess"), 421);
    EXPECT_TRUE(guesser.WaitClosed());
}

TEST_F(ServersFtp, ClosesIdleSessions) {
    server_->SetIdleTimeout(200);
    LineClient client;
    ASSERT_TRUE(client.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(client.Reply().startsWith("220 "));
    EXPECT_TRUE(client.Reply(10000).startsWith("421 "));
    EXPECT_TRUE(client.WaitClosed(10000));
    EXPECT_TRUE(PumpUntil([&] { return server_->SessionCount() == 0; }, 5000));
}

TEST_F(ServersFtp, TurnsAwayConnectionsBeyondTheLimit) {
    server_->SetMaxSessions(1);
    LineClient first;
    ASSERT_TRUE(first.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(first.Reply().startsWith("220 "));
    LineClient second;
    ASSERT_TRUE(second.Connect(QHostAddress::LocalHost, server_->Port()));
    EXPECT_TRUE(second.Reply().startsWith("421 "));
    EXPECT_TRUE(second.WaitClosed());
    EXPECT_EQ(first.Command("NOOP"), 200);
}

}  // namespace
