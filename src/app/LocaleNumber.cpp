#include "app/LocaleNumber.h"

#include <charconv>
#include <cmath>

namespace app {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads the text from the front, building the same number in the syntax
// std::from_chars knows (no '+', '.' as the decimal point, no grouping).
class NumberReader {
  public:
    NumberReader(std::string_view text, std::string_view decimal, std::string_view thousands)
        : rest_(text), decimal_(decimal), thousands_(thousands) {}

    bool Read() {
        Sign();
        const int whole = Digits(true);
        int fraction = 0;
        if (Take(decimal_)) {
            plain_ += '.';
            fraction = Digits(false);
        }
        if (whole + fraction == 0) return false;
        if (!rest_.empty() && (rest_.front() == 'e' || rest_.front() == 'E')) {
            rest_.remove_prefix(1);
            plain_ += 'e';
            Sign();
            if (Digits(false) == 0) return false;
        }
        return rest_.empty();
    }
    const std::string& Plain() const { return plain_; }

  private:
    void Sign() {
        if (rest_.empty() || (rest_.front() != '+' && rest_.front() != '-')) return;
        if (rest_.front() == '-') plain_ += '-';
        rest_.remove_prefix(1);
    }

    // A thousands separator counts only between two digits.
    int Digits(bool grouped) {
        int count = 0;
        for (;;) {
            if (!rest_.empty() && IsDigit(rest_.front())) {
                plain_ += rest_.front();
                rest_.remove_prefix(1);
                ++count;
            } else if (grouped && count > 0 && SeparatorBeforeDigit()) {
                rest_.remove_prefix(thousands_.size());
            } else {
                return count;
            }
        }
    }

    bool SeparatorBeforeDigit() const {
        if (thousands_.empty() || rest_.substr(0, thousands_.size()) != thousands_) return false;
        if (!decimal_.empty() && rest_.substr(0, decimal_.size()) == decimal_) return false;
        return rest_.size() > thousands_.size() && IsDigit(rest_[thousands_.size()]);
    }

    bool Take(std::string_view token) {
        if (token.empty() || rest_.substr(0, token.size()) != token) return false;
        rest_.remove_prefix(token.size());
        return true;
    }

    std::string_view rest_;
    std::string_view decimal_;
    std::string_view thousands_;
    std::string plain_;
};

} // namespace

std::optional<double> ParseLocaleNumber(std::string_view text, std::string_view decimal,
                                        std::string_view thousands) {
    // A region without a decimal separator reads a point; one separator for
    // both roles is the decimal one.
    if (decimal.empty()) decimal = ".";
    if (thousands == decimal) thousands = {};
    NumberReader reader(TrimBlanks(text), decimal, thousands);
    if (!reader.Read()) return std::nullopt;
    const std::string& plain = reader.Plain();
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace app
