// The count of changes that went by unread: what a burst, a bridge that
// tells of one copy twice, and changes read as they came each give.
#include "capture/UnreadChanges.h"

#include <gtest/gtest.h>

namespace {

using capture::UnreadChanges;

TEST(UnreadChanges, ABurstReadOnceCountsEveryNoticeAfterTheFirstOnceItIsOver) {
    UnreadChanges unread;
    // Twenty notices 20 ms apart, all taken after the one read at 500 ms began.
    unread.ReadBegins(500);
    unread.ChangeRead();
    for (std::uint32_t i = 0; i < 20; ++i) unread.Heard(100 + 20 * i, i > 0, false);
    EXPECT_EQ(unread.Watch(), 0) << "notices came in this period: the burst may go on";
    EXPECT_EQ(unread.Watch(), 19);
    EXPECT_EQ(unread.Watch(), 0) << "told once";
}

TEST(UnreadChanges, NothingIsUnreadWhereTheCountsDisagree) {
    UnreadChanges asTheyCame; // the viewer chain read each change as it came
    for (std::uint32_t i = 0; i < 5; ++i) asTheyCame.ChangeRead();
    asTheyCame.ReadBegins(1000);
    for (std::uint32_t i = 0; i < 5; ++i) asTheyCame.Heard(100 + 20 * i, i > 0, false);
    asTheyCame.Watch();
    EXPECT_EQ(asTheyCame.Watch(), 0);

    UnreadChanges twiceAtOnce; // one copy told of twice within a millisecond
    twiceAtOnce.ReadBegins(50);
    twiceAtOnce.Heard(10, false, false);
    twiceAtOnce.Heard(11, true, false);
    twiceAtOnce.ChangeRead();
    twiceAtOnce.Watch();
    EXPECT_EQ(twiceAtOnce.Watch(), 0);

    UnreadChanges afterTheRead; // a notice posted once the read had begun
    afterTheRead.ReadBegins(50);
    afterTheRead.Heard(10, false, false);
    afterTheRead.Heard(60, true, false);
    afterTheRead.Watch();
    EXPECT_EQ(afterTheRead.Watch(), 0);

    UnreadChanges ownerBusy; // the change is still to be read
    ownerBusy.ReadBegins(500);
    ownerBusy.Heard(10, false, true);
    ownerBusy.Heard(40, true, true);
    ownerBusy.Watch();
    EXPECT_EQ(ownerBusy.Watch(), 0);
}

TEST(UnreadChanges, TickCountsThatWrapStillTellWhichCameFirst) {
    UnreadChanges unread;
    unread.ReadBegins(5); // just after the count wrapped
    unread.Heard(0xFFFFFF00u, false, false);
    unread.Heard(0xFFFFFF80u, true, false);
    unread.ChangeRead();
    unread.Watch();
    EXPECT_EQ(unread.Watch(), 1);
}

} // namespace
