// What the capture needs from the program around it: its messages, the
// notification window and the clipboard viewer. The program implements it;
// the capture includes nothing above it.
#pragma once

#include "i18n/Messages.h"
#include "ui/Picture.h"

#include <string>

namespace catcher {

class CaptureHost : public i18n::Messages {
  public:
    // The notification window: made ready for a new capture, raised for a
    // picture, its size text, closed at once, and held back (no keep-on-top)
    // while a prompt must be seen.
    virtual void PrepareNotification() = 0;
    virtual void ShowNotification(const std::string& sizeText, const ui::Picture& preview) = 0;
    virtual void ShowSizeInNotification(const std::string& sizeText) = 0;
    virtual void CloseNotification() = 0;
    virtual void HoldNotificationBack() = 0;

    // The clipboard viewer: joins the chain again at its head; leaves it and
    // joins anew, hidden; shows itself.
    virtual void RejoinChain() = 0;
    virtual void RestartViewer() = 0;
    virtual void ShowViewer() = 0;

  protected:
    ~CaptureHost() = default;
};

} // namespace catcher
