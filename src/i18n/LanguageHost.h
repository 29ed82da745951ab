// What the language chooser needs from the program: its folder, whether
// this is the first run, and what follows a choice, a cancel or the end.
#pragma once

#include "i18n/Messages.h"

#include <string>

namespace i18n {

class LanguageHost : public Messages {
  public:
    // The program's folder: the languages are below it, the chosen driver goes into it.
    virtual std::string ProgramFolder() = 0;
    virtual bool FirstRun() = 0;
    // A new driver is in place: the program reads it. On a first run it also
    // completes the start (throws when that cannot be done).
    virtual void LanguageChanged() = 0;
    virtual void ShowMainWindow() = 0;
    virtual void EndProgram() = 0;

  protected:
    ~LanguageHost() = default;
};

} // namespace i18n
