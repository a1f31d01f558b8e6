// The maintenance exports of AP_PlugIn.plx, loaded with dlopen as a host loads
// it, against a simulated fleet.
#include "DeviceListFixture.h"
#include "Fleet.h"
#include "support/ModuleUnderTest.h"
#include "servers/FtpServer.h"
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <atomic>
#include <mutex>

using TestSupport::ModuleUnderTest;
using TestSupport::WaitUntil;

namespace {

struct TextAnswer {
    std::mutex Mutex;
    std::atomic<int> Calls{0};
    int Status = -1;
    QString Message;
    QString Text;
};

void TextCallback(CmdResult* r, const char* text, uintptr_t context) {
    auto* a = reinterpret_cast<TextAnswer*>(context);
    std::lock_guard<std::mutex> lock(a->Mutex);
    a->Status = r->Status;
    a->Message = QString::fromUtf8(r->Message ? r->Message : "");
    a->Text = QString::fromUtf8(text ? text : "");
    ++a->Calls;
}

class ModuleExportsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ftp = new FtpServer;
        ftp->Listen(QHostAddress::LocalHost, 0);
        fleet = new Fleet(QStringLiteral("127.0.87.1"), 4,
                          {QStringLiteral("--ftp-port"), QString::number(ftp->Port()), QStringLiteral("--restart-time"),
                           QStringLiteral("200"), QStringLiteral("--silent"), QStringLiteral("4")});
    }
    static void TearDownTestSuite() {
        delete fleet;
        delete ftp;
    }
    void SetUp() override {
        ASSERT_TRUE(module.Loaded()) << module.Error().toStdString();
        ASSERT_TRUE(fleet->Ready()) << fleet->Log().toStdString();
        for (int n = 1; n <= 3; ++n)
            ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(n), 10000));
        module.SetSnmp(fleet->Address(1).toLatin1().constData(), "public", "private", fleet->Port(), 100);
        upgrade = reinterpret_cast<decltype(&PlugUpgradeFirmware)>(module.Symbol("PlugUpgradeFirmware"));
        abort = reinterpret_cast<decltype(&PlugUpFirCallBack)>(module.Symbol("PlugUpFirCallBack"));
        cmdApi = reinterpret_cast<decltype(&PlugCmdAPI)>(module.Symbol("PlugCmdAPI"));
        systemCmd = reinterpret_cast<decltype(&PlugSystemCmd)>(module.Symbol("PlugSystemCmd"));
        ASSERT_TRUE(upgrade && abort && cmdApi && systemCmd);
    }

    ModuleUnderTest& module = ModuleUnderTest::Get();
    decltype(&PlugUpgradeFirmware) upgrade = nullptr;
    decltype(&PlugUpFirCallBack) abort = nullptr;
    decltype(&PlugCmdAPI) cmdApi = nullptr;
    decltype(&PlugSystemCmd) systemCmd = nullptr;
    static Fleet* fleet;
    static FtpServer* ftp;
};

Fleet* ModuleExportsTest::fleet = nullptr;
FtpServer* ModuleExportsTest::ftp = nullptr;

TEST_F(ModuleExportsTest, UpgradeFirmwareThroughTheExport) {
    QTemporaryDir images;
    QFile image(images.filePath(QStringLiteral("nxa.img")));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write("version=7.77\n");
    image.close();
    ASSERT_TRUE(ftp->AddAccount(QStringLiteral("host"), QStringLiteral("pw"), images.path()));
    ftp->SetAdvertisedAddress(QStringLiteral("0.0.0.0"));
    HostWindowStub host;
    DeviceListFixture list;
    for (int n = 1; n <= 4; ++n)
        list.Select(list.AddRow(fleet->Address(n)));
    const QByteArray path = image.fileName().toUtf8();
    EXPECT_EQ(upgrade(ftp, &list.view, 0, path.constData(), 100, 200, 20, 10), 0);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(list.Status(row), QStringLiteral("OK")) << row;
    EXPECT_EQ(list.Status(3), QStringLiteral("No Response!"));
    ASSERT_EQ(host.Texts.size(), 3);
    EXPECT_EQ(host.Words.value(0), 3005u);
    EXPECT_EQ(host.Texts.value(0), list.Get(0, 2) + QStringLiteral(" Update F/W OK."));
    ASSERT_TRUE(fleet->WaitAnswering(fleet->Address(1), 10000));
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(1), NxaOid("5.1.1.0")), QStringLiteral("7.77"));
    EXPECT_EQ(abort(), 0);   // no run any more
}

TEST_F(ModuleExportsTest, NoQualifyingRowGivesMinusOne) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(1), QStringLiteral("Other")));
    EXPECT_EQ(upgrade(ftp, &list.view, 0, "fw.bin", 100, 100, 20, 10), -1);
    EXPECT_EQ(list.Status(0), QString());
}

