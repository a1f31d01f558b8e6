// The installed tree, as a host developer and an administrator use it: every
// part where it belongs, a C host compiled against the installed header and
// pkg-config file that queries a simulated device, the installed aerodesk
// finding its module without --module, and the MIB module resolving from its
// installed folder.
#include "support/DeviceValues.h"
#include "support/SimFleet.h"
#include "support/ToolRun.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

class InstalledTree : public testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = std::make_unique<QTemporaryDir>();
        QString output;
        QString errors;
        installStatus = RunCommand(QStringLiteral("cmake"),
                                   {QStringLiteral("--install"), QStringLiteral(NXA_BUILD_DIR),
                                    QStringLiteral("--prefix"), prefix->path()},
                                   &output, 120000, &errors);
        installOutput = output + errors;
    }
    static void TearDownTestSuite() { prefix.reset(); }

    void SetUp() override { ASSERT_EQ(installStatus, 0) << installOutput.toStdString(); }

    static QString Path(const QString& relative) { return prefix->path() + QLatin1Char('/') + relative; }
    static QString LibraryPath(const QString& relative) {
        return Path(QStringLiteral(NXA_LIBDIR "/") + relative);
    }
    // pkg-config against the installed tree only.
    static QString PkgConfig(const QStringList& arguments) {
        qputenv("PKG_CONFIG_PATH", LibraryPath(QStringLiteral("pkgconfig")).toLocal8Bit());
        qputenv("PKG_CONFIG_LIBDIR", LibraryPath(QStringLiteral("pkgconfig")).toLocal8Bit());
        QString output;
        const int status = RunCommand(QStringLiteral("pkg-config"), arguments, &output);
        EXPECT_EQ(status, 0) << "pkg-config " << arguments.join(QLatin1Char(' ')).toStdString() << ": "
                             << output.toStdString();
        return output.trimmed();
    }

    static std::unique_ptr<QTemporaryDir> prefix;
    static int installStatus;
    static QString installOutput;
};

std::unique_ptr<QTemporaryDir> InstalledTree::prefix;
int InstalledTree::installStatus = -1;
QString InstalledTree::installOutput;

TEST_F(InstalledTree, EveryPartIsInItsFolder) {
    for (const char* program : {"aerodesk", "nxa-sim", "nxa-ftpd"}) {
        const QFileInfo file(Path(QStringLiteral("bin/") + QLatin1String(program)));
        EXPECT_TRUE(file.isExecutable()) << program;
        if (NXA_EXPECT_MAN_PAGES) {
            EXPECT_GT(QFileInfo(Path(QStringLiteral("share/man/man1/%1.1").arg(QLatin1String(program)))).size(), 200)
                << program << ": no manual page";
        }
    }
    EXPECT_TRUE(QFileInfo::exists(LibraryPath(QStringLiteral("nxa7310/AP_PlugIn.plx"))));
    const QDir catalogs(LibraryPath(QStringLiteral("nxa7310/NXA-7310/errMSg")));
    EXPECT_EQ(catalogs.entryList(QDir::Files).size(), 6) << catalogs.path().toStdString();
    EXPECT_GT(QFileInfo(catalogs.filePath(QStringLiteral("zrsnmp.err"))).size(), 100);
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("include/nxa7310/AP_PlugIn.h"))));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("include/nxa7310/CFTPServer.h"))));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("share/snmp/mibs/NXA7310-MIB.txt"))));
    // Nothing of the build or the tests goes into the tree.
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("bin/nxa-catalogs"))));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("bin/nxa-mibgen"))));
    EXPECT_TRUE(QDir(LibraryPath(QStringLiteral("nxa7310"))).entryList({QStringLiteral("*.a")}).isEmpty());
}

