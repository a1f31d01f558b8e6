#include "host/TextPool.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The texts handed to a host stay readable, as added, until the pool goes:
// short ones share blocks, long ones have their own, none moves.
TEST(TextPool, TextsStayWhereTheyAreUntilThePoolGoes) {
    TextPool pool;
    std::vector<std::pair<const char*, std::string>> added;
    for (int i = 0; i < 2000; ++i) {
        const std::string text = std::string(static_cast<size_t>(i % 300), 'a' + static_cast<char>(i % 26)) +
                                 std::to_string(i);
        added.emplace_back(i % 2 ? pool.Add(QString::fromStdString(text)) : pool.Add(text.c_str()), text);
    }
    const std::string longText(5000, 'x');
    const char* longOne = pool.Add(QString::fromStdString(longText));
    const char* afterLong = pool.Add(QStringLiteral("after"));
    for (const auto& [at, text] : added)
        ASSERT_STREQ(at, text.c_str());
    EXPECT_STREQ(longOne, longText.c_str());
    EXPECT_STREQ(afterLong, "after");

    TextPool moved(std::move(pool));
    EXPECT_STREQ(added.front().first, added.front().second.c_str());
    EXPECT_STREQ(moved.Add("more"), "more");
    EXPECT_STREQ(added.back().first, added.back().second.c_str());
}

// Every text reaches the host in UTF-8 as Qt encodes it, also what is not
// plain ASCII, a lone surrogate included.
TEST(TextPool, TextsAreUtf8AsQtWritesThem) {
    TextPool pool;
    const QString samples[] = {QString(), QStringLiteral(""), QStringLiteral("plain 127.0.0.1"),
                               QString::fromUtf8("caf\xc3\xa9"), QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac"),
                               QString::fromUtf8("\xf0\x9f\x98\x80 smile"), QString(QChar(0xd800)) + QStringLiteral("x"),
                               QString(QChar(0x7f))};
    for (const QString& text : samples)
        EXPECT_EQ(QByteArray(pool.Add(text)), text.toUtf8()) << qPrintable(text);
    EXPECT_STREQ(pool.Add(static_cast<const char*>(nullptr)), "");
}

}  // namespace
