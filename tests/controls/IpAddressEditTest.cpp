// The IP-address control: four fields, dotted text, blank when empty; a
// field never holds more than 255.
#include "controls/IpAddressEdit.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <gtest/gtest.h>
#include <ostream>

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

// Types `text` at the end of the field, one key at a time, as a person would.
void Type(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    field->end(false);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, int(c.toUpper().unicode()), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, int(c.toUpper().unicode()), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
}

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

TEST(IpAddressEdit, TakesOnlyAddressesWhosePartsAreBytes) {
    IpAddressEdit edit;
    for (const char* bad : {"256.1.1.1", "1.2.3.999", "1.2.3.4x", "1..2.3", "1.2.3.0004", "1.2.3.-4", " 1.2.3.4"}) {
        edit.SetText("10.0.0.1");
        edit.SetText(bad);
        EXPECT_TRUE(edit.IsBlank()) << bad;
    }
    edit.SetText("255.255.255.255");
    EXPECT_EQ(edit.Text(), "255.255.255.255");
}

TEST(IpAddressEdit, TypingNeverLeavesMoreThan255InAField) {
    IpAddressEdit edit;
    QLineEdit* field = edit.Field(0);
    Type(field, "256");
    EXPECT_EQ(field->text(), "255");
    field->clear();
    Type(field, "999");
    EXPECT_EQ(field->text(), "255");
    field->clear();
    Type(field, "25a");
    EXPECT_EQ(field->text(), "25");
    Type(field, "5");
    EXPECT_EQ(field->text(), "255");
    Type(field, "1");   // a fourth digit does not fit
    EXPECT_EQ(field->text(), "255");
    field->clear();
    Type(field, "300");
    Type(edit.Field(1), "1");
    EXPECT_EQ(edit.Text(), "255.1.0.0");
}

TEST(IpAddressEdit, FieldValidatorNeverAcceptsAValueAbove255) {
    IpAddressEdit edit;
    const QValidator* validator = edit.Field(0)->validator();
    ASSERT_NE(validator, nullptr);
    for (int n = 0; n <= 999; ++n) {
        QString text = QString::number(n);
        int pos = static_cast<int>(text.size());
        const QValidator::State state = validator->validate(text, pos);
        if (n <= 255) {
            EXPECT_EQ(state, QValidator::Acceptable) << n;
            EXPECT_EQ(text, QString::number(n));
        } else {
            // Either refused, or taken as the largest byte.
            if (state != QValidator::Invalid) {
                EXPECT_EQ(text, "255") << n;
            }
        }
        if (state != QValidator::Invalid) {
            EXPECT_LE(text.toInt(), 255) << n;
        }
    }
    for (const char* bad : {"x", "1x", "-1", "+1", " 1", "1.", "\xd9\xa4"}) {
        QString text = QString::fromUtf8(bad);
        int pos = 0;
        EXPECT_EQ(validator->validate(text, pos), QValidator::Invalid) << bad;
    }
    QString empty;
    int pos = 0;
    EXPECT_EQ(validator->validate(empty, pos), QValidator::Intermediate);   // a blank field
}

}  // namespace
