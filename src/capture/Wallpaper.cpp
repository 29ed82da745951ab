#include "capture/Wallpaper.h"

#include "app/MainForm.h"

namespace capture {

Wallpaper::Wallpaper(app::MainForm& main) : txt_WinDir(main), main_(main) {
    txt_WinDir.SetVisible(false);
    txt_WinDir.Move(0, 0, 300, 300);
}

void Wallpaper::Get_WinDir() {}
void Wallpaper::Save_Wallpaper() {}
void Wallpaper::Put_Wallpaper() {}

} // namespace capture
