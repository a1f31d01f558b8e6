#include "snmp/ErrorCatalog.h"
#include "snmp/StatusText.h"
#include <gtest/gtest.h>

namespace {

TEST(StatusText, FillsLabelMessageAndTime) {
    const QTime t(14, 5, 9);
    EXPECT_EQ(StatusText::Format(false, "(ZrSNMP++) Ok!", "Wireless", t),
              "Get: (ZrSNMP++) Ok! Request:Wireless. Receive at 14:05:09 ampm.");
    EXPECT_EQ(StatusText::Format(true, "(SNMPClass) SNMP request timed out!", "LAN", t),
              "Set: (SNMPClass) SNMP request timed out! Request:LAN. Receive at 14:05:09 ampm.");
}

TEST(StatusText, WithoutLabelTheRequestPartGoes) {
    EXPECT_EQ(StatusText::Format(false, "(ZrSNMP++) Ok!", "", QTime(9, 0, 0)),
              "Get: (ZrSNMP++) Ok!. Receive at 09:00:00 ampm.");
}

}  // namespace
