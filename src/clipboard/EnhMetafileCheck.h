// Checks the framing of an enhanced metafile before the system plays it:
// clipboard data comes from any program, and a damaged header or record
// length makes the system's player read outside the metafile.
#pragma once

#include <cstddef>

namespace clipboard {

// True when the header record is whole and consistent with the file (type,
// signature, sizes, description and palette inside the file) and every
// record lies inside the file, up to an end-of-file record, and every object
// index of a record lies inside the header's handle table.
bool IsWellFormedEnhMetafile(const unsigned char* bytes, std::size_t size);

} // namespace clipboard
