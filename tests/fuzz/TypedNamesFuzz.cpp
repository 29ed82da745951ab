// A typed picture name of any bytes is either refused or usable as one file
// name in the slot's folder.
#include "FuzzCheck.h"
#include "capture/PictureNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name = fuzzing::AsText(data, size);
    if (capture::TypedNameProblem(name) != capture::NameProblem::None) return 0;
    fuzzing::Require(name.size() <= capture::kMaxTypedNameLength, "a usable name is short enough");
    fuzzing::Require(name.find_first_of("\\/:*?\"<>|") == std::string_view::npos,
                     "a usable name has no path");
    fuzzing::Require(capture::NumberedPictureName(name, 2, ".jpg").ends_with("_2.jpg"),
                     "a numbered name ends in _2.jpg");
    return 0;
}
