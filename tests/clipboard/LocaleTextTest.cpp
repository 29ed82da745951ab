// Trimming system buffers and the text of a locale description.
#include "clipboard/LocaleText.h"

#include <gtest/gtest.h>

using namespace clipboard;
using namespace std::string_literals;

TEST(TrimAtNull, CutsAtTheFirstNulOrTrimsBlanksWhenThereIsNone) {
    const std::pair<std::string, std::string> table[] = {
        {"abc\0   "s, "abc"},        // three characters, a NUL and blanks
        {"     "s, ""},              // blanks without a NUL
        {"\0abc"s, ""},              // a NUL first
        {" word "s, "word"},         // one blank before and after, no NUL
        {""s, ""},                   // nothing at all
        {"a\0b\0"s, "a"},            // the first NUL counts
        {" a b \0 "s, " a b "},      // no trimming once a NUL is found
        {"\tword\t"s, "\tword\t"},   // only blanks are trimmed
        {std::string(260, ' '), ""}, // a buffer the system left untouched
    };
    for (const auto& [buffer, expected] : table)
        EXPECT_EQ(TrimAtNull(buffer), expected) << '"' << buffer << '"';
}

TEST(LocaleText, DescribesTheLocaleInTenLinesWithAnEmptyLineAfterTheLanguage) {
    LocaleFields fields;
    fields.languageId = "0409";
    fields.country = "United States";
    fields.countryAbbreviation = "USA";
    fields.language = "English (United States)";
    fields.decimal = ".";
    fields.thousands = ",";
    fields.currency = "$";
    fields.timeFormat = "h:mm:ss tt";
    fields.shortDate = "M/d/yyyy";
    fields.longDate = "dddd, MMMM d, yyyy";
    EXPECT_EQ(LocaleDescription(fields), "Locale ID: 0409\r\n"
                                         "Country: United States  (USA)\r\n"
                                         "Language: English (United States)\r\n"
                                         "\r\n"
                                         "Decimal: .\r\n"
                                         "Thousands: ,\r\n"
                                         "Currency: $\r\n"
                                         "Time Format: h:mm:ss tt\r\n"
                                         "Short Date: M/d/yyyy\r\n"
                                         "Long Date: dddd, MMMM d, yyyy\r\n");
}

TEST(LocaleText, EmptyValuesKeepEveryLabelAndAnEmptyPairOfParentheses) {
    EXPECT_EQ(LocaleDescription({}),
              "Locale ID: \r\nCountry:   ()\r\nLanguage: \r\n\r\nDecimal: \r\nThousands: \r\n"
              "Currency: \r\nTime Format: \r\nShort Date: \r\nLong Date: \r\n");
}

TEST(LocaleText, FieldsFollowTheOrderOfTheInformationTypes) {
    EXPECT_EQ(kLocaleInfoTypes,
              (std::array<unsigned, 10>{0x1, 0x6, 0x7, 0x2, 0xE, 0xF, 0x14, 0x1003, 0x1F, 0x20}));
    LocaleFields fields;
    for (size_t i = 0; i < kLocaleInfoTypes.size(); ++i) LocaleField(fields, i) = std::to_string(i);
    EXPECT_EQ(fields.languageId, "0");
    EXPECT_EQ(fields.country, "1");
    EXPECT_EQ(fields.countryAbbreviation, "2");
    EXPECT_EQ(fields.language, "3");
    EXPECT_EQ(fields.decimal, "4");
    EXPECT_EQ(fields.thousands, "5");
    EXPECT_EQ(fields.currency, "6");
    EXPECT_EQ(fields.timeFormat, "7");
    EXPECT_EQ(fields.shortDate, "8");
    EXPECT_EQ(fields.longDate, "9");
    EXPECT_THROW(LocaleField(fields, 10), std::out_of_range);
}
