// The clock seam: the current local date and time (file names, log lines).
// Tests install a fixed or scripted clock.
#pragma once

#include "ui/DateTime.h"

#include <functional>
#include <string>

namespace ui {

DateTime Now();
// Installs a clock; an empty function puts the system clock back.
void SetClock(std::function<DateTime()> clock);

// The system's short date and time texts of a moment (regional settings).
std::string ShortDateText(const DateTime& when);
std::string TimeText(const DateTime& when);

} // namespace ui
