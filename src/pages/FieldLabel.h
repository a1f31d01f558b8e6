#pragma once

class CPage;
class PageField;
class QLabel;

// The label a page form put beside a field (its buddy), or nullptr; for
// pages whose labels change with the device's state.
namespace FieldLabel {
QLabel* Of(const CPage& page, const PageField& field);
}  // namespace FieldLabel
