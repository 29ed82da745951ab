#include "capture/PictureSaver.h"

#include "app/MainForm.h"

namespace capture {

PictureSaver::PictureSaver(app::MainForm& main) : main_(main) {}

void PictureSaver::Save_Picture(int) {}

} // namespace capture
