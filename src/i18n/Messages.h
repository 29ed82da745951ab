// What every part of the program may say to the user: the catalogue's
// texts, the status line, the program log and error reports. The main
// window keeps them; the rooms below it speak through this interface.
#pragma once

#include "ui/Dialogs.h"

#include <string>

namespace i18n {

class Messages {
  public:
    // Entry N of the catalogue; the empty text for an entry beyond the last one.
    virtual std::string Catalogue(int entry) = 0;
    // A log line (date, time, message), kept while the log is on.
    virtual void AppendLog(const std::string& message) = 0;
    // The main window's status line.
    virtual void SetStatus(const std::string& text) = 0;
    // Message box "(N) text".
    virtual void ErrorReport(int entry, ui::MsgIcon icon) = 0;

    // The entry's text in the log.
    void LogEntry(int entry) { AppendLog(Catalogue(entry)); }

  protected:
    ~Messages() = default;
};

} // namespace i18n
