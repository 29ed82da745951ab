// The pieces of the chain hook and the stock font that need no window.
#include "clipboard/DropFileList.h"
#include "clipboard/HookTrace.h"
#include "clipboard/StockFontTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace clipboard;
using namespace std::string_literals;

TEST(UnhookTrace, ThreeLinesWithNumberDescriptionWindowMessageAndParameters) {
    const std::string trace =
        UnhookTraceText({-2147221503, "Client object must support the hWnd property."}, 0x1A2B, 0x308, 7, -1);
    EXPECT_EQ(trace, "Unhook on Error, #-2147221503\r\n"
                     "  Desc: Client object must support the hWnd property.\r\n"
                     "  Message, hWnd: &h1A2B, Msg: &h308, Params: 7, -1\r\n");
}

TEST(StockFontTable, ChoicesZeroToFiveMapToTheirStockObjects) {
    const std::pair<int, int> table[] = {{0, 10}, {1, 12}, {2, 11}, {3, 13}, {4, 16}, {5, 14}};
    for (const auto& [choice, id] : table) {
        EXPECT_EQ(StockObjectIdFor(choice, 99), id) << choice;
        EXPECT_EQ(StockFontChoiceOf(id), choice) << id;
    }
}

TEST(StockFontTable, ChoicesOutsideTheRangeKeepTheCurrentFont) {
    for (int choice : {-1, 6, 100}) EXPECT_EQ(StockObjectIdFor(choice, 11), 11) << choice;
}

TEST(StockFontTable, IdsWithoutAChoiceReadAsZero) {
    for (int id : {0, 15, 17, 99}) EXPECT_EQ(StockFontChoiceOf(id), 0) << id;
}

namespace {

// A DROPFILES header (list offset, point, non-client flag, wide flag) and a list.
std::vector<unsigned char> DropBlock(std::uint32_t listOffset, bool wide, const std::string& list) {
    std::vector<unsigned char> block(kDropFilesHeaderSize, 0);
    for (int i = 0; i < 4; ++i) block[i] = static_cast<unsigned char>(listOffset >> (8 * i));
    block[16] = wide ? 1 : 0;
    block.insert(block.end(), list.begin(), list.end());
    return block;
}

std::string Wide(const std::string& narrow) {
    std::string wide;
    for (char c : narrow) wide += std::string{c, '\0'};
    return wide;
}

std::optional<size_t> NameCount(const std::vector<unsigned char>& block) {
    const std::optional<DropFileNames> names = ReadDropFileNames(block.data(), block.size(), 0);
    return names ? std::optional(names->count) : std::nullopt;
}

} // namespace

TEST(DropFileList, CountsNamesOnlyOfListsThatEndInsideTheBlock) {
    constexpr std::optional<size_t> malformed;
    struct Case {
        const char* rule;
        std::vector<unsigned char> block;
        std::optional<size_t> names;
    };
    const Case cases[] = {
        {"two ANSI names", DropBlock(20, false, "C:\\a.txt\0C:\\b\0\0"s), 2},
        {"an empty list", DropBlock(20, false, "\0"s), 0},
        {"an empty list with two NULs", DropBlock(20, false, "\0\0"s), 0},
        {"an empty wide list", DropBlock(20, true, "\0\0"s), 0},
        {"two wide names", DropBlock(20, true, Wide("C:\\a\0C:\\b\0\0"s)), 2},
        {"a list after a gap", DropBlock(24, false, "\0\0\0\0x\0\0"s), 1},
        {"no list bytes at all", DropBlock(20, false, ""), malformed},
        {"a name without its NUL", DropBlock(20, false, "C:\\a.txt"), malformed},
        {"a name without the closing empty name", DropBlock(20, false, "C:\\a.txt\0"s), malformed},
        {"a wide list ending in half a character", DropBlock(20, true, Wide("C:\\a\0"s) + "\0"s), malformed},
        {"a list offset past the block", DropBlock(4000, false, "\0\0"s), malformed},
        {"a list offset inside the header", DropBlock(8, false, "\0\0"s), malformed},
        {"a list offset of 2^32-1", DropBlock(0xFFFFFFFF, false, "\0\0"s), malformed},
        {"a header cut short", std::vector<unsigned char>(19, 0), malformed},
        {"nothing", {}, malformed},
    };
    for (const Case& c : cases) EXPECT_EQ(NameCount(c.block), c.names) << c.rule;
    EXPECT_FALSE(ReadDropFileNames(nullptr, 100, 1)) << "no block";
}

TEST(DropFileList, KeepsTheFirstNamesAsTheyAreAndCountsThemAll) {
    for (bool wide : {false, true}) {
        const auto encode = [wide](const std::string& s) { return wide ? Wide(s) : s; };
        const auto block = DropBlock(20, wide, encode("C:\\a.txt\0D:\\b\0E:\\c\0\0"s));
        const std::optional<DropFileNames> names = ReadDropFileNames(block.data(), block.size(), 2);
        ASSERT_TRUE(names);
        EXPECT_EQ(names->wide, wide);
        EXPECT_EQ(names->count, 3u);
        const std::vector<std::string> first(names->first.begin(), names->first.end());
        EXPECT_EQ(first, (std::vector<std::string>{encode("C:\\a.txt"), encode("D:\\b")}));
    }
}
