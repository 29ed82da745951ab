// Saving the in-memory picture as a JPEG file into a target slot.
#pragma once

namespace app {
class MainForm;
}

namespace capture {

class PictureSaver {
public:
    explicit PictureSaver(app::MainForm& main);
    // Save_Picture .. Save_Picture5: slot 1..5. Errors never leave it.
    void Save_Picture(int slot);

private:
    app::MainForm& main_;
};

} // namespace capture
