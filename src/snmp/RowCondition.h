#pragma once
#include "MibVariableList.h"
#include <QString>

// The condition language of row filters (SnmpRequest::RowFilter and
// MatchCondition). An empty condition is true. Otherwise:
//
//   condition  := or
//   or         := and { "||" and }
//   and        := unary { "&&" unary }
//   unary      := "!" unary | "(" or ")" | comparison
//   comparison := operand [ op operand ]
//   op         := "==" | "!=" | "<" | "<=" | ">" | ">=" | "^="   (^= : left starts with right)
//   operand    := "$"            the value of entry 0
//               | "$" digits     the value of entry N (0-based)
//               | "${" name "}"  the value of the first entry with that name
//               | number | 'text' | "text"
//
// Two operands compare as numbers when both read as decimal numbers, else as
// texts (case-sensitive). A lone operand is true unless it is empty, "0" or
// "false". A referenced value "(NULL)" raises -512; a malformed condition or
// a reference to a missing entry raises -513.
namespace RowCondition {
bool Evaluate(const QString& condition, const MibVariableList& list);
}  // namespace RowCondition
