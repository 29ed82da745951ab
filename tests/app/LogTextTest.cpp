#include "app/LogText.h"

#include <gtest/gtest.h>

TEST(LogText, LineIsDateCommaBlankTimeDashMessage) {
    EXPECT_EQ(app::LogLineText("07/12/2026", "16:20:00", "Options saved."),
              "07/12/2026, 16:20:00 - Options saved.");
}

TEST(LogText, HeaderHasTitleStartWithoutBlankAndRuleOf48) {
    const auto header = app::LogHeaderLines("07/12/2026", "16:20:00");
    ASSERT_EQ(header.size(), 3u);
    EXPECT_EQ(header[0], "Vellicor Rizezuza LOG");
    EXPECT_EQ(header[1], "Started at 07/12/2026,16:20:00");
    EXPECT_EQ(header[2], std::string(48, '='));
}

TEST(LogText, VersionTexts) {
    EXPECT_EQ(app::VersionLabelText(2, 2, 2006), "v.2.2.2006");
    EXPECT_EQ(app::MainTitleText(2, 2), "Vellicor Rizezuza 2.2");
    EXPECT_EQ(app::AboutVersionText(1, 2, 15), "1.2.15");
    EXPECT_EQ(app::AboutVersionText(0, 9, 3), "0.9.3 BETA");
}

TEST(LogText, APictureLineGivesItsPathAndNoOtherLineDoes) {
    const struct {
        const char* line;
        std::optional<std::string> path;
    } cases[] = {
        {"07/12/2026, 16:20:00 - Picture saved: C:\\Pictures\\1.jpg", "C:\\Pictures\\1.jpg"},
        {"07/12/2026, 16:20:00 - Kept in: C:\\Users\\u\\Unsaved\\a - b.jpg",
         "C:\\Users\\u\\Unsaved\\a - b.jpg"},
        {"07/12/2026, 16:20:00 - Picture saved: ", std::nullopt},
        {"07/12/2026, 16:20:00 - Picture saved", std::nullopt},
        {"07/12/2026, 16:20:00 - Picture savedX: C:\\1.jpg", std::nullopt},
        {"07/12/2026, 16:20:00 - Options saved.", std::nullopt},
        {"Vellicor Rizezuza LOG", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::PictureOfLogLine(c.line, "Picture saved", "Kept in"), c.path) << c.line;
    EXPECT_EQ(app::PictureOfLogLine("d, t - : C:\\x.jpg", "", ""), std::nullopt)
        << "an empty catalogue text matches nothing";
}
