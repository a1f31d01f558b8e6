// The IP-address control: four fields, dotted text, blank when empty.
#include "controls/IpAddressEdit.h"
#include <QLineEdit>
#include <QValidator>
#include <gtest/gtest.h>

TEST(IpAddressEdit, TakesAndGivesDottedText) {
    IpAddressEdit edit;
    EXPECT_TRUE(edit.IsBlank());
    EXPECT_EQ(edit.Text(), "");
    edit.SetText("192.168.0.50");
    EXPECT_EQ(edit.Field(2)->text(), "0");
    EXPECT_EQ(edit.Text(), "192.168.0.50");
    edit.Field(3)->clear();
    EXPECT_EQ(edit.Text(), "192.168.0.0");   // an empty field counts as 0
    edit.SetText("not an address");
    EXPECT_TRUE(edit.IsBlank());
    edit.SetText("10.1.2.3");
    edit.Clear();
    EXPECT_TRUE(edit.IsBlank());
}

TEST(IpAddressEdit, FieldsAcceptOnlyBytes) {
    IpAddressEdit edit;
    QString text = "256";
    int pos = 0;
    EXPECT_NE(edit.Field(0)->validator()->validate(text, pos), QValidator::Acceptable);
    text = "255";
    EXPECT_EQ(edit.Field(0)->validator()->validate(text, pos), QValidator::Acceptable);
}
