// File-name templates: what each one makes, and what is refused.
#include "capture/NameTemplate.h"

#include <gtest/gtest.h>

namespace {

const capture::NameFacts kFacts{{2026, 3, 7, 9, 5, 4},       42, 1920, 1080, "Paint.EXE",
                                capture::PictureFormat::Jpeg};

} // namespace

TEST(NameTemplate, MakesNamesFromTextAndTokens) {
    const struct {
        const char* text;
        std::string name;
    } cases[] = {
        {"", capture::AutomaticPictureName(kFacts.when)}, // no template: the automatic name
        {"{year}-{month}-{day} {hour}.{minute}.{second}", "2026-03-07 09.05.04"},
        {"{program}_{counter}", "Paint_0042"},
        {"{width}x{height}.{format}", "1920x1080.jpg"},
        {"shot", "shot"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"}, // what Windows refuses becomes _
        {"name.", "name_"},                               // Windows would drop a final dot
        {"name ", "name_"},
        {"}{year}}", "}2026}"}, // a closing brace alone is text
    };
    for (const auto& c : cases) {
        const capture::NameTemplate parsed = capture::NameTemplate::Parse(c.text);
        EXPECT_EQ(parsed.Problem(), capture::TemplateProblem::None) << c.text;
        EXPECT_EQ(parsed.Expand(kFacts), c.name) << c.text;
    }
    capture::NameFacts unknown = kFacts;
    unknown.program.clear();
    unknown.counter = 123456;
    EXPECT_EQ(capture::NameTemplate::Parse("{program}{counter}").Expand(unknown), "unknown123456");
    EXPECT_TRUE(capture::NameTemplate::Parse("{counter}").UsesCounter());
    EXPECT_FALSE(capture::NameTemplate::Parse("{year}").UsesCounter());
    EXPECT_TRUE(capture::NameTemplate::Parse("").Automatic());
}

TEST(NameTemplate, RefusesUnknownTokensAndOpenBraces) {
    const struct {
        const char* text;
        capture::TemplateProblem problem;
        const char* offending;
    } cases[] = {
        {"{yaer}-x", capture::TemplateProblem::UnknownToken, "{yaer}"},
        {"{Year}", capture::TemplateProblem::UnknownToken, "{Year}"}, // tokens are written in small letters
        {"{}", capture::TemplateProblem::UnknownToken, "{}"},
        {"a{year", capture::TemplateProblem::UnclosedBrace, "{year"},
        {"{year}{", capture::TemplateProblem::UnclosedBrace, "{"},
    };
    for (const auto& c : cases) {
        const capture::NameTemplate parsed = capture::NameTemplate::Parse(c.text);
        EXPECT_EQ(parsed.Problem(), c.problem) << c.text;
        EXPECT_EQ(parsed.Offending(), c.offending) << c.text;
        EXPECT_EQ(parsed.Expand(kFacts), "") << "a refused template makes no name";
        EXPECT_FALSE(parsed.Automatic());
    }
}
