// What the capture tests share: test pictures, JPEG decoding and inspection,
// folder listings, and a program with its catalogue, log and five slot
// folders in a fresh start directory.
#pragma once

#include "app/App.h"
#include "app/MainForm.h"
#include "ui/Picture.h"

#include "TestPictures.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace capture_testing {

using testing_support::PutTextOnClipboard;

// A real GDI bitmap put on the system clipboard as CF_BITMAP (with a text
// beside it when one is given), and read back the way the viewer reads it.
void PutBitmapOnClipboard(const ui::Picture& picture, const std::string& alsoText = {});
ui::Picture BitmapFromClipboard();
bool ClipboardIsEmpty();

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};
// Decodes a JPEG or BMP file; width 0 when it cannot be read.
DecodedPicture DecodeFile(const std::filesystem::path& path);
// Mean and largest difference per colour channel between a picture and a decoded file.
struct PixelError {
    double mean = 0;
    int largest = 0;
};
PixelError Compare(const ui::Picture& picture, const DecodedPicture& decoded);

// The headers of a JPEG file.
JpegHeader ReadJpegHeader(const std::filesystem::path& path);

// The names of the files in a folder (not recursive), sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);
// Every file under a folder, with its path relative to it.
std::vector<std::string> AllFilesUnder(const std::filesystem::path& folder);

// A folder that refuses new files while the object lives (the immutable
// attribute, set through the system's chattr). Locked() is false where that
// cannot be done.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool Locked() const { return locked_; }

  private:
    std::filesystem::path folder_;
    bool locked_;
};

// A program in a fresh start directory with the English catalogue, the log
// on, automatic capture into slot #1 from 640 x 480 on, and the folders
// slot1..slot5 for the five slots (all offered). No form is loaded.
class CaptureTest : public ::testing::Test {
  protected:
    CaptureTest();
    void SetUp() override;

    // The viewer's part of a capture: its Picture1 holds the picture, then
    // the pipeline runs.
    // The pipeline's part of a capture, as the engine hands it a picture; the
    // saves it starts are finished and reported before it returns.
    void Capture(const ui::Picture& picture);
    // Saves into a slot and waits for the worker to finish and report.
    void Save(int slot);
    std::filesystem::path SlotFolder(int slot) const;
    std::vector<std::string> SavedIn(int slot) const { return FilesIn(SlotFolder(slot)); }
    std::string LastLog() const;
    // The message of log line i: what follows the date and time.
    std::string LogMessage(int i) const;
    std::string Entry(int entry) { return main.Catalogue(entry); }
    // The log line the program writes for a message at the test's clock time.
    std::string LogLine(const std::string& message) const;
    // The texts that the notification's close counter took.
    std::vector<std::string> counterTexts;

    testing_support::TempStartDir dir;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FixedClock clock{{2026, 12, 7, 16, 5, 9}};
    app::App program;
    app::MainForm& main;
};

} // namespace capture_testing