TEST_F(ModuleExportsTest, AbortFromTheHostDuringTheRun) {
    DeviceListFixture list;
    list.Select(list.AddRow(fleet->Address(4)));   // silent: its FTP settings wait runs out
    list.Select(list.AddRow(fleet->Address(1)));
    QTimer later;
    later.setSingleShot(true);
    int result = -2;
    QObject::connect(&later, &QTimer::timeout, [&] { result = abort(); });
    later.start(300);
    EXPECT_EQ(upgrade(ftp, &list.view, 0, "fw.bin", 100, 100, 20, 10), 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(list.Status(0), QStringLiteral("Aborted!"));
    EXPECT_EQ(list.Status(1), QStringLiteral("Aborted!"));
}

TEST_F(ModuleExportsTest, SystemCommandFailurePassesOnAsException) {
    module.SetSnmp(fleet->Address(4).toLatin1().constData(), "public", "private", fleet->Port(), 20);
    try {
        systemCmd(fleet->Address(4).toLatin1().constData(), 3);
        ADD_FAILURE() << "a set to a silent device must fail";
    } catch (const std::exception& e) {
        EXPECT_FALSE(QString::fromUtf8(e.what()).isEmpty());
    }
    EXPECT_EQ(systemCmd(fleet->Address(1).toLatin1().constData(), 0), 0);
}

TEST_F(ModuleExportsTest, FirmwareVersionAndTemplateThroughTheCommandExport) {
    TextAnswer version;
    EXPECT_EQ(cmdApi(5, fleet->Address(2).toLatin1().constData(), "", reinterpret_cast<uintptr_t>(&version),
                     reinterpret_cast<void*>(&TextCallback)),
              0);
    ASSERT_TRUE(WaitUntil([&] { return version.Calls > 0; }, 20000));
    EXPECT_EQ(version.Status, 0);
    EXPECT_FALSE(version.Text.isEmpty());

    QTemporaryDir dir;
    QFile key(dir.filePath(QStringLiteral("t.key")));
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write("SYS_Username=bymodule\n");
    key.close();
    TextAnswer report;
    const QByteArray fields = (fleet->Address(3) + QStringLiteral("|b|c")).toUtf8();
    const QByteArray parameter = (QStringLiteral("d|") + key.fileName()).toUtf8();
    cmdApi(9, fields.constData(), parameter.constData(), reinterpret_cast<uintptr_t>(&report),
           reinterpret_cast<void*>(&TextCallback));
    ASSERT_TRUE(WaitUntil([&] {
        std::lock_guard<std::mutex> lock(report.Mutex);
        return report.Text.startsWith(QLatin1String("OVER"));
    }, 60000));
    std::lock_guard<std::mutex> lock(report.Mutex);
    EXPECT_EQ(report.Status, 0);
    EXPECT_EQ(report.Message, QStringLiteral("OK"));
    EXPECT_EQ(report.Text, QStringLiteral("OVER|%1|b|c|d|%2").arg(fleet->Address(3), key.fileName()));
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(3), NxaOid("4.1.1.1.2.1")), QStringLiteral("bymodule"));
}

// Command 9 with the module's own template application: the worker uses the
// host's settings as they were when the command started, while the host
// goes on handing in others on its own thread (ThreadSanitizer watches
// this test for races between the two).
TEST_F(ModuleExportsTest, TemplateCommandKeepsTheSettingsOfItsStart) {
    QTemporaryDir dir;
    QFile key(dir.filePath(QStringLiteral("t.key")));
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write("SYS_Username=keptsettings\n");
    key.close();
    const QByteArray address = fleet->Address(2).toLatin1();
    module.SetSnmp(address.constData(), "public", "private", fleet->Port(), 100);
    TextAnswer report;
    const QByteArray parameter = (QStringLiteral("d|") + key.fileName()).toUtf8();
    cmdApi(9, address.constData(), parameter.constData(), reinterpret_cast<uintptr_t>(&report),
           reinterpret_cast<void*>(&TextCallback));
    // Settings under which nothing would reach the device: a port where
    // nothing answers and a community the device refuses.
    int handedIn = 0;
    ASSERT_TRUE(WaitUntil([&] {
        const QByteArray community = "wrong" + QByteArray::number(++handedIn);
        module.SetSnmp("127.0.0.1", community.constData(), community.constData(), 9, 1);
        std::lock_guard<std::mutex> lock(report.Mutex);
        return report.Text.startsWith(QLatin1String("OVER"));
    }, 60000));
    {
        std::lock_guard<std::mutex> lock(report.Mutex);
        EXPECT_EQ(report.Status, 0) << report.Message.toStdString();
        EXPECT_EQ(report.Message, QStringLiteral("OK"));
    }
    EXPECT_GT(handedIn, 0);
    EXPECT_EQ(fleet->ReadWhenUp(fleet->Address(2), NxaOid("4.1.1.1.2.1")), QStringLiteral("keptsettings"));
    module.SetSnmp(fleet->Address(1).toLatin1().constData(), "public", "private", fleet->Port(), 100);
}

}  // namespace
