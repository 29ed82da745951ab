#include "ui/Window.h"

#include <exception>
#include <string>

namespace ui {

void Window::RegisterClassOnce(const char* className, UINT style, HBRUSH background, HCURSOR cursor) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Window::StaticProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    wc.lpszClassName = className;
    RegisterClassExA(&wc);
}

HWND Window::CreateBound(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                         int w, int h, HWND parent) {
    return CreateWindowExA(exStyle, className, text, style, x, y, w, h, parent, nullptr, GetModuleHandleA(nullptr),
                           this);
}

LRESULT Window::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        self->WindowGone();
        return result;
    }
    try {
        return self->HandleMessage(hwnd, msg, wParam, lParam);
    } catch (const std::exception& e) {
        OutputDebugStringA(("Unhandled error in a window procedure: " + std::string(e.what()) + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("Unhandled error in a window procedure\n");
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace ui
