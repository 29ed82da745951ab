#include "ui/SettingsFile.h"
#include "app/OptionsFile.h"
#include "app/TargetFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

using Lines = std::vector<std::string>;

// Names a table row after the rule it checks.
template <typename Case> std::string RuleName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char* c = info.param.rule; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

// --- Lines of a settings file ----------------------------------------------------

struct LinesCase {
    const char* rule;
    std::string content;
    Lines lines;
};
void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.rule;
}

class SettingsLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(SettingsLines, SplitAtCrCrLfAndLf) {
    EXPECT_EQ(ui::SplitSettingsLines(GetParam().content), GetParam().lines) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsLines,
    ::testing::Values(
        LinesCase{"an empty file has no lines", "", {}},
        LinesCase{"CR LF ends a line", "a\r\nb\r\n", {"a", "b"}},
        LinesCase{"a lone CR ends a line", "a\rb\rc\r\n", {"a", "b", "c"}},
        LinesCase{"a lone LF ends a line", "a\nb\n", {"a", "b"}},
        LinesCase{"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        LinesCase{"a last line without a line end counts", "a\r\nb", {"a", "b"}},
        LinesCase{"empty lines stay empty", "\r\n\r\nx\r\n", {"", "", "x"}},
        LinesCase{"a file of one line end holds one empty line", "\r\n", {""}},
        LinesCase{"a CR at the very end ends the line", "a\r", {"a"}},
        LinesCase{"NUL bytes are ordinary characters", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}}),
    RuleName<LinesCase>);

// --- Reading only what is used: the first lines, or the end of a file ---------------

struct PartCase {
    const char* rule;
    std::string content;
    size_t limit; // lines of the head, bytes of the tail
    std::string head;
    std::string tail;
};
void PrintTo(const PartCase& c, std::ostream* os) {
    *os << c.rule;
}

class SettingsParts : public ::testing::TestWithParam<PartCase> {};

TEST_P(SettingsParts, HeadHoldsTheFirstLinesAndTailTheCompleteLastOnes) {
    // Each row has a file of its own: the rows run side by side as separate processes.
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("vellicor-settings-part-" + RuleName<PartCase>({GetParam(), 0}) + ".ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << GetParam().content;
    }
    EXPECT_EQ(ui::ReadSettingsHead(path.string(), GetParam().limit), GetParam().head);
    EXPECT_EQ(ui::ReadSettingsTail(path.string(), GetParam().limit), GetParam().tail);
    std::filesystem::remove(path);
    EXPECT_EQ(ui::ReadSettingsHead(path.string(), 1), std::nullopt);
    EXPECT_EQ(ui::ReadSettingsTail(path.string(), 1), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsParts,
    ::testing::Values(
        PartCase{"a file within the limits is read whole", "a\r\nb\r\n", 10, "a\r\nb\r\n", "a\r\nb\r\n"},
        PartCase{"the head ends with the last line's CR LF", "a\r\nb\r\nc\r\n", 2, "a\r\nb\r\n", ""},
        PartCase{"lone CR and LF end lines", "a\rb\nc", 3, "a\rb\nc", "b\nc"},
        PartCase{"a line cut by the tail's start is left out", "long line\r\nlast\r\n", 8,
                 "long line\r\nlast\r\n", "last\r\n"},
        PartCase{"a CR LF split by the tail's start is one line end", "abc\r\nxy\r\n", 4, "abc\r\nxy\r\n",
                 "xy\r\n"},
        PartCase{"a limit of nothing reads nothing", "abc\r\n", 0, "", ""},
        PartCase{"one huge line has no complete line in the tail", std::string(5000, 'x'), 100,
                 std::string(5000, 'x'), ""}),
    RuleName<PartCase>);

TEST(SettingsFile, ReadsBytesUnchangedAndMissingFileIsNothing) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "vellicor-settings-read.ini";
    const std::string bytes("C:\\Bilder mit \xC4\r\n\0\xFF", 19);
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    EXPECT_EQ(ui::ReadSettingsFile(path.string()), bytes);
    std::filesystem::remove(path);
    EXPECT_EQ(ui::ReadSettingsFile(path.string()), std::nullopt);
}

