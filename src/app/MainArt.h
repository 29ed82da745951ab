// The pictures of the main window's buttons, drawn by the program itself.
#pragma once

#include "ui/Picture.h"

namespace app {

ui::Picture OptionsButtonArt(); // sliders
ui::Picture ExitButtonArt();    // a red cross
ui::Picture MemoryButtonArt();  // a picture in a frame
ui::Picture FoldersButtonArt(); // a folder
ui::Picture AboutArt();         // an "i" in a circle

} // namespace app
