// Where a worker thread leaves its results for a window's thread: each
// result is put in under the mailbox's own lock and announced by a message
// posted to the window, whose thread takes all that came. A window that is
// gone takes no results; they go with the mailbox.
#pragma once

#include <windows.h>

#include <mutex>
#include <utility>
#include <vector>

namespace capture {

template <typename Result> class ResultMailbox {
  public:
    ResultMailbox(HWND window, UINT message) : window_(window), message_(message) {}

    // On the worker's thread.
    void Post(Result result) {
        {
            std::lock_guard lock(mutex_);
            results_.push_back(std::move(result));
        }
        PostMessageA(window_, message_, 0, 0);
    }

    // On the window's thread: the results posted since the last call, oldest first.
    std::vector<Result> TakeAll() {
        std::lock_guard lock(mutex_);
        std::vector<Result> taken;
        taken.swap(results_);
        return taken;
    }

  private:
    HWND window_;
    UINT message_;
    std::mutex mutex_;
    std::vector<Result> results_;
};

} // namespace capture