// --- VLCREXT.INI written ---------------------------------------------------------

app::OptionsValues Options(int resolution, std::array<int, app::kOptionCheckCount> checks,
                           std::string width = {}, std::string height = {}) {
    return {resolution, checks, std::move(width), std::move(height)};
}

struct WriteCase {
    const char* rule;
    app::OptionsValues values;
    std::string file;
};
void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.rule;
}

class OptionsFileWritten : public ::testing::TestWithParam<WriteCase> {};

TEST_P(OptionsFileWritten, AsTwelveDigitsCustomLinesAfterCrAndCrLfAtTheEnd) {
    EXPECT_EQ(app::FormatOptionsFile(GetParam().values), GetParam().file) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OptionsFileWritten,
    ::testing::Values(
        WriteCase{"1024 x 768 with Check2, Check5, Check8", Options(3, {0, 1, 0, 0, 1, 0, 0, 1, 0}),
                  "301001001000\r\n"},
        WriteCase{"Check9 is the tenth digit", Options(2, {1, 1, 0, 0, 0, 0, 0, 1, 1}), "211000001100\r\n"},
        WriteCase{"Check10 is the eleventh digit", Options(2, {1, 1, 0, 0, 0, 0, 0, 1, 0, 1}),
                  "211000001010\r\n"},
        WriteCase{"Check11 is the twelfth digit", Options(2, {1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1}),
                  "211000001001\r\n"},
        WriteCase{"the defaults", Options(2, {1, 1, 0, 0, 0, 0, 0, 1, 0}), "211000001000\r\n"},
        WriteCase{"custom lines follow single CRs", Options(6, {1, 1, 0, 0, 0, 0, 0, 1, 0}, "1000", "700"),
                  "611000001000\r1000\r700\r\n"},
        WriteCase{"custom texts are written as typed", Options(6, {0, 0, 0, 0, 0, 0, 0, 0, 0}, "12a", ""),
                  "600000000000\r12a\r\r\n"},
        WriteCase{"custom texts are not written without Option6",
                  Options(5, {0, 0, 0, 0, 0, 0, 0, 0, 0}, "1", "2"), "500000000000\r\n"},
        WriteCase{"the greyed state is written as 2", Options(1, {2, 0, 0, 0, 0, 0, 0, 2, 0}),
                  "120000002000\r\n"},
        WriteCase{"ANSI bytes of the custom texts stay",
                  Options(6, {0, 0, 0, 0, 0, 0, 0, 0, 0}, "\xC4", "1 000"), "600000000000\r\xC4\r1 000\r\n"}),
    RuleName<WriteCase>);

TEST(OptionsFileWritten, ValuesOneDigitCannotHoldAreRefused) {
    EXPECT_THROW(app::FormatOptionsFile(Options(0, {})), std::invalid_argument) << "no resolution selected";
    EXPECT_THROW(app::FormatOptionsFile(Options(7, {})), std::invalid_argument);
    EXPECT_THROW(app::FormatOptionsFile(Options(2, {0, 0, 3, 0, 0, 0, 0, 0, 0})), std::invalid_argument);
    EXPECT_THROW(app::FormatOptionsFile(Options(2, {0, 0, 0, 0, 0, 0, 0, -1, 0})), std::invalid_argument);
}

// --- VLCREXT.INI read ------------------------------------------------------------

using Checks = std::array<std::optional<int>, app::kOptionCheckCount>;
constexpr std::nullopt_t kKeep = std::nullopt;

struct ReadCase {
    const char* rule;
    std::string file;
    std::optional<int> resolution;
    Checks checks;
    std::optional<std::string> width = std::nullopt;
    std::optional<std::string> height = std::nullopt;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.rule;
}

class OptionsFileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(OptionsFileRead, SetsOnlyWhatLineOneAndTheCustomLinesHold) {
    const ReadCase& c = GetParam();
    const app::OptionsFileContent read = app::ParseOptionsFile(c.file);
    EXPECT_EQ(read.resolution, c.resolution) << c.rule;
    EXPECT_EQ(read.checks, c.checks) << c.rule;
    EXPECT_EQ(read.customWidth, c.width) << c.rule;
    EXPECT_EQ(read.customHeight, c.height) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OptionsFileRead,
    ::testing::Values(
        ReadCase{"a full line sets everything", "301001001\r\n", 3, {0, 1, 0, 0, 1, 0, 0, 1, kKeep}},
        ReadCase{"custom lines after CRs fill both boxes",
                 "611000001\r1000\r700\r\n",
                 6,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep},
                 "1000",
                 "700"},
        ReadCase{"the reset line leaves Check7, Check8 and Check9",
                 "2110000\r\n",
                 2,
                 {1, 1, 0, 0, 0, 0, kKeep, kKeep, kKeep}},
        ReadCase{"an empty file changes nothing", "", kKeep, {}},
        ReadCase{"a short line sets only its positions",
                 "41",
                 4,
                 {1, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep}},
        ReadCase{"an unknown first character selects no button",
                 "911000001\r\n",
                 kKeep,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep}},
        ReadCase{"a zero selects no button", "011000001\r\n", kKeep, {1, 1, 0, 0, 0, 0, 0, 1, kKeep}},
        ReadCase{"a digit above 2 or a non-digit leaves its box",
                 "2251x1/:2\r\n",
                 2,
                 {2, kKeep, 1, kKeep, 1, kKeep, kKeep, 2, kKeep}},
        ReadCase{"an empty first line selects nothing", "\r\n611000001\r\n", kKeep, {}},
        ReadCase{"custom lines are read only with the digit 6",
                 "511000001\r1000\r700\r\n",
                 5,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep}},
        ReadCase{"digit 6 without custom lines leaves both boxes",
                 "611000001\r\n",
                 6,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep}},
        ReadCase{"digit 6 without line 3 leaves the height box",
                 "611000001\r1000\r\n",
                 6,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep},
                 "1000"},
        ReadCase{"an empty custom line arrives as a single blank",
                 "611000001\r\r700\r\n",
                 6,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep},
                 " ",
                 "700"},
        ReadCase{"CR LF between the lines works too",
                 "611000001\r\n1000\r\n700\r\n",
                 6,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep},
                 "1000",
                 "700"},
        ReadCase{"LF-only line ends work too",
                 "611000001\n1000\n700\n",
                 6,
                 {1, 1, 0, 0, 0, 0, 0, 1, kKeep},
                 "1000",
                 "700"},
        ReadCase{"the tenth digit sets Check9", "2110000011\r\n", 2, {1, 1, 0, 0, 0, 0, 0, 1, 1}},
        ReadCase{"the eleventh digit sets Check10", "21100000101\r\n", 2, {1, 1, 0, 0, 0, 0, 0, 1, 0, 1}},
        ReadCase{"the twelfth digit sets Check11", "211000001001\r\n", 2, {1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1}},
        ReadCase{"characters beyond twelve are ignored",
                 "100000000202221\r\n",
                 1,
                 {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2}},
        ReadCase{"binary bytes are ignored position by position",
                 std::string("\x01\xFF\x00"
                             "2\x80",
                             5),
                 kKeep,
                 {kKeep, kKeep, 2, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep}}),
    RuleName<ReadCase>);

TEST(OptionsFileRead, EveryLineGoesToTheHiddenListAnEmptyOneAsABlank) {
    const app::OptionsFileContent read = app::ParseOptionsFile("611000001\r\r700\r\n\r\nlast");
    EXPECT_EQ(read.lines, (Lines{"611000001", " ", "700", " ", "last"}));
}

TEST(OptionsFileRead, HiddenListTakesLinesUpToItsLimit) {
    std::string file;
    for (size_t i = 0; i < app::kOptionsListLimit; ++i) file += std::to_string(i) + "\r\n";
    EXPECT_EQ(app::ParseOptionsFile(file).lines.size(), app::kOptionsListLimit);
    EXPECT_EQ(app::ParseOptionsFile(file + "one more\r\n").lines.back(),
              std::to_string(app::kOptionsListLimit - 1));
}

