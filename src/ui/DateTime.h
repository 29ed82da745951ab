// A local calendar date and time, as the clock gives it.
#pragma once

namespace ui {

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

} // namespace ui
