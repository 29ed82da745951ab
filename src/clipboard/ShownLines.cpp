#include "clipboard/ShownLines.h"

#include <algorithm>

namespace clipboard {

std::string MoreLinesText(std::size_t more) {
    return "... and " + std::to_string(more) + " more";
}

std::string FirstLines(std::string_view text, std::size_t maxLines, std::size_t maxBytes,
                       std::size_t linesAfter) {
    std::size_t cut = 0; // the end of the lines shown in full
    bool byteLimit = false;
    for (std::size_t line = 0; line < maxLines && cut < text.size(); ++line) {
        const std::size_t end = text.find('\n', cut);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if ((byteLimit = next > maxBytes)) break;
        cut = next;
    }
    if (cut == text.size() && linesAfter == 0) return std::string(text);
    const std::string_view rest = text.substr(cut);
    const std::size_t more = static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\n')) +
                             (!rest.empty() && rest.back() != '\n') + linesAfter;
    std::string shown(text.substr(0, cut));
    if (byteLimit && cut < maxBytes) shown += std::string(text.substr(cut, maxBytes - cut)) + "\r\n";
    return shown + MoreLinesText(more);
}

} // namespace clipboard
