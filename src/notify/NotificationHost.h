// What the notification window asks of the program: to save the caught
// picture into a slot, the slots' folders, the two options it follows, and
// emptying the clipboard.
#pragma once

#include "i18n/Messages.h"

#include <string>

namespace notify {

class NotificationHost : public i18n::Messages {
  public:
    virtual void SaveIntoSlot(int slot) = 0;
    // The folder of target slot 1..5, and whether it is offered.
    virtual std::string SlotFolder(int slot) = 0;
    virtual bool SlotOffered(int slot) = 0;
    // "Empty the clipboard when the notification closes".
    virtual bool EmptiesClipboardAtClose() = 0;
    // Throws std::runtime_error when the clipboard stays locked.
    virtual void EmptyClipboard() = 0;
    // The window's own tick for "set file names by hand" sets the option.
    virtual void SetNamesByHand(int value) = 0;

  protected:
    ~NotificationHost() = default;
};

} // namespace notify
