// Saving the in-memory picture as a JPEG file into a target slot.
#pragma once

#include <optional>
#include <string>

namespace app {
class MainForm;
}

namespace capture {

class PictureSaver {
  public:
    explicit PictureSaver(app::MainForm& main);
    // Save_Picture .. Save_Picture5: slot 1..5. Errors never leave it: a
    // failed save shows message 99 and reports entry 94.
    void Save_Picture(int slot);

    static constexpr int kJpegQuality = 100;

  private:
    // The whole save; throws on any failure before the file is in place or
    // while reporting it.
    void SaveInto(int slot);
    // The name typed into the prompt when names are set by hand; nothing
    // when the prompt is not used or its answer is empty.
    std::optional<std::string> TypedName();
    void ReportFailure(const std::string& why);

    app::MainForm& main_;
};

} // namespace capture
