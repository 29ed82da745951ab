// A form timer: an interval in milliseconds and an enabled flag. Enabling
// (again) restarts the count. Ticks arrive as WM_TIMER on the form's thread.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Form;

class Timer {
  public:
    Timer(Form& form, UINT intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    void SetInterval(UINT intervalMs);
    UINT Interval() const { return interval_; }

    std::function<void()> OnTimer;

    // Toolkit internals.
    UINT_PTR Id() const { return id_; }
    void Tick();
    void FormLoaded();
    void FormUnloaded();

  private:
    void Start();
    void Stop();

    Form& form_;
    UINT interval_;
    bool enabled_;
    UINT_PTR id_;
    bool running_ = false;
};

} // namespace ui
