// The desktop wallpaper: the in-memory picture as "v-wall.bmp" in the
// Windows directory, installed through the system.
#pragma once

#include "ui/Controls.h"

namespace app {
class MainForm;
}

namespace capture {

class Wallpaper {
public:
    explicit Wallpaper(app::MainForm& main);
    void Get_WinDir();
    void Save_Wallpaper();
    void Put_Wallpaper();

    ui::TextBox txt_WinDir; // hidden

private:
    app::MainForm& main_;
};

} // namespace capture
