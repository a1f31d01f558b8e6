// aerodesk manage --screenshot: the module's window rendered from a simulated
// device into PNG files, without a display.
#include "support/ChildProcess.h"
#include "support/FreePort.h"
#include "SimAnswers.h"
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>



namespace {

TEST(ManageCommand, ScreenshotsOfTheBuiltPages) {
    const uint16_t port = TestSupport::FreeUdpPort();
    TestSupport::ChildProcess sim;
    ASSERT_TRUE(sim.Start(NXA_SIM_BINARY, {"--base", "127.0.13.1", "--port", QString::number(port)}));
    // A device that is not listening yet would keep the window busy for its whole time-out.
    ASSERT_TRUE(PageTest::WaitAnswering("127.0.13.1", port));
    QTemporaryDir dir;
    const QStringList args = {"manage", "127.0.13.1", "--port", QString::number(port), "--module", NXA_MODULE_PATH,
                              "--wait", "30", "--screenshot", dir.path()};
    QString out;
    int rc = -1;
    // The simulator may take a moment to listen; the command is repeated until it answers.
    for (int attempt = 0; attempt < 20; ++attempt) {
        rc = TestSupport::RunCommand(AERODESK_BINARY, args, &out, 60000);
        if (rc == 0 && !QImage(QDir(dir.path()).filePath("01-information.png")).isNull() &&
            QDir(dir.path()).exists("01-information.png"))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    ASSERT_EQ(rc, 0) << out.toStdString();
    EXPECT_TRUE(out.trimmed().split('\n').value(0).endsWith("01-information.png")) << out.toStdString();
    const QImage image(QDir(dir.path()).filePath("01-information.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(860, 620));
}

TEST(ManageCommand, RefusesABadCommandLine) {
    QString out;
    EXPECT_EQ(TestSupport::RunCommand(AERODESK_BINARY, {"manage", "--module", NXA_MODULE_PATH}, &out), 2);
    EXPECT_EQ(TestSupport::RunCommand(AERODESK_BINARY,
                                      {"manage", "127.0.0.1", "127.0.0.2", "--module", NXA_MODULE_PATH}, &out),
              2);
}

}  // namespace
