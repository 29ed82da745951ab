// The real Win32 dialogs behind the dialogs seam.
#pragma once

#include "ui/Dialogs.h"

namespace ui {

class SystemDialogs final : public Dialogs {
  public:
    MsgAnswer ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                          MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::string BrowseForFolder(const std::string& prompt) override;
};

} // namespace ui
