#include "ui/Window.h"

#include "ui/WideText.h"

#include <exception>
#include <string>

namespace ui {

void Window::RegisterClassOnce(const char* className, UINT style, HBRUSH background, HCURSOR cursor) {
    const std::wstring name = Wide(className);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = &Window::StaticProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
}

HWND Window::CreateBound(DWORD exStyle, const char* className, const char* text, DWORD style, int x, int y,
                         int w, int h, HWND parent) {
    return CreateWindowExW(exStyle, Wide(className).c_str(), Wide(text).c_str(), style, x, y, w, h, parent,
                           nullptr, GetModuleHandleW(nullptr), this);
}

LRESULT Window::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
        self->WindowGone();
        return result;
    }
    try {
        return self->HandleMessage(hwnd, msg, wParam, lParam);
    } catch (const std::exception& e) {
        OutputDebugStringA(
            ("Unhandled error in a window procedure: " + std::string(e.what()) + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("Unhandled error in a window procedure\n");
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace ui
