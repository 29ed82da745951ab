// The capture pipeline: takes the bitmap the viewer shows into memory,
// measures and reports it, and decides between nothing, automatic saving
// and the notification window.
#pragma once

#include "ui/PictureControls.h"

namespace app {
class MainForm;
}

namespace capture {

class CapturePipeline {
public:
    explicit CapturePipeline(app::MainForm& main);

    void Get_Clipboard_Content();
    void DoNotification();

    ui::PictureBox Picture1; // the in-memory picture, hidden
    ui::Image Image2;        // hidden measuring image, not stretched

private:
    app::MainForm& main_;
};

} // namespace capture
