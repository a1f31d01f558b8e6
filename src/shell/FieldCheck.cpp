#include "FieldCheck.h"
#include "Validators.h"

namespace Checks {

FieldCheck IpAddress(const QString& message) {
    return [message](const QString& text) { return Validators::IsValidIpAddress(text) ? QString() : message; };
}

FieldCheck SubnetMask(const QString& message) {
    return [message](const QString& text) { return Validators::IsValidSubnetMask(text) ? QString() : message; };
}

FieldCheck Range(long long low, long long high, const QString& message) {
    return [=](const QString& text) { return Validators::IsNumberInRange(text, low, high) ? QString() : message; };
}

FieldCheck Length(int min, int max, const QString& message) {
    return [=](const QString& text) { return text.size() >= min && text.size() <= max ? QString() : message; };
}

FieldCheck NotEmpty(const QString& message) {
    return [message](const QString& text) { return text.isEmpty() ? message : QString(); };
}

FieldCheck Holds(std::function<bool(const QString& text)> holds, const QString& message) {
    return [holds = std::move(holds), message](const QString& text) { return holds(text) ? QString() : message; };
}

}  // namespace Checks
