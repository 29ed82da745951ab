// How much of a long text the viewer shows.
#include "clipboard/ShownLines.h"

#include <gtest/gtest.h>

using namespace clipboard;

TEST(ShownLines, KeepsTheFirstLinesWithinBothLimitsAndCountsTheRest) {
    struct Case {
        const char* text;
        size_t maxLines;
        size_t maxBytes;
        size_t linesAfter;
        const char* shown;
    };
    const Case cases[] = {
        {"", 2, 99, 0, ""},
        {"a\r\nb", 2, 99, 0, "a\r\nb"},
        {"a\r\nb\r\n", 2, 99, 0, "a\r\nb\r\n"},
        {"a\r\nb\r\nc", 2, 99, 0, "a\r\nb\r\n... and 1 more"},
        {"a\nb\n\nd\n", 1, 99, 0, "a\n... and 3 more"},
        {"one line", 0, 99, 0, "... and 1 more"},
        {"one line", 5, 8, 0, "one line"},
        {"a long line", 5, 6, 0, "a long\r\n... and 1 more"},
        {"ab\r\nlong\r\nc", 5, 6, 0, "ab\r\nlo\r\n... and 2 more"},
        {"ab\r\ncd\r\n", 5, 4, 0, "ab\r\n... and 1 more"},
        {"ab\r\n", 5, 99, 7, "ab\r\n... and 7 more"},
        {"ab\r\ncd", 1, 99, 7, "ab\r\n... and 8 more"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstLines(c.text, c.maxLines, c.maxBytes, c.linesAfter), c.shown) << c.text;
}
