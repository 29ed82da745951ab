// The picture controls: a picture box, which holds a picture and keeps what
// is drawn into it (persistent drawing), and an image, which shows a picture
// stretched to its size or takes the picture's own size.
#pragma once

#include "ui/Control.h"
#include "ui/Picture.h"
#include "ui/WinHandles.h"
#include "ui/Window.h"

#include <functional>

namespace ui {

class PictureBox : public Control, private Window {
  public:
    explicit PictureBox(Form& form);
    void SetPicture(Picture picture);
    const Picture& GetPicture() const { return picture_; }
    // Clears the drawing and shows the picture again.
    void Cls();
    // The device context of the persistent drawing (valid while created).
    HDC hDC();
    void Refresh();
    // A user scale: the inner area runs from (x1, y1) to (x2, y2).
    void SetScale(double x1, double y1, double x2, double y2);
    // A filled box in user-scale coordinates.
    void FillBox(double x1, double y1, double x2, double y2, COLORREF color);
    // Inner size in pixels.
    SIZE ClientPixels() const;
    // Its picture is shown again on the theme's face; what was drawn into it stays.
    void FollowTheme() override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void EnsureCanvas();
    void Redraw();
    void RedrawIfStale();

    Picture picture_;
    UniqueDC canvasDc_;
    UniqueBitmap canvas_;
    HGDIOBJ canvasOld_ = nullptr;
    SIZE canvasSize_{0, 0};
    bool stale_ = false;     // the picture changed while the box could not be seen
    bool drawnInto_ = false; // drawn into through hDC() since the picture was last shown
    double scaleX1_ = 0, scaleY1_ = 0, scaleX2_ = 0, scaleY2_ = 0;
    bool userScale_ = false;
};

class Image : public Control, private Window {
  public:
    explicit Image(Form& form);
    void SetPicture(Picture picture);
    const Picture& GetPicture() const { return picture_; }
    // Stretched: the picture fills the control. Not stretched: the control
    // takes the picture's size.
    void SetStretch(bool stretch);
    bool Stretch() const { return stretch_; }
    std::function<void()> OnClick;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // An unstretched image shows its picture's pixels one to one: its size in twips follows the DPI.
    void OnDpiChanged() override { FitToPicture(); }

  private:
    void FitToPicture();
    void Repaint();
    Picture picture_;
    bool stretch_ = false;
};

} // namespace ui
