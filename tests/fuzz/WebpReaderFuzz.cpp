// A WebP file of any bytes, read as every encoded picture is (an animation's first picture).
#include "EncodedReaderFuzz.h"
#include "capture/WebpReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::FuzzEncodedReader<capture::WebpReader>(data, size);
}
