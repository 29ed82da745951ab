#include "capture/PrivacyMarkers.h"

namespace capture {

bool IsPrivateChange(const PrivacyMarkers& markers) {
    if (markers.viewerIgnore || markers.excludeFromMonitoring) return true;
    if (!markers.historyData || markers.historyData->size() < 4) return false;
    const std::uint8_t* value = markers.historyData->data();
    return (value[0] | value[1] | value[2] | value[3]) == 0;
}

} // namespace capture
