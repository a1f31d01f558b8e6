// Where the module's message boxes go when the host gives no handler and
// shows no window: nobody can answer, so a question is refused.
#include "host/AP_PlugIn.h"
#include "host/HostFileDialogs.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

struct HostAnswer {
    int32_t Answer = 0;
    int Calls = 0;
    int32_t Buttons = -1;
};

int32_t Answer(const char*, const char*, int32_t buttons, void* context) {
    auto* host = static_cast<HostAnswer*>(context);
    ++host->Calls;
    host->Buttons = buttons;
    return host->Answer;
}

bool Headless() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

TEST(HostMessageBoxes, host_WithoutHostHandlerAQuestionIsRefused) {
    if (!Headless())
        GTEST_SKIP() << "a visible GUI would show the box";
    PlugSetMessageBoxHandler(nullptr, nullptr);
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Show("Are you sure you want to remove the specified folder?", "Warning",
                               MessageBox::YesNo | MessageBox::IconExclamation),
              MessageBox::AnswerNo);
    EXPECT_EQ(MessageBox::Show("Packet transmiting, Please close window later."), MessageBox::AnswerOk);
}

TEST(HostMessageBoxes, host_TheHostHandlerAnswersAndGivesNoAnswerOnlyAsRefusal) {
    HostAnswer host;
    PlugSetMessageBoxHandler(&Answer, &host);
    host.Answer = MessageBox::AnswerOk;
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerOk);
    EXPECT_EQ(host.Buttons, MessageBox::OkCancel);
    host.Answer = 0;   // the host could not show it
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerCancel);
    host.Answer = MessageBox::AnswerYes;
    EXPECT_EQ(MessageBox::Show("delete?", "Warning", MessageBox::YesNo), MessageBox::AnswerYes);
    EXPECT_EQ(host.Calls, 3);
    PlugSetMessageBoxHandler(nullptr, nullptr);
}

}  // namespace

namespace {

// The module's own file dialogs: headless they count as cancelled; a handler
// a host or driver installed first is kept.
TEST(HostFileDialogs, host_HeadlessDialogsAreCancelledAndAnInstalledHandlerIsKept) {
    if (!Headless())
        GTEST_SKIP() << "a visible GUI would show the dialog";
    const FileDialog::Handler before = FileDialog::SetHandler(nullptr);
    HostFileDialogs::Install();
    EXPECT_EQ(FileDialog::OpenFile("Open Firmware", "Firmware (*.bin)"), QString());
    EXPECT_EQ(FileDialog::SaveFile("Save Configuration", "Configuration (*.dcf)", "device.dcf"), QString());

    int asked = 0;
    FileDialog::SetHandler([&](const QString&, const QString&, bool save, const QString& suggested) {
        ++asked;
        return save ? "/tmp/" + suggested : QStringLiteral("/tmp/image.bin");
    });
    HostFileDialogs::Install();
    EXPECT_EQ(FileDialog::OpenFile("Open Firmware", "Firmware (*.bin)"), "/tmp/image.bin");
    EXPECT_EQ(FileDialog::SaveFile("Save Configuration", "Configuration (*.dcf)", "device.dcf"), "/tmp/device.dcf");
    EXPECT_EQ(asked, 2);
    FileDialog::SetHandler(before);
}

}  // namespace
