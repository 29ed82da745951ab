#include "clipboard/ShownLines.h"

#include <algorithm>

namespace clipboard {

std::string MoreLinesText(std::size_t more) {
    return "... and " + std::to_string(more) + " more";
}

std::string FirstLines(std::string_view text, std::size_t keep) {
    std::size_t cut = 0;
    for (std::size_t line = 0; line < keep; ++line) {
        const std::size_t end = text.find('\n', cut);
        if (end == std::string_view::npos) return std::string(text);
        cut = end + 1;
    }
    const std::string_view rest = text.substr(cut);
    if (rest.empty()) return std::string(text);
    const auto more =
        static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) + (rest.back() != '\n');
    return std::string(text.substr(0, cut)) + MoreLinesText(more);
}

} // namespace clipboard
