// The icons drawn in code: eleven distinct bar icons and the frame icon.
#include "controls/BarIcons.h"
#include <QImage>
#include <gtest/gtest.h>
#include <set>

TEST(BarIcons, ElevenDistinctIconsOfBothSizes) {
    const std::vector<int> ids = {111, 113, 114, 117, 118, 112, 121, 116, 119, 120, 115};
    for (int size : {16, 32}) {
        const auto icons = BarIcons::IconList(ids, size);
        ASSERT_EQ(icons.size(), ids.size());
        std::set<QByteArray> seen;
        for (const QIcon& icon : icons) {
            const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(image.width(), size);
            seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        EXPECT_EQ(seen.size(), ids.size()) << "size " << size;
    }
    EXPECT_FALSE(BarIcons::Icon(222).isNull());
}
