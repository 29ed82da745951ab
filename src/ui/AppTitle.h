// The running application's title: the title of every message box shown
// without one of its own.
#pragma once

#include <string>

namespace ui {

const std::string& AppTitle();
void SetAppTitle(std::string title);

} // namespace ui
