// The desktop wallpaper: the in-memory picture as "v-wall.bmp" in the
// Windows directory, installed through the system.
#pragma once

#include "ui/Controls.h"

#include <string>

namespace app {
class MainForm;
}

namespace capture {

inline constexpr char kWallpaperFileName[] = "v-wall.bmp";

class Wallpaper {
  public:
    explicit Wallpaper(app::MainForm& main);
    // Fills txt_WinDir with the Windows directory.
    void Get_WinDir();
    // Writes the in-memory picture as the wallpaper bitmap, replacing the old
    // one atomically. On failure shows message 99 and returns false: the
    // old file stays as it was and must not be installed.
    bool Save_Wallpaper();
    // Makes the wallpaper bitmap the desktop wallpaper; status 101. When the
    // system refuses it shows message 99 instead and returns false.
    bool Put_Wallpaper();
    // txt_WinDir, "\v-wall.bmp"
    std::string WallpaperPath() const;

    ui::TextBox txt_WinDir; // hidden

  private:
    app::MainForm& main_;
};

} // namespace capture
