// How much of a long text the viewer shows.
#include "clipboard/ShownLines.h"

#include <gtest/gtest.h>

using namespace clipboard;

TEST(ShownLines, KeepsTheFirstLinesAndCountsTheRest) {
    struct Case {
        const char* text;
        size_t keep;
        const char* shown;
    };
    const Case cases[] = {
        {"", 2, ""},
        {"a\r\nb", 2, "a\r\nb"},
        {"a\r\nb\r\n", 2, "a\r\nb\r\n"},
        {"a\r\nb\r\nc", 2, "a\r\nb\r\n... and 1 more"},
        {"a\nb\n\nd\n", 1, "a\n... and 3 more"},
        {"one line", 0, "... and 1 more"},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstLines(c.text, c.keep), c.shown) << c.text;
}
