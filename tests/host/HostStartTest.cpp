// The module's start when its SNMP layer cannot start: the host is told, every
// request reports the failure, and a later call starts the layer. A program of
// its own, since the module starts once per process.
#include "host/ClientQuery.h"
#include "host/HostMessageBoxes.h"
#include "host/ModuleApp.h"
#include "snmp/CZRException.h"
#include "snmp/SnmpSession.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList gMessages;

int32_t Record(const char* text, const char*, int32_t, void*) {
    gMessages << QString::fromUtf8(text);
    return 1;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(HostStart, host_FailedSnmpStartIsToldReportedAndTriedAgain) {
    // A shared temporary folder holding another user's counter file, and the
    // user's own folder with a damaged one.
    QTemporaryDir shared;
    QTemporaryDir runtime;
    ASSERT_TRUE(shared.isValid() && runtime.isValid());
    const QByteArray stray = "written by someone else\n";
    ASSERT_TRUE(WriteFile(shared.filePath(QStringLiteral("ZrSNMP_PP_BootCounter")), stray));
    qputenv("TMPDIR", shared.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString own = runtime.filePath(QStringLiteral("nxa-7310"));
    ASSERT_TRUE(QDir().mkpath(own));
    const QString counter = own + QStringLiteral("/ZrSNMP_PP_BootCounter");
    ASSERT_TRUE(WriteFile(counter, "damaged\n"));
    HostMessageBoxes::SetHostHandler(&Record, nullptr);

    ModuleApp& app = ModuleApp::Instance();
    app.EnsureStarted();
    EXPECT_FALSE(SnmpSession::IsStarted());
    EXPECT_EQ(gMessages, QStringList{QStringLiteral("(ZrSNMP++) Error when loading SNMP engine boots counter!")});

    // A query reports the failed start to its callback, not a missing session.
    struct Answer {
        int Calls = 0;
        int32_t Status = -1;
        QString Message;
    } answer;
    ClientQuery::Start("127.0.0.1", [](CmdResult* r, int32_t, ClientRecord**, uintptr_t context) {
        auto* a = reinterpret_cast<Answer*>(context);
        ++a->Calls;
        a->Status = r->Status;
        a->Message = QString::fromUtf8(r->Message ? r->Message : "");
    }, reinterpret_cast<uintptr_t>(&answer));
    EXPECT_EQ(answer.Calls, 1);
    EXPECT_EQ(answer.Status, 1);
    EXPECT_EQ(answer.Message, QStringLiteral("(ZrSNMP++) Error when loading SNMP engine boots counter!"));
    EXPECT_EQ(gMessages.size(), 1) << "the host is told once";

    // Mended, the next call starts the layer; the shared folder's file was never touched.
    ASSERT_TRUE(QFile::remove(counter));
    app.SharedRequest(ModuleApp::ClientRequest);
    EXPECT_TRUE(SnmpSession::IsStarted());
    EXPECT_TRUE(ReadFile(counter).contains("ZrSNMP_PP_Application 1"));
    EXPECT_EQ(ReadFile(shared.filePath(QStringLiteral("ZrSNMP_PP_BootCounter"))), stray);
    EXPECT_EQ(gMessages.size(), 1);
    HostMessageBoxes::SetHostHandler(nullptr, nullptr);
}

}  // namespace
