#include "app/LocaleNumber.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct NumberCase {
    const char* text;
    std::optional<double> value;
};

void ExpectNumbers(std::string_view decimal, std::string_view thousands,
                   std::initializer_list<NumberCase> cases) {
    for (const NumberCase& c : cases) {
        const std::optional<double> read = app::ParseLocaleNumber(c.text, decimal, thousands);
        ASSERT_EQ(read.has_value(), c.value.has_value()) << '"' << c.text << '"';
        if (read) {
            EXPECT_DOUBLE_EQ(*read, *c.value) << '"' << c.text << '"';
        }
    }
}

} // namespace

TEST(LocaleNumber, PointDecimalCommaThousands) {
    ExpectNumbers(".", ",",
                  {{"1000", 1000},
                   {"0", 0},
                   {"+800", 800},
                   {"-600", -600},
                   {"1,024", 1024},
                   {"1,000,000", 1000000},
                   {"1,00", 100},
                   {"1024.5", 1024.5},
                   {".5", 0.5},
                   {"5.", 5},
                   {"1,024.25", 1024.25},
                   {"1e3", 1000},
                   {"2.5E-1", 0.25},
                   {"1e+2", 100},
                   {" 700 ", 700},
                   {"\t12", 12},
                   {"007", 7}});
}

TEST(LocaleNumber, WhatIsNotANumber) {
    ExpectNumbers(".", ",", {{"", std::nullopt},        {" ", std::nullopt},     {"12a", std::nullopt},
                             {"a12", std::nullopt},     {"+", std::nullopt},     {"-", std::nullopt},
                             {".", std::nullopt},       {"1.2.3", std::nullopt}, {"--1", std::nullopt},
                             {"1e", std::nullopt},      {"1e+", std::nullopt},   {"e5", std::nullopt},
                             {",100", std::nullopt},    {"100,", std::nullopt},  {"1,,000", std::nullopt},
                             {"1.000,5", std::nullopt}, {"1 000", std::nullopt}, {"1 2", std::nullopt},
                             {"0x10", std::nullopt},    {"inf", std::nullopt},   {"nan", std::nullopt},
                             {"1e999", std::nullopt}});
}

TEST(LocaleNumber, SeparatorsComeFromTheCaller) {
    ExpectNumbers(",", ".", {{"1.024", 1024}, {"1024,5", 1024.5}, {"1.024,5", 1024.5}, {"1024.5", 10245}});
    ExpectNumbers(",", "\xA0",
                  {{"1\xA0"
                    "000,5",
                    1000.5},
                   {"1.5", std::nullopt},
                   {"1,5", 1.5}});
    ExpectNumbers(".", "", {{"1,000", std::nullopt}, {"1000.5", 1000.5}});
    ExpectNumbers(".", "'", {{"1'000'000", 1000000}});
}

TEST(LocaleNumber, NulInsideTheTextIsNotANumber) {
    EXPECT_EQ(app::ParseLocaleNumber(std::string("12\0"
                                                 "3",
                                                 4),
                                     ".", ","),
              std::nullopt);
}

TEST(ParseLocaleNumber, ReadsTheRegionalNumberFormat) {
    struct Case {
        const char* text;
        const char* decimal;
        const char* thousands;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"800", ".", ",", 800},
        {"  600 ", ".", ",", 600},
        {"+640", ".", ",", 640},
        {"-5", ".", ",", -5},
        {"1e3", ".", ",", 1000},
        {"1E+3", ".", ",", 1000},
        {"2.5e-1", ".", ",", 0.25},
        {"1,024", ".", ",", 1024},
        {"1,0,2,4", ".", ",", 1024},
        {"800.5", ".", ",", 800.5},
        {".5", ".", ",", 0.5},
        {"5.", ".", ",", 5},
        {"800,5", ",", ".", 800.5},
        {"1.024,5", ",", ".", 1024.5},
        {"1\xA0"
         "024",
         ",", "\xA0", 1024},
        {"800.5", ",", ".", 8005},
        {"", ".", ",", std::nullopt},
        {"   ", ".", ",", std::nullopt},
        {"12a", ".", ",", std::nullopt},
        {"a12", ".", ",", std::nullopt},
        {"1 2", ".", ",", std::nullopt},
        {"-", ".", ",", std::nullopt},
        {".", ".", ",", std::nullopt},
        {",5", ".", ",", std::nullopt},
        {"1.2.3", ".", ",", std::nullopt},
        {"1e", ".", ",", std::nullopt},
        {"1e+", ".", ",", std::nullopt},
        {"0x10", ".", ",", std::nullopt},
        {"1e999", ".", ",", std::nullopt},
        {"nan", ".", ",", std::nullopt},
        {"inf", ".", ",", std::nullopt},
        {"--5", ".", ",", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<double> value = app::ParseLocaleNumber(c.text, c.decimal, c.thousands);
        EXPECT_EQ(value.has_value(), c.value.has_value()) << "\"" << c.text << "\"";
        if (value && c.value) {
            EXPECT_DOUBLE_EQ(*value, *c.value) << "\"" << c.text << "\"";
        }
    }
}

TEST(ParseLocaleNumber, SameDecimalAndThousandsSeparatorMeansDecimal) {
    EXPECT_EQ(app::ParseLocaleNumber("1.5", ".", "."), 1.5);
    EXPECT_EQ(app::ParseLocaleNumber("2.5", "", ","), 2.5) << "no decimal separator given: a point";
}
