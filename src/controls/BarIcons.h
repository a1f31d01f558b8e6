#pragma once
#include <QIcon>
#include <vector>

// The module's icons, drawn in code: the eleven outlook-bar icons (resource
// numbers 111 to 121) and the frame icon 222.
namespace BarIcons {
// The icon of a resource number; an unknown number gives a plain square.
QIcon Icon(int resourceId);
// The pixmap of one size.
QPixmap Pixmap(int resourceId, int size);
// The icons in the given order, all of one size.
std::vector<QIcon> IconList(const std::vector<int>& resourceIds, int size);
}  // namespace BarIcons
