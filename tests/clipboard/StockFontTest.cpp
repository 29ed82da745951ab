// CStockFont on real controls.
#include "clipboard/StockFont.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/ProgramError.h"

#include <gtest/gtest.h>

using namespace clipboard;

namespace {

class StockFontTest : public ::testing::Test {
  protected:
    HGDIOBJ FontOf(const ui::Control& control) {
        return reinterpret_cast<HGDIOBJ>(SendMessageA(control.hWnd(), WM_GETFONT, 0, 0));
    }
    ui::Form form{"fonts", 3000, 2000, ui::FormStyle::Fixed};
    ui::TextBox box{form, true};
    ui::TextBox other{form};
};

} // namespace

TEST_F(StockFontTest, AControlWithoutWindowHandleRaisesTheObjectDefinedError) {
    CStockFont font;
    try {
        font.SetClient(box);
        FAIL() << "no error raised";
    } catch (const ui::ProgramError& error) {
        EXPECT_EQ(error.Number(), -2147221503);
        EXPECT_EQ(error.Source(), "CStockFont");
        EXPECT_EQ(error.Description(), "Client object must support the hWnd property.");
    }
    EXPECT_EQ(font.Client(), nullptr);

    form.Load();
    font.SetClient(other);
    form.Unload();
    EXPECT_THROW(font.SetClient(box), ui::ProgramError);
    EXPECT_EQ(font.Client(), &other) << "the client is left as it was";
}

TEST_F(StockFontTest, EachChoiceAppliesItsStockFontAndReadsBack) {
    form.Load();
    CStockFont font;
    EXPECT_EQ(font.StockFont(), 4) << "a new object reports the system fixed font";
    font.SetClient(box);
    EXPECT_EQ(font.Client(), &box);
    const std::pair<int, int> table[] = {{0, OEM_FIXED_FONT},    {1, ANSI_VAR_FONT},
                                         {2, ANSI_FIXED_FONT},   {3, SYSTEM_FONT},
                                         {4, SYSTEM_FIXED_FONT}, {5, DEVICE_DEFAULT_FONT}};
    for (const auto& [choice, stockObject] : table) {
        font.SetStockFont(choice);
        EXPECT_EQ(font.StockFont(), choice);
        EXPECT_EQ(FontOf(box), GetStockObject(stockObject)) << choice;
    }
}

TEST_F(StockFontTest, ChoicesOutsideTheRangeApplyThePreviousFontAgain) {
    form.Load();
    CStockFont font;
    font.SetClient(box);
    font.SetStockFont(2);
    for (int choice : {6, -1}) {
        SendMessageA(box.hWnd(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), 0);
        font.SetStockFont(choice);
        EXPECT_EQ(font.StockFont(), 2) << choice;
        EXPECT_EQ(FontOf(box), GetStockObject(ANSI_FIXED_FONT)) << "applied again for " << choice;
    }
}

TEST_F(StockFontTest, WithoutClientTheFontGoesNowhere) {
    form.Load();
    const HGDIOBJ before = FontOf(box);
    CStockFont font;
    font.SetStockFont(1);
    EXPECT_EQ(font.StockFont(), 1);
    EXPECT_EQ(FontOf(box), before);
}
