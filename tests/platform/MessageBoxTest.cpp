#include "platform/MessageBox.h"
#include <gtest/gtest.h>

namespace {

TEST(MessageBox, WithoutHandlerAQuestionIsRefusedAndAnErrorAcknowledged) {
    const MessageBox::Handler previous = MessageBox::SetHandler(nullptr);
    EXPECT_EQ(MessageBox::Show("error"), MessageBox::AnswerOk);
    // "Device will reboot, continue?" with nobody to ask: Cancel, not OK.
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Show("sure?", "Warning", MessageBox::OkCancel | MessageBox::IconExclamation),
              MessageBox::AnswerCancel);
    // A question that deletes something is not answered yes by nobody.
    EXPECT_EQ(MessageBox::Show("delete?", "Warning", MessageBox::YesNo | MessageBox::IconExclamation),
              MessageBox::AnswerNo);
    EXPECT_EQ(MessageBox::Show("an error", "", MessageBox::Ok | MessageBox::IconExclamation), MessageBox::AnswerOk);
    MessageBox::SetHandler(previous);
}

TEST(MessageBox, UnansweredIsTheRefusingButtonOfEverySet) {
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::Ok), MessageBox::AnswerOk);
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::OkCancel), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::YesNo), MessageBox::AnswerNo);
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::YesNoCancel), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::RetryCancel), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::AbortRetryIgnore), MessageBox::AnswerAbort);
    // Icon bits do not change the set.
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::OkCancel | MessageBox::IconExclamation), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Unanswered(MessageBox::Ok | MessageBox::IconExclamation), MessageBox::AnswerOk);
}

TEST(MessageBox, HandlerSeesTextCaptionAndButtons) {
    QString text, caption;
    int buttons = -1;
    const MessageBox::Handler previous = MessageBox::SetHandler([&](const QString& t, const QString& c, int b) {
        text = t;
        caption = c;
        buttons = b;
        return int(MessageBox::AnswerCancel);
    });
    EXPECT_EQ(MessageBox::Confirm("Apply now?"), MessageBox::AnswerCancel);
    EXPECT_EQ(text, "Apply now?");
    EXPECT_EQ(caption, "Warning");
    EXPECT_EQ(buttons, MessageBox::OkCancel);
    MessageBox::Show("Invalid MAC!");
    EXPECT_EQ(caption, "");
    EXPECT_EQ(buttons, MessageBox::Ok);
    MessageBox::SetHandler(previous);
}

TEST(MessageBox, AHandlerThatGivesNoButtonOfTheSetCountsAsUnanswered) {
    int answer = 0;   // a host's handler that could not show the box
    const MessageBox::Handler previous =
        MessageBox::SetHandler([&](const QString&, const QString&, int) { return answer; });
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Show("delete?", "Warning", MessageBox::YesNo), MessageBox::AnswerNo);
    EXPECT_EQ(MessageBox::Show("an error"), MessageBox::AnswerOk);
    answer = MessageBox::AnswerYes;   // not a button of OK/Cancel
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerCancel);
    EXPECT_EQ(MessageBox::Show("delete?", "Warning", MessageBox::YesNo), MessageBox::AnswerYes);
    answer = MessageBox::AnswerOk;
    EXPECT_EQ(MessageBox::Confirm("Device will reboot, continue?"), MessageBox::AnswerOk);
    EXPECT_EQ(MessageBox::Show("delete?", "Warning", MessageBox::YesNo), MessageBox::AnswerNo);
    MessageBox::SetHandler(previous);
}

}  // namespace
