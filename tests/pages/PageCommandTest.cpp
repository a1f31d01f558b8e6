// aerodesk page against a simulated device: the page as a person sees it,
// the listing, and the exit codes of names that do not exist and of a device
// that does not answer; its trace shows that nothing was written.
#include "support/ChildProcess.h"
#include "support/FreePort.h"
#include "SimAnswers.h"
#include "TraceLines.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>


namespace {

struct Outcome {
    int Exit = -1;
    QString Out, Err;
};

class PageCommand : public testing::Test {
public:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        trace_ = dir_->filePath("trace.txt");
        port_ = TestSupport::FreeUdpPort();
        sim_ = std::make_unique<TestSupport::ChildProcess>();
        ASSERT_TRUE(sim_->Start(NXA_SIM_BINARY, {"--devices", "2", "--base", "127.0.15.1", "--port", QString::number(port_),
                                                 "--silent", "2", "--trace", trace_}));
        ASSERT_TRUE(PageTest::WaitAnswering("127.0.15.1", port_)) << "nxa-sim did not answer";
    }
    static void TearDownTestSuite() {
        sim_.reset();
        dir_.reset();
    }

protected:
    static Outcome Run(QStringList args) {
        args.prepend("page");
        args << "--module" << NXA_MODULE_PATH << "--port" << QString::number(port_) << "--timeout" << "50";
        QProcess p;
        p.start(AERODESK_BINARY, args);
        Outcome o;
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return o;
        }
        o.Exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        o.Out = QString::fromUtf8(p.readAllStandardOutput());
        o.Err = QString::fromUtf8(p.readAllStandardError());
        return o;
    }
    static QString SnmpGet(const char* oid) {
        QString out;
        TestSupport::RunCommand("snmpget", {"-v2c", "-c", "public", "-Oqv", QString("127.0.15.1:%1").arg(port_), oid}, &out);
        return out.trimmed().remove('"');
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString trace_;
    static inline uint16_t port_ = 0;
    static inline std::unique_ptr<TestSupport::ChildProcess> sim_;
};

TEST_F(PageCommand, ShowsTheInformationPageAsThePersonSeesIt) {
    QString out;
    ASSERT_EQ(TestSupport::RunCommand("snmpset", {"-v2c", "-c", "private", QString("127.0.15.1:%1").arg(port_),
                                                  "1.3.6.1.2.1.1.5.0", "s", "Lobby AP"},
                                      &out),
              0);
    const Outcome o = Run({"127.0.15.1", "Information", "--json"});
    ASSERT_EQ(o.Exit, 0) << o.Err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(o.Out.toUtf8()).object();
    EXPECT_EQ(report.value("page").toString(), "Information");
    EXPECT_EQ(report.value("status").toVariant().toStringList(), QStringList{"Get OK."});
    const QJsonObject fields = report.value("fields").toObject();
    EXPECT_EQ(fields.value("System Name").toString(), "Lobby AP");
    EXPECT_EQ(fields.value("Firmware Version").toString(), SnmpGet("1.3.6.1.4.1.171.10.37.36.5.1.1.0"));
    EXPECT_EQ(fields.value("IP address").toString(), "127.0.15.1");
    EXPECT_FALSE(report.value("visible").toObject().value("SSID 1~7").toBool());
    EXPECT_TRUE(report.value("visible").toObject().value("System Name").toBool());
    // Reading the page wrote nothing.
    EXPECT_TRUE(PageTest::SetsIn(trace_, "127.0.15.1").size() == 1);   // the snmpset above
    // The readable form has the same fields in the page's order.
    const Outcome text = Run({"127.0.15.1", "Information"});
    ASSERT_EQ(text.Exit, 0) << text.Err.toStdString();
    EXPECT_TRUE(text.Out.contains("  System Name: Lobby AP\n")) << text.Out.toStdString();
    EXPECT_LT(text.Out.indexOf("Model Name:"), text.Out.indexOf("Location:"));
    EXPECT_FALSE(text.Out.contains("apModesSupported"));   // hidden values are not on the screen
}

TEST_F(PageCommand, ListsThePagesAndAPagesDeclarations) {
    Outcome o = Run({"127.0.15.1", "--list"});
    ASSERT_EQ(o.Exit, 0) << o.Err.toStdString();
    EXPECT_TRUE(o.Out.startsWith("Information\n")) << o.Out.toStdString();
    EXPECT_TRUE(o.Out.contains("\nWireless\n")) << o.Out.toStdString();   // built pages have no note
    EXPECT_TRUE(o.Out.contains("\nMulti-SSID\n")) << o.Out.toStdString();
    o = Run({"127.0.15.1", "--list", "Information"});
    ASSERT_EQ(o.Exit, 0) << o.Err.toStdString();
    EXPECT_TRUE(o.Out.contains("  System Name  (text, sysName)\n")) << o.Out.toStdString();
}

TEST_F(PageCommand, UnknownNamesAndBadCommandLinesExitTwoNamingThem) {
    const size_t sets = PageTest::SetsIn(trace_, "127.0.15.1").size();
    struct Case {
        QStringList Args;
        const char* Named;
    };
    const Case cases[] = {
        {{"127.0.15.1", "Nowhere"}, "Nowhere"},
        {{"127.0.15.1", "Information", "--set", "Sytem Name=x"}, "Sytem Name"},
        {{"127.0.15.1", "Information", "--press", "Apply"}, "Apply"},
        {{"127.0.15.1", "Information", "--select", "Clients=0"}, "Clients"},
        {{"127.0.15.1", "Information", "--set", "no equals sign"}, "NAME=VALUE"},
        {{"127.0.15.1", "Information", "--answer", "maybe"}, "maybe"},
        {{"127.0.15.1", "Information", "--set"}, "--set"},
        {{"127.0.15.1"}, "page label"},
    };
    for (const Case& c : cases) {
        const Outcome o = Run(c.Args);
        EXPECT_EQ(o.Exit, 2) << c.Args.join(' ').toStdString() << "\n" << o.Err.toStdString();
        EXPECT_TRUE(o.Err.contains(c.Named)) << o.Err.toStdString();
    }
    EXPECT_EQ(PageTest::SetsIn(trace_, "127.0.15.1").size(), sets);
}

TEST_F(PageCommand, ATextFieldCannotBeTypedInto) {
    const Outcome o = Run({"127.0.15.1", "Information", "--set", "System Name=x"});
    EXPECT_EQ(o.Exit, 1);
    EXPECT_TRUE(o.Err.contains("not an input field")) << o.Err.toStdString();
}

TEST_F(PageCommand, ADeviceThatDoesNotAnswerExitsThree) {
    const Outcome o = Run({"127.0.15.2", "Information"});
    EXPECT_EQ(o.Exit, 3) << o.Out.toStdString();
    EXPECT_TRUE(o.Err.contains("timed out")) << o.Err.toStdString();
}

}  // namespace
