#include "clipboard/HookTrace.h"

#include <cstdio>

namespace clipboard {
namespace {
std::string Hex(unsigned long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%llX", value);
    return text;
}
} // namespace

std::string UnhookTraceText(const HookFailure& failure, std::uintptr_t window, unsigned message,
                            std::uintptr_t wParam, std::intptr_t lParam) {
    const std::string crlf = "\r\n";
    return "Unhook on Error, #" + std::to_string(failure.number) + crlf + "  Desc: " + failure.description +
           crlf + "  Message, hWnd: &h" + Hex(window) + ", Msg: &h" + Hex(message) +
           ", Params: " + std::to_string(wParam) + ", " + std::to_string(lParam) + crlf;
}

} // namespace clipboard
