// The viewer's knowledge of clipboard formats: names, priorities, renderers.
#include "clipboard/FormatCatalogue.h"

#include <gtest/gtest.h>

using namespace clipboard;

TEST(FormatNames, PredefinedFormatsOneToSixteenHaveTheirOwnNames) {
    const std::pair<long, const char*> table[] = {
        {1, "Text (TXT)"},
        {2, "Bitmap (BMP)"},
        {3, "Metafile (WMF)"},
        {4, "Microsoft Symbolic Link (SYLK)"},
        {5, "Data Interchange Format (DIF)"},
        {6, "Tagged Interchange File Format (TIF)"},
        {7, "OEM Text"},
        {8, "Device Independent Bitmap (DIB)"},
        {9, "Palette"},
        {10, "Pen Data"},
        {11, "RIFF"},
        {12, "Wave"},
        {13, "Unicode Text"},
        {14, "Enhanced Metafile (EMF)"},
        {15, "Dropped Filelist"},
        {16, "Locale Identifier"},
    };
    for (const auto& [id, name] : table) EXPECT_EQ(PredefinedFormatName(id), name) << id;
}

TEST(FormatNames, OtherIdsHaveNoPredefinedName) {
    for (long id : {-1L, 0L, 17L, 128L, 129L, 130L, 131L, 142L, 0xC000L})
        EXPECT_FALSE(PredefinedFormatName(id).has_value()) << id;
}

TEST(FormatNames, NamedFormatReadsNameTwoBlanksAndIdInParentheses) {
    EXPECT_EQ(NamedFormatText("Rich Text Format", 49350), "Rich Text Format  (49350)");
    EXPECT_EQ(NamedFormatText("", 49152), "  (49152)");
}

TEST(FormatNames, FormatWithoutNameReadsUnknownAndId) {
    EXPECT_EQ(UnknownFormatText(17), "Unknown: 17");
    EXPECT_EQ(UnknownFormatText(142), "Unknown: 142");
}

TEST(FormatChoice, PriorityIsOwnerDisplayTextEnhancedMetafileBitmapFileList) {
    EXPECT_EQ(capture::kPriorityList, (std::array<unsigned, 5>{128, 1, 14, 2, 15}));
}

TEST(FormatChoice, EveryShownFormatHasItsRendererAndCaption) {
    struct Row {
        long id;
        Renderer renderer;
        std::string caption;
    };
    const Row table[] = {
        {1, Renderer::Text, "CF_TEXT"},
        {7, Renderer::Text, "CF_OEMTEXT"},
        {129, Renderer::Text, "CF_DSPTEXT"},
        {2, Renderer::Picture, "CF_BITMAP"},
        {3, Renderer::Picture, "CF_METAFILEPICT"},
        {14, Renderer::Picture, "CF_ENHMETAFILE"},
        {130, Renderer::Picture, "CF_DSPBITMAP"},
        {131, Renderer::Picture, "CF_DSPMETAFILEPICT"},
        {9, Renderer::Palette, "CF_PALETTE"},
        {15, Renderer::FileList, "CF_HDROP"},
        {16, Renderer::Locale, "CF_LOCALE"},
        {128, Renderer::OwnerDisplay, "CF_OWNERDRAW"},
    };
    for (const Row& row : table) {
        const FormatView view = ViewOf(row.id);
        EXPECT_EQ(view.renderer, row.renderer) << row.id;
        EXPECT_EQ(view.caption, row.caption) << row.id;
    }
}

TEST(FormatChoice, FormatsWithoutRendererAndMinusOneFallBack) {
    for (long id : {-1L, 0L, 8L, 13L, 17L, 0xC001L}) EXPECT_EQ(ViewOf(id).renderer, Renderer::None) << id;
}

TEST(FormatChoice, TextFileListAndLocaleShowInTheTextBoxOnly) {
    EXPECT_TRUE(ShowsInTextBox(Renderer::Text));
    EXPECT_TRUE(ShowsInTextBox(Renderer::FileList));
    EXPECT_TRUE(ShowsInTextBox(Renderer::Locale));
    EXPECT_FALSE(ShowsInTextBox(Renderer::Picture));
    EXPECT_FALSE(ShowsInTextBox(Renderer::Palette));
    EXPECT_FALSE(ShowsInTextBox(Renderer::OwnerDisplay));
    EXPECT_FALSE(ShowsInTextBox(Renderer::None));
}

TEST(FormatChoice, OnlyFormatsDrawnToTheBoxSizeAreDrawnAgainOnResize) {
    for (long id : {128L, 3L, 131L, 14L, 9L}) EXPECT_TRUE(RedrawsOnResize(id)) << id;
    for (long id : {-1L, 1L, 2L, 7L, 15L, 16L, 129L, 130L}) EXPECT_FALSE(RedrawsOnResize(id)) << id;
}

TEST(FormatChoice, TagValueReadsTheLeadingDecimalNumber) {
    const std::pair<std::string, long> table[] = {
        {"1", 1},
        {"49350", 49350},
        {" 14", 14},
        {"-1", -1},
        {"+2", 2},
        {"", 0},
        {"abc", 0},
        {"12abc", 12},
        {"-", 0},
        {" ", 0},
        {"99999999999999999999", 0},
    };
    for (const auto& [tag, value] : table) EXPECT_EQ(TagValue(tag), value) << '"' << tag << '"';
}
