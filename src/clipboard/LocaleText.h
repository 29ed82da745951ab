// The text of a locale description from its field values, and the trimming
// of fixed text buffers that system calls fill.
#pragma once

#include <array>
#include <string>

namespace clipboard {

// The text before the first NUL of a buffer; without a NUL, the whole text
// with leading and trailing blanks removed.
std::string TrimAtNull(const std::string& buffer);

// The values a locale description shows, as the system gives them.
struct LocaleFields {
    std::string languageId; // four hexadecimal digits, e.g. "0409"
    std::string country;
    std::string countryAbbreviation;
    std::string language;
    std::string decimal;
    std::string thousands;
    std::string currency;
    std::string timeFormat;
    std::string shortDate;
    std::string longDate;
};

// The locale information types, in the order of LocaleFields.
inline constexpr std::array<unsigned, 10> kLocaleInfoTypes{
    0x0001, // LOCALE_ILANGUAGE
    0x0006, // LOCALE_SCOUNTRY
    0x0007, // LOCALE_SABBREVCTRYNAME
    0x0002, // LOCALE_SLANGUAGE
    0x000E, // LOCALE_SDECIMAL
    0x000F, // LOCALE_STHOUSAND
    0x0014, // LOCALE_SCURRENCY
    0x1003, // LOCALE_STIMEFORMAT
    0x001F, // LOCALE_SSHORTDATE
    0x0020, // LOCALE_SLONGDATE
};

// The field of LocaleFields that holds the value of kLocaleInfoTypes[index].
std::string& LocaleField(LocaleFields& fields, size_t index);

// The multi-line description, every line ending in CR LF.
std::string LocaleDescription(const LocaleFields& fields);

} // namespace clipboard
