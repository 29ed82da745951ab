// A language driver file of any bytes gives entries, none of them empty.
#include "FuzzCheck.h"
#include "i18n/DriverLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::string& entry : i18n::SplitDriverLines(fuzzing::AsText(data, size)))
        fuzzing::Require(!entry.empty() && entry.find_first_of("\r\n") == std::string::npos,
                         "an entry is one non-empty line");
    return 0;
}
