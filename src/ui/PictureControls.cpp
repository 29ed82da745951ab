#include "ui/PictureControls.h"

#include "ui/Form.h"
#include "ui/Theme.h"
#include "ui/Twips.h"

#include <cmath>

namespace ui {
namespace {
constexpr char kPictureBoxClass[] = "VellicorPictureBox";
constexpr char kImageClass[] = "VellicorImage";
} // namespace

// --- PictureBox ----------------------------------------------------------

PictureBox::PictureBox(Form& form) : Control(form) {}

HWND PictureBox::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    RegisterClassOnce(kPictureBoxClass, 0, nullptr, nullptr);
    return CreateBound(WS_EX_CLIENTEDGE, kPictureBoxClass, "", WS_CHILD | WS_CLIPSIBLINGS, x, y, width,
                       height, parent);
}

SIZE PictureBox::ClientPixels() const {
    RECT rect{};
    if (hWnd()) GetClientRect(hWnd(), &rect);
    return {rect.right, rect.bottom};
}

void PictureBox::EnsureCanvas() {
    const SIZE size = ClientPixels();
    const SIZE wanted{size.cx > 0 ? size.cx : 1, size.cy > 0 ? size.cy : 1};
    if (canvasDc_ && canvasSize_.cx == wanted.cx && canvasSize_.cy == wanted.cy) return;
    if (canvasDc_ && canvasOld_) SelectObject(canvasDc_.get(), canvasOld_);
    canvasDc_.reset();
    canvas_.reset();
    ScopedGetDC screen(hWnd());
    canvasDc_.reset(CreateCompatibleDC(screen));
    canvas_.reset(CreateCompatibleBitmap(screen, wanted.cx, wanted.cy));
    canvasOld_ = canvasDc_ && canvas_ ? SelectObject(canvasDc_.get(), canvas_.get()) : nullptr;
    canvasSize_ = wanted;
    Redraw();
}

void PictureBox::Redraw() {
    if (!canvasDc_) return;
    stale_ = false;
    drawnInto_ = false;
    RECT all{0, 0, canvasSize_.cx, canvasSize_.cy};
    FillRect(canvasDc_.get(), &all, theme::FaceBrush());
    if (!picture_.Empty()) {
        // A bitmap is shown at its own size from the top-left corner; a
        // metafile is drawn to the box.
        RECT dest = picture_.IsMetafile() ? all : RECT{0, 0, picture_.Width(), picture_.Height()};
        picture_.Draw(canvasDc_.get(), dest);
    }
}

void PictureBox::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    if (!hWnd()) return;
    // A hidden box (the in-memory picture, the watching viewer) draws its
    // picture when it is needed, not at every change.
    if (!IsWindowVisible(hWnd())) {
        stale_ = true;
        return;
    }
    EnsureCanvas();
    Redraw();
    Refresh();
}

void PictureBox::RedrawIfStale() {
    if (!stale_) return;
    stale_ = false;
    Redraw();
}

void PictureBox::Cls() {
    if (!hWnd()) return;
    EnsureCanvas();
    Redraw();
    Refresh();
}

HDC PictureBox::hDC() {
    if (!hWnd()) return nullptr;
    EnsureCanvas();
    RedrawIfStale();
    drawnInto_ = true;
    return canvasDc_.get();
}

void PictureBox::FollowTheme() {
    if (drawnInto_) return;
    stale_ = true; // drawn again when it is next painted
    Refresh();
}

void PictureBox::Refresh() {
    if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

void PictureBox::SetScale(double x1, double y1, double x2, double y2) {
    scaleX1_ = x1;
    scaleY1_ = y1;
    scaleX2_ = x2;
    scaleY2_ = y2;
    userScale_ = x2 != x1 && y2 != y1;
}

void PictureBox::FillBox(double x1, double y1, double x2, double y2, COLORREF color) {
    HDC dc = hDC();
    if (!dc) return;
    auto toX = [&](double x) {
        return userScale_
                   ? static_cast<int>(std::lround((x - scaleX1_) * canvasSize_.cx / (scaleX2_ - scaleX1_)))
                   : static_cast<int>(x);
    };
    auto toY = [&](double y) {
        return userScale_
                   ? static_cast<int>(std::lround((y - scaleY1_) * canvasSize_.cy / (scaleY2_ - scaleY1_)))
                   : static_cast<int>(y);
    };
    RECT box{toX(x1), toY(y1), toX(x2), toY(y2)};
    UniqueBrush brush(CreateSolidBrush(color));
    if (brush) FillRect(dc, &box, brush.get());
}

LRESULT PictureBox::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return TRUE;
    case WM_SIZE: EnsureCanvas(); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        EnsureCanvas();
        RedrawIfStale();
        if (canvasDc_) BitBlt(dc, 0, 0, canvasSize_.cx, canvasSize_.cy, canvasDc_.get(), 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        if (canvasDc_ && canvasOld_) SelectObject(canvasDc_.get(), canvasOld_);
        canvasOld_ = nullptr;
        canvasDc_.reset();
        canvas_.reset();
        canvasSize_ = {0, 0};
        break;
    default: break;
    }
    return Window::HandleMessage(hwnd, msg, wParam, lParam);
}

// --- Image ---------------------------------------------------------------

Image::Image(Form& form) : Control(form) {}

HWND Image::CreateControlWindow(HWND parent, int x, int y, int width, int height) {
    RegisterClassOnce(kImageClass, 0, nullptr, LoadCursor(nullptr, IDC_HAND));
    return CreateBound(WS_EX_TRANSPARENT, kImageClass, "", WS_CHILD, x, y, width, height, parent);
}

void Image::FitToPicture() {
    if (stretch_ || picture_.Empty()) return;
    Move(Left(), Top(), OwnerForm().ToTwips(picture_.Width()), OwnerForm().ToTwips(picture_.Height()));
}

void Image::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    FitToPicture();
    Repaint();
}

// The image is transparent: what lies under it is drawn by its parent, which
// must draw that area again when the picture changes (or goes), and with it
// every control there: the parent does not clip transparent ones, so its
// background would cover them. A hidden image shows nothing, so changing its
// picture (or its size) draws nothing at all.
void Image::Repaint() {
    if (!hWnd() || !IsWindowVisible(hWnd())) return;
    RECT area{};
    GetWindowRect(hWnd(), &area);
    MapWindowPoints(nullptr, GetParent(hWnd()), reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(GetParent(hWnd()), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    FitToPicture();
    Repaint();
}

LRESULT Image::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client{};
        GetClientRect(hwnd, &client);
        if (!picture_.Empty())
            picture_.Draw(dc, stretch_ ? client : RECT{0, 0, picture_.Width(), picture_.Height()});
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONUP:
        if (OnClick) OnClick();
        return 0;
    default: break;
    }
    return Window::HandleMessage(hwnd, msg, wParam, lParam);
}

} // namespace ui
