#include "capture/UnreadChanges.h"

#include <algorithm>

namespace capture {

void UnreadChanges::Heard(std::uint32_t postedAt, bool foundSameChange, bool stillToRead) {
    ++heard_;
    // Tick counts wrap: the difference tells which came first.
    const bool postedBeforeRead = static_cast<std::int32_t>(postedAt - lastReadStart_) <= 0;
    const bool apartFromLast = postedAt - lastNoticePosted_ >= kSameChangeMs;
    if (foundSameChange && postedBeforeRead && apartFromLast && !stillToRead) ++repeated_;
    lastNoticePosted_ = postedAt;
}

int UnreadChanges::Watch() {
    if (heard_ != heardAtLastWatch_) {
        heardAtLastWatch_ = heard_;
        return 0;
    }
    const int unread = std::min(repeated_, heard_ - read_);
    heard_ = read_ = repeated_ = heardAtLastWatch_ = 0;
    return std::max(unread, 0);
}

} // namespace capture