TEST(OptionsFileRead, WrittenOptionsReadBackUnchanged) {
    const app::OptionsValues written = Options(6, {2, 1, 0, 1, 0, 1, 0, 2}, "1024,5", "-7e2");
    const app::OptionsFileContent read = app::ParseOptionsFile(app::FormatOptionsFile(written));
    EXPECT_EQ(read.resolution, 6);
    for (size_t k = 0; k < 8; ++k) EXPECT_EQ(read.checks[k], written.checks[k]) << "Check" << k + 1;
    EXPECT_EQ(read.customWidth, "1024,5");
    EXPECT_EQ(read.customHeight, "-7e2");
}

TEST(OptionsFileRead, SeveralMegabytesAfterLineOneOnlyFillTheList) {
    std::string file = "301001001\r\n";
    for (int i = 0; i < 300000; ++i) file += "0123456789abcdef\r\n"; // about 5.4 MB
    const app::OptionsFileContent read = app::ParseOptionsFile(file);
    EXPECT_EQ(read.resolution, 3);
    EXPECT_EQ(read.checks[1], 1);
    EXPECT_EQ(read.customWidth, std::nullopt);
    ASSERT_EQ(read.lines.size(), app::kOptionsListLimit) << "the hidden list keeps only the first lines";
    EXPECT_EQ(read.lines[0], "301001001");
    EXPECT_EQ(read.lines.back(), "0123456789abcdef");
}

TEST(OptionsFileRead, ResetTextIsSevenCharactersAndCrLf) {
    EXPECT_EQ(std::string(app::kResetOptionsText), "2110000\r\n");
}

// --- TARGETn.INI -------------------------------------------------------------------

TEST(TargetFile, NamesAreTarget1To5) {
    EXPECT_EQ(app::TargetFileName(1), "TARGET1.INI");
    EXPECT_EQ(app::TargetFileName(5), "TARGET5.INI");
}

// Latin-1 stands in for the system's ANSI code page: U+0000..U+00FF fit.
const app::AnsiCodePage kLatin1{
    [](std::string_view utf8) -> std::optional<std::string> {
        std::string ansi;
        for (size_t i = 0; i < utf8.size(); ++i) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            if (lead < 0x80) {
                ansi += static_cast<char>(lead);
            } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size() &&
                       (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
                ansi +=
                    static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
            } else {
                return std::nullopt;
            }
        }
        return ansi;
    },
    [](std::string_view ansi) {
        std::string utf8;
        for (const char c : ansi) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                utf8 += c;
            } else {
                utf8 += static_cast<char>(0xC0 | (byte >> 6));
                utf8 += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
        return utf8;
    }};

const std::string kBom = "\xEF\xBB\xBF";
const std::string kPhoto = "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE"; // Cyrillic "Фото"
const std::string kPictures = "\xE5\x86\x99\xE7\x9C\x9F";      // CJK "写真"
const std::string kUmlautA = "\xC3\x84";                       // "Ä", in Latin-1 0xC4

struct TargetWriteCase {
    const char* rule;
    std::string folder;
    std::string file;
};
void PrintTo(const TargetWriteCase& c, std::ostream* os) {
    *os << c.rule;
}

class TargetFileWrite : public ::testing::TestWithParam<TargetWriteCase> {};

