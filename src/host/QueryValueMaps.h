#pragma once
#include <QString>
#include <cstdint>

class ValueMap;

// The basic-configuration query's own maps that turn received display texts
// back into numbers.
namespace QueryValueMaps {
const ValueMap& Authentication();
const ValueMap& ApMode();
const ValueMap& TransmitPower();

// The number of the pair whose text matches (ignoring case); otherwise the
// text read as a decimal number, 0 when it is none.
int32_t NumberForText(const ValueMap& map, const QString& text);
}  // namespace QueryValueMaps
