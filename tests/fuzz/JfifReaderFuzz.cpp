// A JPEG file of any bytes, read as every encoded picture is, turned as its EXIF block says.
#include "EncodedReaderFuzz.h"
#include "capture/JfifReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzing::FuzzEncodedReader<capture::JfifReader>(data, size);
}