TEST_P(TargetFileWrite, AnsiWhenEveryCharacterFitsElseUtf8WithBom) {
    EXPECT_EQ(app::FormatTargetFile(GetParam().folder, kLatin1), GetParam().file) << GetParam().rule;
    EXPECT_EQ(app::TargetFolderOf(GetParam().file, kLatin1), GetParam().folder)
        << "read back: " << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TargetFileWrite,
    ::testing::Values(TargetWriteCase{"the folder and CR LF", "C:\\Pictures", "C:\\Pictures\r\n"},
                      TargetWriteCase{"an empty folder is an empty line", "", "\r\n"},
                      TargetWriteCase{"a letter of the code page is written in it",
                                      "C:\\Bilder mit " + kUmlautA, "C:\\Bilder mit \xC4\r\n"},
                      TargetWriteCase{"a Cyrillic folder is UTF-8 with a BOM", "Z:\\" + kPhoto,
                                      kBom + "Z:\\" + kPhoto + "\r\n"},
                      TargetWriteCase{"a CJK folder is UTF-8 with a BOM", "Z:\\" + kPictures,
                                      kBom + "Z:\\" + kPictures + "\r\n"},
                      TargetWriteCase{"one character outside makes the whole line UTF-8",
                                      "C:\\" + kUmlautA + "\\" + kPhoto,
                                      kBom + "C:\\" + kUmlautA + "\\" + kPhoto + "\r\n"}),
    RuleName<TargetWriteCase>);

struct TargetCase {
    const char* rule;
    std::string file;
    std::optional<std::string> folder;
};
void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.rule;
}

class TargetFileRead : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetFileRead, LastLineIsTheFolder) {
    EXPECT_EQ(app::TargetFolderOf(GetParam().file, kLatin1), GetParam().folder) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TargetFileRead,
    ::testing::Values(
        TargetCase{"one line with CR LF", "C:\\Pictures\r\n", "C:\\Pictures"},
        TargetCase{"the last of several lines counts", "C:\\Old\r\nD:\\New\r\n", "D:\\New"},
        TargetCase{"a line without a line end counts", "C:\\Old\r\nD:\\New", "D:\\New"},
        TargetCase{"CR-only line ends", "C:\\Old\rD:\\New\r", "D:\\New"},
        TargetCase{"LF-only line ends", "C:\\Old\nD:\\New\n", "D:\\New"},
        TargetCase{"an only line that is empty is an empty folder", "\r\n", ""},
        TargetCase{"an empty last line counts as well", "C:\\Old\r\n\r\n", ""},
        TargetCase{"an empty file names nothing", "", std::nullopt},
        TargetCase{"blanks stay and ANSI letters become UTF-8", "C:\\Bilder mit \xC4\\Urlaub\r\n",
                   "C:\\Bilder mit " + kUmlautA + "\\Urlaub"},
        TargetCase{"binary bytes stay in the line", std::string("\x01\x7F\x00x\r\n", 6),
                   std::string("\x01\x7F\x00x", 4)},
        TargetCase{"a BOM makes the lines UTF-8", kBom + "C:\\Old\r\nZ:\\" + kPictures + "\r\n",
                   "Z:\\" + kPictures},
        TargetCase{"UTF-8 bytes without a BOM are ANSI", "Z:\\" + kUmlautA, "Z:\\\xC3\x83\xC2\x84"},
        TargetCase{"a BOM alone names nothing", kBom, std::nullopt}),
    RuleName<TargetCase>);

TEST(TargetFileRead, SeveralMegabytesOfLinesGiveTheLast) {
    std::string file;
    for (int i = 0; i < 400000; ++i) file += "C:\\Folder\\" + std::to_string(i) + "\r\n";
    EXPECT_GT(file.size(), 5000000u);
    EXPECT_EQ(app::TargetFolderOf(file, kLatin1), "C:\\Folder\\399999");
}

TEST(WebpQuality, IsAWholeNumberFrom0To100AndEmptyIsTheDefault) {
    const struct {
        const char* typed;
        std::optional<int> quality;
    } cases[] = {{"0", 0},    {"100", 100}, {" 75\t", 75}, {"", 90},           {"  ", 90},
                 {"101", {}}, {"-5", {}},   {"7.5", {}},   {"0075", {}},       {"12a", {}},
                 {"1 2", {}}, {"+50", {}},  {"\xB5", {}},  {"99999999999", {}}};
    for (const auto& c : cases) EXPECT_EQ(app::ParseWebpQuality(c.typed), c.quality) << '"' << c.typed << '"';
}
