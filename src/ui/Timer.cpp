#include "ui/Timer.h"

#include "ui/Form.h"

namespace ui {
namespace {
UINT_PTR NextTimerId() {
    static UINT_PTR next = 1000;
    return ++next;
}
} // namespace

Timer::Timer(Form& form, UINT intervalMs, bool enabled)
    : form_(form), interval_(intervalMs), enabled_(enabled), id_(NextTimerId()) {
    form_.Register(*this);
}

Timer::~Timer() {
    Stop();
    form_.Unregister(*this);
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Stop();
    if (enabled_) Start();
}

void Timer::SetInterval(UINT intervalMs) {
    interval_ = intervalMs;
    if (running_) Start();
}

void Timer::Tick() {
    if (enabled_ && OnTimer) OnTimer();
}

void Timer::FormLoaded() {
    if (enabled_) Start();
}

void Timer::FormUnloaded() {
    Stop();
}

void Timer::Start() {
    // A zero interval means a stopped timer, as on every form toolkit.
    if (!form_.hWnd() || interval_ == 0) return;
    running_ = SetTimer(form_.hWnd(), id_, interval_, nullptr) != 0;
}

void Timer::Stop() {
    if (running_ && form_.hWnd()) KillTimer(form_.hWnd(), id_);
    running_ = false;
}

} // namespace ui
