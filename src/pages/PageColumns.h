#pragma once
#include <functional>

class CPage;
class QWidget;

// Lays a tall page out in two columns inside a scrolled area: the page's
// groups and lists (in declaration order) go left, or right where `right`
// says so; the buttons stay at the foot of the page.
namespace PageColumns {
void Arrange(CPage* page, const std::function<bool(QWidget* part)>& right);
}