TEST_F(InstalledTree, CHostCompiledAgainstTheInstalledHeaderQueriesADevice) {
    const QString cflags = PkgConfig({QStringLiteral("--cflags"), QStringLiteral("nxa7310")});
    const QString libs = PkgConfig({QStringLiteral("--libs"), QStringLiteral("nxa7310")});
    const QString module = PkgConfig({QStringLiteral("--variable=module"), QStringLiteral("nxa7310")});
    ASSERT_TRUE(QFileInfo(module).canonicalFilePath() ==
                QFileInfo(LibraryPath(QStringLiteral("nxa7310/AP_PlugIn.plx"))).canonicalFilePath())
        << module.toStdString();
    ASSERT_FALSE(cflags.contains(QStringLiteral(NXA_SOURCE_DIR))) << cflags.toStdString();

    const QString host = prefix->path() + QStringLiteral("/minimal_host");
    QStringList compile = cflags.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    compile << QStringLiteral("-std=c11") << QStringLiteral("-Wall") << QStringLiteral("-Wextra")
            << QStringLiteral("-Werror") << QStringLiteral("-pedantic")
            << QStringLiteral(NXA_SOURCE_DIR "/docs/examples/minimal_host.c") << QStringLiteral("-o") << host;
    compile << libs.split(QLatin1Char(' '), Qt::SkipEmptyParts)
            << QStringLiteral(NXA_HOST_FLAGS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString compiler;
    QString compilerErrors;
    ASSERT_EQ(RunCommand(QStringLiteral("cc"), compile, &compiler, 60000, &compilerErrors), 0)
        << compilerErrors.toStdString();

    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.62.1"), 1, {QStringLiteral("--firmware"), QStringLiteral("2.31b7")}));
    QString output;
    QString errors;
    ASSERT_EQ(RunCommand(host, {module, fleet.Address(1), QString::number(fleet.Port()), QStringLiteral("public")},
                         &output, 30000, &errors),
              0)
        << output.toStdString() << errors.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("module: NXA-7310"))) << output.toStdString();
    const std::string mac = DeviceValues::GetHex(fleet.Target(1), DeviceValues::kRoot + ".2.1.1.1.1.5.1");
    ASSERT_EQ(mac.size(), 12u);
    EXPECT_TRUE(output.contains(QStringLiteral("firmware 2.31b7 mac %1").arg(QString::fromStdString(mac))))
        << output.toStdString();
}

TEST_F(InstalledTree, CHostReportsASilentDevice) {
    const QString module = PkgConfig({QStringLiteral("--variable=module"), QStringLiteral("nxa7310")});
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.62.9"), 1, {QStringLiteral("--silent"), QStringLiteral("1")}));
    const QString host = prefix->path() + QStringLiteral("/silent_host");
    QString compiler;
    QString errors;
    QStringList compile{QStringLiteral("-I") + Path(QStringLiteral("include/nxa7310")),
                        QStringLiteral(NXA_SOURCE_DIR "/docs/examples/minimal_host.c"), QStringLiteral("-o"), host,
                        QStringLiteral("-ldl")};
    compile << QStringLiteral(NXA_HOST_FLAGS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(RunCommand(QStringLiteral("cc"), compile, &compiler, 60000, &errors),
              0)
        << errors.toStdString();
    QString output;
    EXPECT_EQ(RunCommand(host, {module, fleet.Address(1), QString::number(fleet.Port()), QStringLiteral("public")},
                         &output, 30000, &errors),
              1);
    EXPECT_TRUE(errors.contains(QStringLiteral("did not answer"))) << errors.toStdString();
}

TEST_F(InstalledTree, InstalledAerodeskFindsItsModule) {
    SimFleet fleet;
    ASSERT_TRUE(fleet.Start(QStringLiteral("127.0.62.17"), 1, {QStringLiteral("--firmware"), QStringLiteral("2.31b7")}));
    qunsetenv("AERODESK_MODULE");
    QString output;
    QString errors;
    EXPECT_EQ(RunCommand(Path(QStringLiteral("bin/aerodesk")),
                         {QStringLiteral("info"), fleet.Address(1), QStringLiteral("--port"),
                          QString::number(fleet.Port())},
                         &output, 60000, &errors),
              0)
        << output.toStdString() << errors.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("2.31b7"))) << output.toStdString();
    EXPECT_EQ(RunCommand(Path(QStringLiteral("bin/nxa-sim")), {QStringLiteral("--help")}, &output), 0);
    EXPECT_TRUE(output.contains(QStringLiteral("--devices"))) << output.toStdString();
}

TEST_F(InstalledTree, MibModuleResolvesFromItsInstalledFolders) {
    // The module's folder, and the one with the imports it needs where no
    // IETF modules are installed (as on this machine).
    QString output;
    QString warnings;   // net-snmp's own MIBs miss parts of the reduced imports
    ASSERT_EQ(RunCommand(QStringLiteral("snmptranslate"),
                         {QStringLiteral("-M"), QStringLiteral("+") + Path(QStringLiteral("share/snmp/mibs")) +
                                                    QLatin1Char(':') + Path(QStringLiteral("share/nxa7310/mibs")),
                          QStringLiteral("-m"), QStringLiteral("+NXA7310-MIB"), QStringLiteral("-IR"),
                          QStringLiteral("-On"), QStringLiteral("dot11Ssid")},
                         &output, 30000, &warnings),
              0)
        << output.toStdString() << warnings.toStdString();
    EXPECT_TRUE(output.trimmed().startsWith(QStringLiteral(".1.3.6.1.4.1.171.10.37.36."))) << output.toStdString();
}

}  // namespace
