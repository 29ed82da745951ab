// The desktop wallpaper: the in-memory picture as "v-wall.bmp" in the
// Windows directory, installed through the system. Where a standard user
// cannot write the Windows directory, the bitmap goes into the program's
// folder of the user's local application data instead.
#pragma once

#include "capture/SaveWorker.h"
#include "i18n/Messages.h"

#include <string>

namespace catcher {

inline constexpr char kWallpaperFileName[] = "v-wall.bmp";
inline constexpr char kLocalDataFolder[] = "Vellicor Rizezuza";

class Wallpaper {
  public:
    explicit Wallpaper(i18n::Messages& messages);
    // Looks up the Windows directory.
    void Get_WinDir();
    // Where the worker writes the wallpaper bitmap: winDir, "\v-wall.bmp",
    // else the same name in the user's local application data.
    capture::WallpaperPlan Plan();
    // Installs the wallpaper bitmap a save wrote; status 101. When it could
    // not be written or the system refuses it, a message says that the
    // picture was saved and the wallpaper was not.
    void Put_Wallpaper(const capture::SaveResult& result);
    // winDir, "\v-wall.bmp"
    std::string WallpaperPath() const;

    std::string winDir; // the Windows directory, empty until looked up

  private:
    i18n::Messages& messages_;
};

} // namespace catcher
