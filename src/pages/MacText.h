#pragma once
#include <QString>

// MAC addresses as the pages take them: twelve hexadecimal digits, typed
// with or without ':' or '-' between the bytes.
namespace MacText {
// The digits in upper case, separators removed (other text is kept as is).
QString Digits(const QString& typed);
// Exactly twelve hexadecimal digits.
bool HasTwelveDigits(const QString& digits);
// Twelve digits, not all zero (the all-zero address counts as empty).
bool IsGiven(const QString& digits);
// A station's address: given, and not a group (multicast or broadcast) address.
bool IsStation(const QString& digits);
}  // namespace MacText
