#include "platform/MessageBox.h"
#include <gtest/gtest.h>

namespace {

TEST(MessageBox, WithoutHandlerGivesTheSafeDefault) {
    const MessageBox::Handler previous = MessageBox::SetHandler(nullptr);
    EXPECT_EQ(MessageBox::Show("error"), MessageBox::AnswerOk);
    EXPECT_EQ(MessageBox::Confirm("sure?"), MessageBox::AnswerOk);
    // A question that deletes something is not answered yes by nobody.
    EXPECT_EQ(MessageBox::Show("delete?", "Warning", MessageBox::YesNo | MessageBox::IconExclamation),
              MessageBox::AnswerNo);
    MessageBox::SetHandler(previous);
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

}  // namespace
