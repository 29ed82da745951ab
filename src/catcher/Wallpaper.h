// The desktop wallpaper: the in-memory picture as "v-wall.bmp" in the
// Windows directory, installed through the system. Where a standard user
// cannot write the Windows directory, the bitmap goes into the program's
// folder of the user's local application data instead.
#pragma once

#include "capture/SaveWorker.h"
#include "i18n/Messages.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <string>

namespace capture {

inline constexpr char kWallpaperFileName[] = "v-wall.bmp";
inline constexpr char kLocalDataFolder[] = "Vellicor Rizezuza";

class Wallpaper {
  public:
    // txt_WinDir lives on `form`.
    Wallpaper(ui::Form& form, i18n::Messages& messages);
    // Fills txt_WinDir with the Windows directory.
    void Get_WinDir();
    // Where the worker writes the wallpaper bitmap: txt_WinDir, "\v-wall.bmp",
    // else the same name in the user's local application data.
    WallpaperPlan Plan();
    // Installs the wallpaper bitmap a save wrote; status 101. When it could
    // not be written or the system refuses it, a message says that the
    // picture was saved and the wallpaper was not.
    void Put_Wallpaper(const SaveResult& result);
    // txt_WinDir, "\v-wall.bmp"
    std::string WallpaperPath() const;

    ui::TextBox txt_WinDir; // hidden

  private:
    i18n::Messages& messages_;
};

} // namespace capture
