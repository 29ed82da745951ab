// Replacing files so that a failure never leaves a truncated one: the new
// content goes to a temporary file in the same folder, which is then renamed
// over the old file.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// A free temporary name in the folder of path.
std::string TempNameBeside(const std::string& path);
// Writes the whole content to path atomically. Throws std::runtime_error on
// failure; the old file, if any, stays as it was and no temporary is left.
void WriteFileAtomically(const std::string& path, std::string_view content);
// Moves a finished temporary file onto target, replacing it. Throws on failure
// (the temporary file is then removed).
void MoveIntoPlace(const std::string& temp, const std::string& target);

} // namespace ui
