// What the capture needs from the program around it: the options as they
// stand now, the target folders, the notification window and the clipboard
// viewer. The program implements it; the capture includes nothing above it.
#pragma once

#include "capture/ResolutionFilter.h"
#include "i18n/Messages.h"
#include "ui/Picture.h"

#include <optional>
#include <string>

namespace capture {

// The options that steer a capture, read from their controls when asked.
struct CaptureOptions {
    // Nothing when no resolution is chosen or the custom one is not a number.
    std::optional<MinimumResolution> minimum;
    bool automatic = false;      // save into slot #1 at once, without a notification
    bool emptyAfterSave = false; // empty the clipboard after the capture
    bool wallpaper = false;      // the saved picture becomes the wallpaper
    bool namesByHand = false;    // every save asks for a name
    bool lossless = false;       // save PNG files instead of JPEG
};

class CaptureHost : public i18n::Messages {
public:
    virtual CaptureOptions Options() = 0;
    // The folder of target slot 1..5 (empty when it has none), and whether it is offered.
    virtual std::string TargetFolder(int slot) = 0;
    virtual bool SlotOffered(int slot) = 0;

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

} // namespace capture
