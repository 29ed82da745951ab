#include "capture/NameTemplate.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace capture {
namespace {

std::string Padded(int value, size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

std::string WithoutExe(std::string program) {
    if (program.size() > 4) {
        std::string end = program.substr(program.size() - 4);
        std::transform(end.begin(), end.end(), end.begin(), [](unsigned char c) { return std::tolower(c); });
        if (end == ".exe") program.resize(program.size() - 4);
    }
    return program;
}

} // namespace

NameTemplate NameTemplate::Parse(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, Token>, 11> kTokens{{
        {"year", Token::Year},
        {"month", Token::Month},
        {"day", Token::Day},
        {"hour", Token::Hour},
        {"minute", Token::Minute},
        {"second", Token::Second},
        {"counter", Token::Counter},
        {"width", Token::Width},
        {"height", Token::Height},
        {"program", Token::Program},
        {"format", Token::Format},
    }};
    NameTemplate result;
    while (!text.empty()) {
        const size_t open = text.find('{');
        if (open != 0) {
            result.parts_.push_back({Token::Text, std::string(text.substr(0, open))});
            if (open == std::string_view::npos) break;
            text.remove_prefix(open);
        }
        const size_t close = text.find('}');
        if (close == std::string_view::npos) {
            result = {};
            result.problem_ = TemplateProblem::UnclosedBrace;
            result.offending_ = std::string(text);
            return result;
        }
        const std::string_view name = text.substr(1, close - 1);
        const auto known =
            std::find_if(kTokens.begin(), kTokens.end(), [&](const auto& t) { return t.first == name; });
        if (known == kTokens.end()) {
            result = {};
            result.problem_ = TemplateProblem::UnknownToken;
            result.offending_ = std::string(text.substr(0, close + 1));
            return result;
        }
        result.parts_.push_back({known->second, {}});
        text.remove_prefix(close + 1);
    }
    return result;
}

bool NameTemplate::UsesCounter() const {
    return std::any_of(parts_.begin(), parts_.end(),
                       [](const Part& part) { return part.token == Token::Counter; });
}

std::string NameTemplate::Expand(const NameFacts& facts) const {
    if (problem_ != TemplateProblem::None) return {};
    if (parts_.empty()) return AutomaticPictureName(facts.when);
    std::string name;
    for (const Part& part : parts_) {
        switch (part.token) {
        case Token::Text: name += part.text; break;
        case Token::Year: name += Padded(facts.when.year, 4); break;
        case Token::Month: name += Padded(facts.when.month, 2); break;
        case Token::Day: name += Padded(facts.when.day, 2); break;
        case Token::Hour: name += Padded(facts.when.hour, 2); break;
        case Token::Minute: name += Padded(facts.when.minute, 2); break;
        case Token::Second: name += Padded(facts.when.second, 2); break;
        case Token::Counter: name += Padded(facts.counter, 4); break;
        case Token::Width: name += std::to_string(facts.width); break;
        case Token::Height: name += std::to_string(facts.height); break;
        case Token::Program: name += facts.program.empty() ? "unknown" : WithoutExe(facts.program); break;
        case Token::Format: name += ExtensionOf(facts.format).substr(1); break;
        }
    }
    for (char& c : name)
        if (IsForbiddenInNames(static_cast<unsigned char>(c))) c = '_';
    // Windows drops a final dot or blank, which would make another name than the one shown.
    if (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.back() = '_';
    return name.empty() ? "_" : name;
}

} // namespace capture
