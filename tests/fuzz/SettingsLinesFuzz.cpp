// A settings file of any bytes splits into lines without line ends.
#include "FuzzCheck.h"
#include "ui/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::string& line : ui::SplitSettingsLines(fuzzing::AsText(data, size)))
        fuzzing::Require(line.find_first_of("\r\n") == std::string::npos, "a line holds no line end");
    return 0;
}
