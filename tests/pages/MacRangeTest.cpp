// MAC address arithmetic of the "SSID 1~7" row.
#include "pages/MacRange.h"
#include <gtest/gtest.h>

TEST(MacRange, AddsWithCarryFromTheLastDigit) {
    EXPECT_EQ(MacRange::Add("024E58000001", 1), "024E58000002");
    EXPECT_EQ(MacRange::Add("024e5800000f", 1), "024E58000010");
    EXPECT_EQ(MacRange::Add("00000000FFFA", 7), "000000010001");
    bool overflow = true;
    EXPECT_EQ(MacRange::Add("0000000000FF", 7, &overflow), "000000000106");
    EXPECT_FALSE(overflow);
}

TEST(MacRange, CarryOutOfTheFirstDigitGivesZeros) {
    bool overflow = false;
    EXPECT_EQ(MacRange::Add("FFFFFFFFFFFF", 1, &overflow), "000000000000");
    EXPECT_TRUE(overflow);
    EXPECT_EQ(MacRange::Add("FFFFFFFFFFF9", 7, &overflow), "000000000000");
    EXPECT_TRUE(overflow);
    EXPECT_EQ(MacRange::Add("FFFFFFFFFFF8", 7, &overflow), "FFFFFFFFFFFF");
    EXPECT_FALSE(overflow);
}

TEST(MacRange, RejectsTextsThatAreNotTwelveHexDigits) {
    bool overflow = false;
    EXPECT_EQ(MacRange::Add("(NULL)", 1, &overflow), "000000000000");
    EXPECT_TRUE(overflow);
    EXPECT_EQ(MacRange::Add("02:4E:58:00:00:01", 1, &overflow), "000000000000");
    EXPECT_TRUE(overflow);
}

TEST(MacRange, SsidRangeOfTheSevenAdditionalSsids) {
    bool overflow = true;
    EXPECT_EQ(MacRange::SsidRange("024E5800000F", &overflow), "024E58000010    ~    024E58000016");
    EXPECT_FALSE(overflow);
    EXPECT_EQ(MacRange::SsidRange("FFFFFFFFFFFC", &overflow), "FFFFFFFFFFFD    ~    000000000000");
    EXPECT_TRUE(overflow);
}
