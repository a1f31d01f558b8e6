// The address and number checks of the pages.
#include "shell/Validators.h"
#include <gtest/gtest.h>

using namespace Validators;

TEST(Validators, IpAddressRejectsLoopbackClassDAndReservedHostParts) {
    for (const char* bad : {"127.0.0.1", "0.1.2.3", "224.0.0.1", "10.0.0.0", "10.0.0.255", ".1.2.3", "1.2.3.",
                            "1.2.3", "1.2.3.4.5", "", "256.1.1.1", "1.256.1.1", "1.1.-1.1"})
        EXPECT_FALSE(IsValidIpAddress(bad)) << bad;
    for (const char* good : {"1.0.0.1", "223.255.255.254", "192.168.0.50", "10.0.0.1", "126.0.0.1", "128.0.0.1"})
        EXPECT_TRUE(IsValidIpAddress(good)) << good;
}

TEST(Validators, EachAddressPartIsOneToThreeDecimalDigitsAndNothingElse) {
    for (const char* bad : {"1..2.3", "1.2.3.4x", "1.2.3.x4", "x1.2.3.4", "1.2.3.4 ", " 1.2.3.4", "1.2. 3.4",
                            "1.2.3.+4", "1.2.3.0004", "1.2.3.1e1", "1.2.3.0x4", "1.2.3.", "1.2..4", "1.2.3.-0",
                            "1.2.3.\t4"})
        EXPECT_FALSE(IsValidIpAddress(bad)) << bad;
    // Digits of other scripts are not decimal digits here.
    EXPECT_FALSE(IsValidIpAddress(QString::fromUtf8("1.2.3.\xd9\xa4")));       // ARABIC-INDIC DIGIT FOUR
    EXPECT_FALSE(IsValidIpAddress(QString::fromUtf8("1.2.3.\xef\xbc\x94")));  // FULLWIDTH DIGIT FOUR
    for (const char* good : {"1.2.3.4", "001.002.003.004", "10.0.0.01", "223.0.0.254"})
        EXPECT_TRUE(IsValidIpAddress(good)) << good;
    for (const char* bad : {"255..255.0", "255.255.255.0x", "255.255.255.0 ", "0255.255.255.0", "255.255.+255.0",
                            "255.255.25 5.0"})
        EXPECT_FALSE(IsValidSubnetMask(bad)) << bad;
    EXPECT_TRUE(IsValidSubnetMask("255.255.255.000"));
}

TEST(Validators, SubnetMaskNeedsContiguousOnes) {
    for (const char* good : {"255.255.255.0", "255.255.0.0", "255.0.0.0", "128.0.0.0", "255.255.255.252",
                             "255.255.255.255"})
        EXPECT_TRUE(IsValidSubnetMask(good)) << good;
    for (const char* bad : {"255.0.255.0", "0.255.255.0", "0.0.0.0", "255.255.255.1", ".255.255.0", "255.255.255.",
                            "255.255.0", "256.0.0.0", "255.255.254.255"})
        EXPECT_FALSE(IsValidSubnetMask(bad)) << bad;
}

TEST(Validators, NumberRangeIsInclusiveAndTakesOnlyDigits) {
    EXPECT_TRUE(IsNumberInRange("1", 1, 65535));
    EXPECT_TRUE(IsNumberInRange("65535", 1, 65535));
    EXPECT_FALSE(IsNumberInRange("0", 1, 65535));
    EXPECT_FALSE(IsNumberInRange("65536", 1, 65535));
    EXPECT_TRUE(IsNumberInRange(" 60 ", 60, 31536000));
    EXPECT_FALSE(IsNumberInRange("", 0, 64));
    EXPECT_FALSE(IsNumberInRange("12a", 0, 64));
    EXPECT_FALSE(IsNumberInRange("-", 0, 64));
    EXPECT_TRUE(IsNumberInRange("-1", -5, 5));
    EXPECT_FALSE(IsNumberInRange("99999999999999999999", 0, 64));
}

TEST(Validators, RangeMessages) {
    EXPECT_EQ(NumberRangeMessage(1, 65535), "Please input a number between 1 and 65535.");
    EXPECT_EQ(NumberRangeMessage(60, 31536000, true), "Please input a number between 60 and 31536000!");
}

TEST(Validators, RangeMessagesThePagesUse) {
    EXPECT_EQ(NumberRangeMessage(300, 9999999), "Please input a number between 300 and 9999999.");
    EXPECT_EQ(NumberRangeMessage(1, 254, true), "Please input a number between 1 and 254!");
    EXPECT_EQ(NumberRangeMessage(256, 2346), "Please input a number between 256 and 2346.");
    EXPECT_STREQ(Messages::Submask, "Please input valid Submask.");
}
