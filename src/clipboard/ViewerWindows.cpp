#include "clipboard/ViewerWindows.h"

namespace clipboard {

void CloseViewerWindowsForEnd() {}

} // namespace clipboard
