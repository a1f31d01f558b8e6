// The window's entry points: open once, show, close refused while busy, and
// pages rendered to image files.
#include "PagesFixture.h"
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include "shell/AboutBox.h"

namespace {

using ManagementWindowTest = PagesTest;

TEST_F(ManagementWindowTest, OpensOnceAndSaysAlreadyRun) {
    EXPECT_TRUE(ManagementWindow::Close());   // no window: nothing to refuse
    ASSERT_TRUE(Open(kLive, 0.05));
    EXPECT_TRUE(ManagementWindow::IsOpen());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), "NXA-7310");
    WindowSettings again;
    EXPECT_FALSE(ManagementWindow::Open(again));
    EXPECT_EQ(messages->Texts(), QStringList({"already run"}));
    EXPECT_EQ(ManagementWindow::Frame(), frame.data());
}

TEST_F(ManagementWindowTest, CloseIsRefusedWhileBusyAndAllowedAfter) {
    ASSERT_TRUE(Open(kSilent, 0.01));
    ManagementWindow::Show();
    ASSERT_TRUE(ManagementWindow::IsBusy());
    EXPECT_FALSE(ManagementWindow::Close());
    EXPECT_EQ(messages->Texts(), QStringList({"Packet transmiting, Please close window later."}));
    EXPECT_TRUE(ManagementWindow::IsOpen());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(ManagementWindow::Close());
    EXPECT_FALSE(ManagementWindow::IsOpen());
    EXPECT_TRUE(frame.isNull());
    EXPECT_EQ(messages->Boxes.size(), 1u);
}

TEST_F(ManagementWindowTest, RendersTheBuiltPagesFromTheDevice) {
    ASSERT_TRUE(Open(kLive, 0.05));
    QTemporaryDir dir;
    QString error;
    const QStringList files = ManagementWindow::RenderPages(dir.path(), 20000, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    // Information first, then every other built page.
    ASSERT_GE(files.size(), 1);
    EXPECT_TRUE(files[0].endsWith("01-information.png"));
    const QImage image(files[0]);
    EXPECT_EQ(image.size(), frame->size());
    EXPECT_EQ(Info()->TextOf("lanIfMacAddress"), "024E58000001");
    // The window stays on the page rendered last.
    EXPECT_TRUE(files.last().endsWith(frame->View()->CaptionText().toLower().replace(' ', '-') + ".png"))
        << files.last().toStdString();
}

}  // namespace

namespace {

TEST_F(ManagementWindowTest, ExitCancelsAnOpenAboutBox) {
    ASSERT_TRUE(Open(kLive, 0.05));
    ASSERT_TRUE(WaitIdle());
    bool closed = false;
    bool shown = false;
    bool cancelled = false;
    // Runs inside the box's modal loop, and ends it even when the exit did
    // not, so that a failure is reported rather than waited for.
    QTimer::singleShot(0, [&] {
        const QPointer<CAboutBox> box = CAboutBox::Current();
        shown = box && box->isVisible();
        closed = ManagementWindow::Close();
        cancelled = shown && !box->isVisible();
        if (!cancelled) {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    frame->Command(32787);   // runs the About box until the exit cancels it
    EXPECT_TRUE(shown);
    EXPECT_TRUE(cancelled);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(ManagementWindow::IsOpen());
    ShellTest::PumpUntil([this] { return frame.isNull(); }, 5000);
    EXPECT_TRUE(frame.isNull());
}

}  // namespace
