#include "capture/CapturePipeline.h"

#include "app/MainForm.h"

namespace capture {

CapturePipeline::CapturePipeline(app::MainForm& main) : Picture1(main), Image2(main), main_(main) {
    Picture1.SetVisible(false);
    Picture1.Move(0, 0, 300, 300);
    Image2.SetVisible(false);
}

void CapturePipeline::Get_Clipboard_Content() {}
void CapturePipeline::DoNotification() {}

} // namespace capture
