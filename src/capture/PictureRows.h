// The rows of a bitmap picture as the engine's pixel code reads them.
#pragma once

#include "capture/PixelRows.h"
#include "ui/Picture.h"

namespace capture {

inline PixelRows RowsOf(const ui::Picture& picture) {
    return {picture.Width(), picture.Height(), static_cast<std::ptrdiff_t>(picture.Width()) * 4,
            picture.Bits()};
}

} // namespace capture
