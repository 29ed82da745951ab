#include "clipboard/LocaleText.h"

#include <iterator>
#include <stdexcept>

namespace clipboard {

std::string TrimAtNull(const std::string& buffer) {
    const size_t nul = buffer.find('\0');
    if (nul != std::string::npos) return buffer.substr(0, nul);
    const size_t first = buffer.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const size_t last = buffer.find_last_not_of(' ');
    return buffer.substr(first, last - first + 1);
}

std::string& LocaleField(LocaleFields& fields, size_t index) {
    std::string* const order[] = {&fields.languageId, &fields.country,    &fields.countryAbbreviation,
                                  &fields.language,   &fields.decimal,    &fields.thousands,
                                  &fields.currency,   &fields.timeFormat, &fields.shortDate,
                                  &fields.longDate};
    if (index >= std::size(order)) throw std::out_of_range("no such locale field");
    return *order[index];
}

std::string LocaleDescription(const LocaleFields& fields) {
    const std::string crlf = "\r\n";
    std::string text;
    text += "Locale ID: " + fields.languageId + crlf;
    text += "Country: " + fields.country + "  (" + fields.countryAbbreviation + ")" + crlf;
    text += "Language: " + fields.language + crlf + crlf;
    text += "Decimal: " + fields.decimal + crlf;
    text += "Thousands: " + fields.thousands + crlf;
    text += "Currency: " + fields.currency + crlf;
    text += "Time Format: " + fields.timeFormat + crlf;
    text += "Short Date: " + fields.shortDate + crlf;
    text += "Long Date: " + fields.longDate + crlf;
    return text;
}

} // namespace clipboard
