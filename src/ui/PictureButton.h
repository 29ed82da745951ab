// A flat picture button without caption: draws its picture centred, raises
// OnClick and shows its tool tip.
#pragma once

#include "ui/Control.h"
#include "ui/Picture.h"

#include <functional>

namespace ui {

class PictureButton : public Control {
  public:
    explicit PictureButton(Form& form);
    void SetPicture(Picture picture);
    const Picture& GetPicture() const { return picture_; }
    std::function<void()> OnClick;

    void OnCommand(WORD code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  protected:
    HWND CreateControlWindow(HWND parent, int x, int y, int width, int height) override;

  private:
    Picture picture_;
};

} // namespace ui
