// A file-name template of any bytes is refused, or makes a name with no
// character Windows refuses and no final dot or blank, whatever the facts.
#include "FuzzCheck.h"
#include "capture/NameTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const capture::NameTemplate parsed = capture::NameTemplate::Parse(fuzzing::AsText(data, size));
    if (parsed.Problem() != capture::TemplateProblem::None) {
        fuzzing::Require(!parsed.Offending().empty() && parsed.Offending().front() == '{',
                         "a refused template names what it refuses, from its brace");
        return 0;
    }
    capture::NameFacts facts{{2026, 12, 7, 16, 5, 9},    12, 800, 600, "Pai<n>t:er.exe",
                             capture::PictureFormat::Png};
    const std::string name = parsed.Expand(facts);
    fuzzing::Require(!name.empty(), "a name is never empty");
    fuzzing::Require(name.find_first_of("\\/:*?\"<>|") == std::string::npos, "a name has no path");
    for (char c : name)
        fuzzing::Require(static_cast<unsigned char>(c) >= 32, "a name has no control character");
    fuzzing::Require(name.back() != '.' && name.back() != ' ', "a name keeps its last character");
    return 0;
}
