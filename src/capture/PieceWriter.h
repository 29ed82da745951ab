// Hands an encoder's bytes to a sink in pieces of a useful size. Encoders
// written in C call back with a few bytes at a time and must not see an
// exception: the sink's failure waits here until the encoder has returned.
#pragma once

#include "capture/ByteSink.h"

#include <exception>
#include <vector>

namespace capture {

class PieceWriter {
  public:
    PieceWriter(const ByteSink& sink, std::size_t pieceSize) : sink_(sink), pieceSize_(pieceSize) {
        piece_.reserve(pieceSize + pieceSize / 8);
    }

    // False once the sink (or the memory for the piece) failed.
    bool Append(const std::uint8_t* data, std::size_t size) noexcept {
        if (failure_) return false;
        try {
            piece_.insert(piece_.end(), data, data + size);
        } catch (...) {
            failure_ = std::current_exception();
            return false;
        }
        return piece_.size() < pieceSize_ || Flush();
    }

    // Hands on what is collected; false once the sink failed.
    bool Flush() noexcept {
        if (failure_) return false;
        try {
            if (!piece_.empty()) sink_(piece_.data(), piece_.size());
        } catch (...) {
            failure_ = std::current_exception();
            return false;
        }
        piece_.clear();
        return true;
    }

    // After the encoder returned: the sink's exception reaches the caller.
    void RethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

  private:
    const ByteSink& sink_;
    std::size_t pieceSize_;
    std::vector<std::uint8_t> piece_;
    std::exception_ptr failure_;
};

} // namespace capture
