#pragma once
#include <QString>
#include <functional>

// One check of a field at Save: given the field's text, the message to show
// when it fails, or an empty text when it passes.
using FieldCheck = std::function<QString(const QString& text)>;

// The checks that pages share; each carries the page's own wording.
namespace Checks {
FieldCheck IpAddress(const QString& message);
FieldCheck SubnetMask(const QString& message);
// A decimal integer from low to high inclusive.
FieldCheck Range(long long low, long long high, const QString& message);
// Between min and max characters.
FieldCheck Length(int min, int max, const QString& message);
FieldCheck NotEmpty(const QString& message);
// Any rule of the page's own: `holds` decides.
FieldCheck Holds(std::function<bool(const QString& text)> holds, const QString& message);
}  // namespace Checks
