// Replacing files so that a failure never leaves a truncated one: the new
// content goes to a temporary file in the same folder, which is then renamed
// over the old file.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// A new, empty temporary file in the folder of path; its name says whose it
// is: "vellicor-unfinished-<process>-<number>.tmp".
std::string TempNameBeside(const std::string& path);
// Removes the temporary files that a run of the program killed while
// writing left in a folder (files of the pattern above made by another
// process); nothing else is touched. Returns how many were removed.
int RemoveUnfinishedFiles(const std::string& folder);
// Writes the whole content to path atomically. Throws std::runtime_error on
// failure; the old file, if any, stays as it was and no temporary is left.
void WriteFileAtomically(const std::string& path, std::string_view content);
// Moves a finished temporary file onto target, replacing it. Throws on failure
// (the temporary file is then removed).
void MoveIntoPlace(const std::string& temp, const std::string& target);

} // namespace ui
