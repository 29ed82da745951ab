// The process's current directory, where the settings files are opened by
// bare name.
#pragma once

#include <string>

namespace ui {

std::string CurrentDirectory();

} // namespace ui
