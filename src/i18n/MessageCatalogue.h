// The message catalogue: the lines of the language driver file, kept in a
// hidden list box (its store), looked up by entry number.
#pragma once

#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <string>

namespace i18n {

// The language driver file in the program's folder.
inline constexpr char kLanguageDriverFile[] = "VLCRLANG.DRV";

class MessageCatalogue {
  public:
    explicit MessageCatalogue(ui::ListBox& store) : store_(store) {}

    // Replaces the catalogue by the first lines of a driver file (in the
    // system's ANSI code page). A missing driver leaves it empty, without a message.
    void Load(const std::string& driverPath);
    // Entry N: makes it the store's current entry and returns its text; the
    // English text of an added entry an older driver lacks; else the empty text.
    std::string Text(int entry);
    // Message box "(N) text" without a title of its own. The number shown is
    // the entry asked for, also when the catalogue has no such entry.
    void ErrorReport(int entry, ui::MsgIcon icon);

  private:
    ui::ListBox& store_;
};

} // namespace i18n
