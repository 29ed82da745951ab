#include "i18n/DriverLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using i18n::SplitDriverLines;
using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string content;
    Lines expected;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class DriverLinesSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(DriverLinesSplit, GivesOneEntryPerLine) {
    EXPECT_EQ(SplitDriverLines(GetParam().content), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AwkwardFiles, DriverLinesSplit,
    ::testing::Values(
        SplitCase{"empty", "", {}}, SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
        SplitCase{"no_final_line_end", "a\r\nb", {"a", "b"}},
        SplitCase{"final_empty_line_is_a_blank_entry", "a\r\n\r\n", {"a", " "}},
        SplitCase{"empty_line_in_the_middle_keeps_the_numbering", "a\r\n\r\nc\r\n", {"a", " ", "c"}},
        SplitCase{"cr_only", "a\rb\rc", {"a", "b", "c"}}, SplitCase{"lf_only", "a\nb\n", {"a", "b"}},
        SplitCase{"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        SplitCase{"blanks_are_kept", "  lead\r\ntrail  \r\n", {"  lead", "trail  "}},
        SplitCase{"only_a_line_end", "\r\n", {" "}},
        SplitCase{"binary_bytes_stay", std::string("a\0b\xff\r\n", 6), {std::string("a\0b\xff", 4)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DriverLines, EmptyLineFortyBecomesEntryThirtyNineAsABlank) {
    std::string content;
    for (int line = 1; line <= 45; ++line)
        content += (line == 40 ? std::string() : "L" + std::to_string(line)) + "\r\n";
    const Lines lines = SplitDriverLines(content);
    ASSERT_EQ(lines.size(), 45u);
    EXPECT_EQ(lines[39], " ");
    EXPECT_EQ(lines[40], "L41");
}

TEST(DriverLines, VeryLongLinesAndManyLinesAreKeptWhole) {
    const std::string longLine(100000, 'x');
    std::string content;
    for (int i = 0; i < 20000; ++i) content += "line\r\n";
    content += longLine + "\r\n";
    const Lines lines = SplitDriverLines(content);
    ASSERT_EQ(lines.size(), 20001u);
    EXPECT_EQ(lines.back(), longLine);
}

TEST(DriverLines, ErrorReportIsNumberInParenthesesBlankAndText) {
    EXPECT_EQ(i18n::ErrorReportText(99, "Cannot save."), "(99) Cannot save.");
    EXPECT_EQ(i18n::ErrorReportText(104, ""), "(104) ");
}
