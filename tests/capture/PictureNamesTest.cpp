#include "capture/PictureNames.h"

#include <gtest/gtest.h>

#include <set>

using capture::NameProblem;

TEST(AutomaticPictureName, JoinsDateAndTimeWithoutLeadingZeros) {
    struct Case {
        ui::DateTime when;
        const char* name;
    };
    const Case cases[] = {
        {{2026, 12, 7, 16, 5, 9}, "20261271659"},
        {{2027, 3, 1, 9, 5, 3}, "202731953"},
        {{2026, 12, 31, 23, 59, 59}, "20261231235959"},
        {{2026, 1, 1, 0, 0, 0}, "202611000"},
    };
    for (const Case& c : cases) EXPECT_EQ(capture::AutomaticPictureName(c.when), c.name);
}

TEST(AutomaticPictureName, DifferentMomentsCanShareAName) {
    EXPECT_EQ(capture::AutomaticPictureName({2026, 11, 1, 10, 0, 0}),
              capture::AutomaticPictureName({2026, 1, 11, 10, 0, 0}));
}

TEST(NumberedPictureName, FirstIsPlainThenUnderscoreNumberBeforeTheExtension) {
    EXPECT_EQ(capture::NumberedPictureName("C:\\pics\\holiday", 1, ".jpg"), "C:\\pics\\holiday.jpg");
    EXPECT_EQ(capture::NumberedPictureName("C:\\pics\\holiday", 2, ".png"), "C:\\pics\\holiday_2.png");
    EXPECT_EQ(capture::NumberedPictureName("C:\\pics\\holiday.jpg", 3, ".jpg"),
              "C:\\pics\\holiday.jpg_3.jpg");
}

TEST(NextFreePictureName, SkipsEveryTakenName) {
    const std::set<std::string> taken{"d\\a.jpg", "d\\a_2.jpg", "d\\a_4.jpg"};
    auto isTaken = [&](const std::string& name) { return taken.count(name) > 0; };
    EXPECT_EQ(capture::NextFreePictureName("d\\a", ".jpg", isTaken), "d\\a_3.jpg");
    EXPECT_EQ(capture::NextFreePictureName("d\\b", ".jpg", isTaken), "d\\b.jpg");
    EXPECT_EQ(capture::NextFreePictureName("d\\a", ".png", isTaken), "d\\a.png")
        << "a JPEG does not take a PNG's name";
}

TEST(NextFreePictureName, ThrowsWhenEveryNumberIsTaken) {
    EXPECT_THROW(capture::NextFreePictureName("d\\a", ".jpg", [](const std::string&) { return true; }),
                 std::runtime_error);
}

TEST(TypedNameProblem, AcceptsPlainNamesAndRefusesPathsForbiddenCharactersDevicesAndLongNames) {
    struct Case {
        std::string name;
        NameProblem problem;
    };
    const Case cases[] = {
        {"holiday", NameProblem::None},
        {"holiday.jpg", NameProblem::None},
        {"my picture (2)", NameProblem::None},
        {"..", NameProblem::None}, // "...jpg" is a plain name in the folder
        {"sub\\name", NameProblem::ForbiddenCharacter},
        {"..\\escape", NameProblem::ForbiddenCharacter},
        {"C:\\Windows\\evil", NameProblem::ForbiddenCharacter},
        {"a/b", NameProblem::ForbiddenCharacter},
        {"what?", NameProblem::ForbiddenCharacter},
        {"star*", NameProblem::ForbiddenCharacter},
        {"<tag>", NameProblem::ForbiddenCharacter},
        {"say \"hi\"", NameProblem::ForbiddenCharacter},
        {"pipe|", NameProblem::ForbiddenCharacter},
        {"stream:name", NameProblem::ForbiddenCharacter},
        {"tab\there", NameProblem::ForbiddenCharacter},
        {"CON", NameProblem::DeviceName},
        {"nul", NameProblem::DeviceName},
        {"Com1", NameProblem::DeviceName},
        {"lpt9.txt", NameProblem::DeviceName},
        {"aux ", NameProblem::DeviceName},
        {"COM0", NameProblem::None},
        {"CONSOLE", NameProblem::None},
        {std::string(240, 'x'), NameProblem::None},
        {std::string(241, 'x'), NameProblem::TooLong},
        {std::string(5000, 'x'), NameProblem::TooLong},
    };
    for (const Case& c : cases) EXPECT_EQ(capture::TypedNameProblem(c.name), c.problem) << c.name;
}

TEST(SizeTexts, LabelIsWidthByHeightPxAndLogAddsColonSize) {
    EXPECT_EQ(capture::SizeText(1920, 1080), "1920 x 1080 px");
    EXPECT_EQ(capture::SizeText(1, 1), "1 x 1 px");
    EXPECT_EQ(capture::CaughtLogText("Picture caught", 640, 480), "Picture caught: 640 x 480");
}
