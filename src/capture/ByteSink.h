// Where encoded bytes go: a file's bytes are handed on in pieces, as they
// are made, so that a huge picture never needs its whole file in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace capture {

using ByteSink = std::function<void(const std::uint8_t* data, std::size_t size)>;

} // namespace capture
