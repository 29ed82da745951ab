// The diagnostic trace written when a subclassed window is unhooked because
// its handler failed. It goes to the debugger only.
#pragma once

#include <cstdint>
#include <string>

namespace clipboard {

struct HookFailure {
    std::int32_t number = 0;
    std::string description;
};

// Three lines, each ending in CR LF:
//   Unhook on Error, #<number>
//     Desc: <description>
//     Message, hWnd: &h<window>, Msg: &h<message>, Params: <wParam>, <lParam>
std::string UnhookTraceText(const HookFailure& failure, std::uintptr_t window, unsigned message,
                            std::uintptr_t wParam, std::intptr_t lParam);

} // namespace clipboard
