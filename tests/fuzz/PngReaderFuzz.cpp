// A PNG file of any bytes, read as every encoded picture is.
#include "EncodedReaderFuzz.h"
#include "capture/PngReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::FuzzEncodedReader<capture::PngReader>(data, size);
}
