// MAC address text as the pages take it, and the rate names of the rate selector.
#include "pages/MacText.h"
#include "pages/RateField.h"
#include <gtest/gtest.h>

TEST(MacText, SeparatorsBetweenBytesAreTakenAndDigitsUpperCased) {
    EXPECT_EQ(MacText::Digits("00:10:a4:b5:c6:d7"), "0010A4B5C6D7");
    EXPECT_EQ(MacText::Digits("00-10-A4-B5-C6-D7"), "0010A4B5C6D7");
    EXPECT_EQ(MacText::Digits(" 0010a4b5c6d7 "), "0010A4B5C6D7");
    // Separators elsewhere are not guessed at.
    EXPECT_EQ(MacText::Digits("0010:A4B5C6D7"), "0010:A4B5C6D7");
    EXPECT_EQ(MacText::Digits("00:10:A4"), "00:10:A4");
}

TEST(MacText, TwelveHexadecimalDigitsNotAllZeroAndNoGroupAddress) {
    EXPECT_TRUE(MacText::HasTwelveDigits("0010A4B5C6D7"));
    EXPECT_FALSE(MacText::HasTwelveDigits("0010A4B5C6D"));
    EXPECT_FALSE(MacText::HasTwelveDigits("0010A4B5C6DG"));
    EXPECT_FALSE(MacText::HasTwelveDigits("0010A4B5C6D77"));
    EXPECT_FALSE(MacText::IsGiven("000000000000"));
    EXPECT_TRUE(MacText::IsGiven("0010A4B5C6D7"));
    EXPECT_TRUE(MacText::IsStation("0210A4B5C6D7"));
    EXPECT_FALSE(MacText::IsStation("01005E000001"));
    EXPECT_FALSE(MacText::IsStation("FFFFFFFFFFFF"));
    EXPECT_FALSE(MacText::IsStation(""));
}

TEST(RateField, BestUpTo54IsShownAsAuto) {
    EXPECT_EQ(RateField::Shown("Best(up to 54)"), "Auto");
    EXPECT_EQ(RateField::Shown("Best(Up to 54)"), "Auto");
    EXPECT_EQ(RateField::Shown("Auto"), "Auto");
    EXPECT_EQ(RateField::Shown("Best(Up to 300)"), "Best(Up to 300)");
    EXPECT_EQ(RateField::Shown(" 54 "), "54");
}
