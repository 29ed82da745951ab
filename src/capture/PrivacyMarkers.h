// Programs that put secrets on the clipboard (password managers, remote
// desktops) mark them with registered formats that clipboard watchers are
// asked to honour: such a change is not captured and nothing of it is kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace capture {

inline constexpr char kViewerIgnoreFormat[] = "Clipboard Viewer Ignore";
inline constexpr char kExcludeFromMonitoringFormat[] = "ExcludeClipboardContentFromMonitorProcessing";
inline constexpr char kHistoryFormat[] = "CanIncludeInClipboardHistory";

// What the clipboard offers of the markers: their presence, and the data of
// the history marker (nothing when it is not offered or cannot be read).
struct PrivacyMarkers {
    bool viewerIgnore = false;
    bool excludeFromMonitoring = false;
    std::optional<std::basic_string_view<std::uint8_t>> historyData;
};

// True when the change must stay private: either of the first two markers,
// or the history marker holding a zero DWORD.
bool IsPrivateChange(const PrivacyMarkers& markers);

} // namespace capture
