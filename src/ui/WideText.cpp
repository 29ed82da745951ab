#include "ui/WideText.h"

#include <windows.h>

namespace ui {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

} // namespace

std::wstring Wide(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::string AnsiToUtf8(std::string_view ansi) {
    return Utf8(ToWide(CP_ACP, ansi));
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Wide(utf8);
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &lost);
    if (lost || length <= 0) return std::nullopt;
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(), length, nullptr, &lost);
    if (lost) return std::nullopt;
    return ansi;
}

} // namespace ui
