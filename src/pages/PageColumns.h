#pragma once
#include <vector>

class CPage;
class QWidget;

// Lays a page's groups out in two columns side by side, above the rest of
// the page (for pages whose groups would not fit one above the other).
namespace PageColumns {
void Arrange(CPage& page, const std::vector<QWidget*>& left, const std::vector<QWidget*>& right);
}  // namespace PageColumns
