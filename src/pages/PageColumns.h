#pragma once
#include <functional>
#include <vector>

class CPage;
class QWidget;

// Two-column layouts for pages whose groups would not fit one above the other.
namespace PageColumns {
// A tall page in two columns inside a scrolled area: the page's groups and
// lists (in declaration order) go left, or right where `right` says so; the
// buttons stay at the foot of the page.
void Arrange(CPage* page, const std::function<bool(QWidget* part)>& right);
// The given groups side by side, above the rest of the page.
void Arrange(CPage& page, const std::vector<QWidget*>& left, const std::vector<QWidget*>& right);
}  // namespace PageColumns
