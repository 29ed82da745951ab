#include "catcher/RecentSaves.h"

#include "capture/Likeness.h"

namespace catcher {

void RecentSaves::Add(std::uint64_t likeness, std::string path) {
    saved_.push_front({likeness, std::move(path)});
    if (saved_.size() > kKept) saved_.pop_back();
}

std::optional<std::string> RecentSaves::Resembled(std::uint64_t likeness) const {
    for (const Saved& saved : saved_)
        if (capture::NearlySame(saved.likeness, likeness)) return saved.path;
    return std::nullopt;
}

} // namespace catcher
