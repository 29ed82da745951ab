// The single-instance check. The instance name is a seam: tests give their
// own so that they can start an instance beside a running program.
#pragma once

#include "ui/WinHandles.h"

#include <string>

namespace ui {

void SetInstanceName(std::string name);
const std::string& InstanceName();

// Claims the instance name for as long as the object lives.
class SingleInstance {
  public:
    SingleInstance();
    // True when another running copy had claimed the name first.
    bool AnotherIsRunning() const { return another_; }

  private:
    UniqueHandle mutex_;
    bool another_ = false;
};

} // namespace ui
