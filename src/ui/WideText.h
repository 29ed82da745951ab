// The program keeps its text as UTF-8; Windows is spoken to in UTF-16 (the
// W functions) so that folder names and typed names outside the system's
// ANSI code page survive. Files kept in the ANSI code page (the language
// driver, target slots that fit) are converted where they are read/written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// ANSI (the system's code page) to UTF-8 and back; the way back is empty
// when some character has no place in the code page.
std::string AnsiToUtf8(std::string_view ansi);
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

} // namespace ui
