// aerodesk page on the maintenance pages, as a person drives them from the
// command line: with the host's FTP server (--ftp-port) the device stores its
// configuration file where the save dialog (--file) said and takes a
// certificate; without one nothing is sent.
#include "support/ChildProcess.h"
#include "support/FreePort.h"
#include "SimAnswers.h"
#include "TraceLines.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kDevice = QStringLiteral("127.0.113.60");

class MaintenanceCommand : public testing::Test {
public:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        trace_ = dir_->filePath("trace.txt");
        port_ = TestSupport::FreeUdpPort();
        ftpPort_ = TestSupport::FreeTcpPort();
        sim_ = std::make_unique<TestSupport::ChildProcess>();
        ASSERT_TRUE(sim_->Start(NXA_SIM_BINARY, {"--base", kDevice, "--port", QString::number(port_), "--trace", trace_,
                                                 "--ftp-port", QString::number(ftpPort_), "--verbose"}));
        ASSERT_TRUE(PageTest::WaitAnswering(kDevice, port_)) << "nxa-sim did not answer";
    }
    static void TearDownTestSuite() {
        sim_.reset();
        dir_.reset();
    }

protected:
    // The report of `aerodesk page ... --json`.
    static QJsonObject Run(QStringList args, int* exit = nullptr) {
        args.prepend("page");
        args << "--module" << NXA_MODULE_PATH << "--port" << QString::number(port_) << "--json";
        QProcess p;
        p.setWorkingDirectory(dir_->path());
        p.start(AERODESK_BINARY, args);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            return {};
        }
        if (exit)
            *exit = p.exitCode();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }
    static QStringList Texts(const QJsonObject& report, const char* part) {
        return report.value(part).toVariant().toStringList();
    }
    static size_t SetCount() { return PageTest::SetsIn(trace_, kDevice).size(); }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString trace_;
    static inline uint16_t port_ = 0;
    static inline uint16_t ftpPort_ = 0;
    static inline std::unique_ptr<TestSupport::ChildProcess> sim_;
};

TEST_F(MaintenanceCommand, DownloadStoresTheConfigurationWhereTheSaveDialogSaid) {
    const QString folder = dir_->filePath("saved");
    QDir().mkpath(folder);
    int exit = -1;
    const QJsonObject report = Run({kDevice, "Configuration File", "--ftp-port", QString::number(ftpPort_), "--file",
                                    folder + "/from-cli", "--press", "Download"},
                                   &exit);
    EXPECT_EQ(exit, 0) << QJsonDocument(report).toJson().toStdString();
    EXPECT_TRUE(Texts(report, "messages").isEmpty()) << Texts(report, "messages").join(" | ").toStdString();
    EXPECT_TRUE(Texts(report, "status").contains("Save Configuration file Success."))
        << Texts(report, "status").join(" | ").toStdString();
    QFile file(folder + "/from-cli.dcf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_GT(file.size(), 100);
}

TEST_F(MaintenanceCommand, ACertificateUploadReachesTheDevice) {
    QFile certificate(dir_->filePath("cli.pem"));
    ASSERT_TRUE(certificate.open(QIODevice::WriteOnly));
    certificate.write("-----BEGIN CERTIFICATE-----\nCLI\n-----END CERTIFICATE-----\n");
    certificate.close();
    int exit = -1;
    const QJsonObject report = Run({kDevice, "Firmware and SSL", "--ftp-port", QString::number(ftpPort_), "--set",
                                    "Upload Certificate From File=" + certificate.fileName(), "--press",
                                    "Certificate/UpLoad"},
                                   &exit);
    EXPECT_EQ(exit, 0);
    EXPECT_EQ(Texts(report, "messages"), QStringList{"Update SSL certificate success.Please update key now!"});
    EXPECT_TRUE(sim_->WaitForOutput("certificate stored, 58 bytes", 20)) << sim_->Output();
    // The path is cleared once the upload has ended.
    EXPECT_EQ(report.value("fields").toObject().value("Upload Certificate From File").toString(), "");
}

TEST_F(MaintenanceCommand, WithoutTheHostsServerTheUploadStopsBeforeAnythingIsSent) {
    const size_t before = SetCount();
    int exit = -1;
    const QJsonObject report = Run({kDevice, "Firmware and SSL", "--set", "Upload Firmware From File=/tmp/fw.bin",
                                    "--press", "Firmware/UpLoad"},
                                   &exit);
    EXPECT_EQ(exit, 0);
    EXPECT_EQ(Texts(report, "messages"), QStringList{"Ftp setting error!"});
    EXPECT_EQ(SetCount(), before);
}

}  // namespace
