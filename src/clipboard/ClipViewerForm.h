// The clipboard viewer window: shows the clipboard in any standard format,
// and, hidden, is the program's clipboard watcher in the clipboard-viewer
// chain.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/PictureControls.h"

namespace clipboard {

class ClipViewerForm : public ui::Form {
public:
    static constexpr char kDesignCaption[] = "Clipboard Viewer";
    ClipViewerForm();
    ~ClipViewerForm() override;

    // The main window's once-a-minute check: loads the viewer again (hidden)
    // when it was closed, and enables its Display menu.
    void CheckStillWatching();

    ui::TextBox Text1;
    ui::PictureBox Picture1;

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

} // namespace clipboard
