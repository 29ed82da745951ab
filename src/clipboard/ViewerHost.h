// What the clipboard viewer tells the program: that a change holds no
// picture (the size labels say so), and its log lines.
#pragma once

#include "i18n/Messages.h"

#include <string>

namespace clipboard {

class ViewerHost : public i18n::Messages {
  public:
    // The size labels show `noPictureText` instead of a picture's size.
    virtual void ShowNoPicture(const std::string& noPictureText) = 0;

  protected:
    ~ViewerHost() = default;
};

} // namespace clipboard
