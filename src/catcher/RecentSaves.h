// The pictures saved last, as their likeness and their file, so that one
// nearly the same as any of them can be left unsaved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace catcher {

class RecentSaves {
  public:
    static constexpr std::size_t kKept = 20;

    // The oldest goes once more than kKept were saved.
    void Add(std::uint64_t likeness, std::string path);
    // The file of the latest saved picture nearly the same as one of this likeness.
    std::optional<std::string> Resembled(std::uint64_t likeness) const;

  private:
    struct Saved {
        std::uint64_t likeness;
        std::string path;
    };
    std::deque<Saved> saved_; // the latest first
};

} // namespace catcher
