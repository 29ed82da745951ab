// The program's own folder: the folder of the running .exe. The program's
// files (settings, language driver, first-run marker) live there and are
// opened by full path, whatever the current directory is: a shortcut's
// "Start in" folder, the log-on start, or a folder the language chooser is
// browsing.
#pragma once

#include <string>

namespace ui {

// The full path of the running .exe.
std::string ProgramPath();
// Its folder, without a trailing backslash.
std::string ProgramFolder();
// A file of the program: its folder, "\" and the name.
std::string ProgramFile(const std::string& name);

// The user's local application data folder (made if missing); empty when
// the system has none.
std::string LocalAppDataFolder();

// Opens the folder of a file in the system's file manager with the file
// selected; false when the system could not.
bool ShowFileInFolder(const std::string& path);

} // namespace ui
