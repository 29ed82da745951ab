// What the keep-on-top timer costs an idle program: the notification window
// sits parked (or showing) with Timer3 running while the program waits in
// its message loop; the program's CPU time over the run is reported.
//
// Usage: notify_idle_benchmark [seconds] [parked|showing]
#include "app/App.h"
#include "notify/NotificationForm.h"

#include "TestSupport.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double CpuSeconds() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The program's own message loop, for the given time.
void RunMessageLoop(int seconds) {
    const UINT_PTR end = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000u, nullptr);
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd && msg.wParam == end) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, end);
}

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const bool showing = argc > 2 && std::strcmp(argv[2], "showing") == 0;
    testing_support::TempStartDir dir;
    app::App program;
    notify::NotificationForm& window = program.Notifications();
    window.PlaceAtStart();
    if (showing) {
        // Up on the screen for the whole run: no slide, no close.
        window.Move(window.Left(), window.Top() - window.Height() - 400);
    }
    window.Timer3.SetEnabled(true);
    long ticks = 0;
    const auto keepOnTop = window.Timer3.OnTimer;
    window.Timer3.OnTimer = [&] {
        ++ticks;
        keepOnTop();
    };

    const double cpuBefore = CpuSeconds();
    const ULONGLONG start = GetTickCount64();
    RunMessageLoop(seconds);
    const double wall = static_cast<double>(GetTickCount64() - start) / 1000.0;
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("%s, %.1f s: %ld keep-on-top ticks (%.0f per second), CPU %.2f s = %.1f %% of one core\n",
                showing ? "showing" : "parked", wall, ticks, ticks / wall, cpu, 100.0 * cpu / wall);
    return 0;
}
