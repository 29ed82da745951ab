// The pictures of the main window's buttons, drawn by the program itself
// on the light or the dark face.
#pragma once

#include "ui/Picture.h"

namespace app {

ui::Picture OptionsButtonArt(bool dark); // sliders
ui::Picture ExitButtonArt(bool dark);    // a red cross
ui::Picture MemoryButtonArt(bool dark);  // a picture in a frame
ui::Picture FoldersButtonArt(bool dark); // a folder
ui::Picture AboutArt(bool dark);         // an "i" in a circle

} // namespace app
