// File-name templates: the name of a saved picture made of text and tokens,
// such as "{program}-{year}{month}{day}-{counter}". The tokens: {year}
// (four digits), {month}, {day}, {hour}, {minute}, {second} (two digits),
// {counter} (a running number, four digits at least), {width}, {height},
// {program} (the program that copied the picture, without ".exe") and
// {format} ("jpg", "png" or "webp"). An empty template stands for the automatic name.
#pragma once

#include "capture/PictureNames.h"
#include "ui/DateTime.h"

#include <string>
#include <string_view>
#include <vector>

namespace capture {

// What a name is made of.
struct NameFacts {
    ui::DateTime when;
    int counter = 1;
    int width = 0;
    int height = 0;
    std::string program; // empty when it is not known
    PictureFormat format = PictureFormat::Jpeg;
};

enum class TemplateProblem { None, UnclosedBrace, UnknownToken };

class NameTemplate {
  public:
    NameTemplate() = default;
    static NameTemplate Parse(std::string_view text);

    // A template with a problem makes no names.
    TemplateProblem Problem() const { return problem_; }
    // The token that is not known (with its braces), or the text from the
    // brace left open.
    const std::string& Offending() const { return offending_; }
    // Nothing but the automatic name.
    bool Automatic() const { return parts_.empty() && problem_ == TemplateProblem::None; }
    bool UsesCounter() const;

    // The name for these facts: the automatic name for an empty template.
    // Characters Windows refuses in names, and a final dot or blank, become
    // "_"; a name that would be empty is "_".
    std::string Expand(const NameFacts& facts) const;

  private:
    enum class Token {
        Text,
        Year,
        Month,
        Day,
        Hour,
        Minute,
        Second,
        Counter,
        Width,
        Height,
        Program,
        Format
    };
    struct Part {
        Token token;
        std::string text; // of a Text part
    };
    std::vector<Part> parts_;
    TemplateProblem problem_ = TemplateProblem::None;
    std::string offending_;
};

} // namespace capture
