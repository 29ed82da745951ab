// An options file of any bytes gives values that the controls can hold.
#include "FuzzCheck.h"
#include "app/OptionsFile.h"

using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const app::OptionsFileContent content = app::ParseOptionsFile(fuzzing::AsText(data, size));
    Require(content.lines.size() <= app::kOptionsListLimit, "the hidden list keeps its limit");
    if (content.resolution)
        Require(*content.resolution >= 1 && *content.resolution <= 6, "a resolution 1..6");
    for (const auto& check : content.checks)
        if (check) Require(*check >= 0 && *check <= 2, "a check value 0..2");
    if (const std::optional<int> quality = app::ParseWebpQuality(fuzzing::AsText(data, size)))
        Require(*quality >= 0 && *quality <= 100, "a WebP quality 0..100");
    return 0;
}
