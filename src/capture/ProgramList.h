// Programs by name, as a user lists them ("KeePassXC.exe; 1Password"): the
// programs whose copies the capture leaves alone.
#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace capture {

class ProgramList {
  public:
    ProgramList() = default;
    // Names apart by ";" or ",", blanks around them left out.
    static ProgramList Parse(std::string_view text);
    // A program file's name ("KeePassXC.exe") is in the list, in any case,
    // listed with or without ".exe".
    bool Holds(std::string_view fileName) const;
    bool Empty() const { return names_.empty(); }

  private:
    std::vector<std::string> names_; // lower case, without ".exe"
};

// A list that the window's thread sets and the reader thread asks.
class SharedProgramList {
  public:
    void Set(ProgramList list);
    bool Holds(std::string_view fileName) const;

  private:
    mutable std::mutex mutex_;
    ProgramList list_;
};

} // namespace capture
