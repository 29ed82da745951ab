// A target file of any bytes names at most one folder, and writing that
// folder back reads as the same folder.
#include "FuzzCheck.h"
#include "app/TargetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto folder = app::TargetFolderOf(fuzzing::AsText(data, size));
    if (folder)
        fuzzing::Require(app::TargetFolderOf(app::FormatTargetFile(*folder)) == folder,
                         "a folder reads back");
    return 0;
}
