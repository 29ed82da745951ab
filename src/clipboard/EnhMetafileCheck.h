// Checks an enhanced metafile record by record before the system plays it:
// clipboard data comes from any program, and the system's player trusts
// every size, count, offset and object index it finds.
#pragma once

#include <cstddef>

namespace clipboard {

// True when the header record is whole and consistent with the file (type,
// signature, sizes, description and palette inside the file), every record
// lies inside the file, up to an end-of-file record, and every record is of
// a type the player knows, holds its fixed fields, keeps its counts and
// offsets (points, characters, spacings, palette entries, regions, bitmap
// headers and bits) inside itself, and names objects inside the header's
// handle table.
bool IsWellFormedEnhMetafile(const unsigned char* bytes, std::size_t size);

} // namespace clipboard
