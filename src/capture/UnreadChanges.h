// Counting the clipboard changes that went by too quickly to be read.
//
// Every change brings the listener one notice, but a notice carries no
// sequence number. A change went by unread when its notice, posted by the
// time the last read began, found the clipboard already at the later change
// the notice before it had found; and no more changes went by unread than
// were told of and not read. Each count alone overstates: the viewer chain
// may have read the changes as they came, and a clipboard bridge (Wine's,
// for one) may tell of one copy twice at once, so a notice posted within a
// few milliseconds of the one before it is taken for the same change.
#pragma once

#include <cstdint>

namespace capture {

class UnreadChanges {
  public:
    // Notices closer than this tell of one change (milliseconds).
    static constexpr std::uint32_t kSameChangeMs = 5;

    // A notice posted at `postedAt` (the system's milliseconds) that found
    // the clipboard where the notice before it had found it, or not; a
    // change still to be read (its owner was busy) loses nothing by another notice.
    void Heard(std::uint32_t postedAt, bool foundSameChange, bool stillToRead);
    void ReadBegins(std::uint32_t now) { lastReadStart_ = now; }
    void ChangeRead() { ++read_; }
    // Once a watch period: the changes gone by unread, told once a burst is
    // over (no notice for a whole period); 0 when there is nothing to tell.
    int Watch();

  private:
    int heard_ = 0;
    int read_ = 0;
    int repeated_ = 0;
    int heardAtLastWatch_ = 0;
    std::uint32_t lastReadStart_ = 0;
    std::uint32_t lastNoticePosted_ = 0;
};

} // namespace capture
