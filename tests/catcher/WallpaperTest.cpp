// The wallpaper: the in-memory picture as "v-wall.bmp" in the Windows
// directory, installed through SystemParametersInfoA.
#include "CaptureTestSupport.h"

#include "catcher/Wallpaper.h"

#include <shlobj.h>

using namespace capture_testing;

namespace {

std::string CurrentWallpaper() {
    char path[MAX_PATH] = {};
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0);
    return path;
}

void InstallWallpaper(std::string path) {
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.data(), SPIF_UPDATEINIFILE);
}

std::string LocalDataWallpaper() {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return std::string(path) + "\\Vellicor Rizezuza\\v-wall.bmp";
}

std::string WindowsDirectory() {
    char path[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return std::string(path, length);
}

class Wallpaper : public CaptureTest {
  protected:
    void SetUp() override {
        CaptureTest::SetUp();
        main.options.Check3.SetValue(0);
        main.options.Check6.SetValue(1);
        std::filesystem::create_directories(winDir);
        main.wallpaper.winDir = winDir.string();
        dir.Write("earlier.bmp", "");
        InstallWallpaper(earlier);
        Capture(picture);
    }
    void TearDown() override { InstallWallpaper(""); }

    const std::filesystem::path winDir = dir.Path() / "windows";
    const std::string wallpaperFile = (winDir / "v-wall.bmp").string();
    const std::string earlier = (dir.Path() / "earlier.bmp").string();
    const ui::Picture picture = TestPicture(320, 240);
};

TEST_F(Wallpaper, GetWinDirHoldsTheWindowsDirectoryWithoutATrailingBackslash) {
    main.wallpaper.winDir = "";
    main.wallpaper.Get_WinDir();
    EXPECT_EQ(main.wallpaper.winDir, WindowsDirectory());
    EXPECT_FALSE(main.wallpaper.winDir.empty());
    EXPECT_NE(main.wallpaper.winDir.back(), '\\');
    EXPECT_EQ(main.wallpaper.WallpaperPath(), WindowsDirectory() + "\\v-wall.bmp");
}

TEST_F(Wallpaper, SaveWithCheck6WritesTheBitmapIntoTheWindowsDirectoryAndInstallsIt) {
    main.wallpaper.Get_WinDir();
    const std::string path = WindowsDirectory() + "\\v-wall.bmp";
    DeleteFileA(path.c_str());
    const std::vector<std::string> before = FilesIn(WindowsDirectory());
    Save(1);

    const DecodedPicture bitmap = DecodeFile(path);
    ASSERT_EQ(bitmap.width, 320);
    ASSERT_EQ(bitmap.height, 240);
    EXPECT_EQ(Compare(picture, bitmap).largest, 0) << "a full-size, lossless copy";
    EXPECT_EQ(CurrentWallpaper(), path);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(101)) << "the status ends with the wallpaper text";
    EXPECT_EQ(LastLog(), LogLine(Entry(56) + ": " + (SlotFolder(1) / "20261271659.jpg").string()));
    std::vector<std::string> after = FilesIn(WindowsDirectory());
    std::erase(after, "v-wall.bmp");
    EXPECT_EQ(after, before) << "no temporary file is left";
    EXPECT_TRUE(dialogs.calls.empty());
    DeleteFileA(path.c_str());
}

TEST_F(Wallpaper, TwoSavesInARowLeaveTheSecondPictureWhicheverTheSlots) {
    Save(2);
    Capture(TestPicture(200, 100, 7));
    Save(5);
    const DecodedPicture bitmap = DecodeFile(wallpaperFile);
    EXPECT_EQ(bitmap.width, 200);
    EXPECT_EQ(Compare(main.capture.InMemory(), bitmap).largest, 0);
    EXPECT_EQ(CurrentWallpaper(), wallpaperFile);
}

TEST_F(Wallpaper, WithoutCheck6NoWallpaperIsTouched) {
    main.options.Check6.SetValue(2);
    Save(1);
    EXPECT_FALSE(std::filesystem::exists(wallpaperFile));
    EXPECT_EQ(CurrentWallpaper(), earlier);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(93));
}

TEST_F(Wallpaper, LockedWindowsFolderSendsTheBitmapToTheUsersLocalApplicationData) {
    // A standard user cannot write the Windows folder: the bitmap goes to the
    // program's folder of the user's local application data instead.
    dir.Write("windows/v-wall.bmp", "the older wallpaper");
    const std::string fallback = LocalDataWallpaper();
    DeleteFileA(fallback.c_str());
    {
        const ReadOnlyFolder readOnly(winDir);
        if (!readOnly.Locked()) GTEST_SKIP() << "folders cannot be made read-only here";
        Save(1);
    }
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(dir.Read("windows/v-wall.bmp"), "the older wallpaper") << "the old file stays whole";
    EXPECT_EQ(Compare(picture, DecodeFile(fallback)).largest, 0);
    EXPECT_EQ(CurrentWallpaper(), fallback);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(101));
    DeleteFileA(fallback.c_str());
}

TEST_F(Wallpaper, NoFolderThatTakesTheBitmapSaysThePictureWasSavedAndTheWallpaperNot) {
    main.wallpaper.winDir = (dir.Path() / "no such folder").string();
    const std::filesystem::path localData = std::filesystem::path(LocalDataWallpaper()).parent_path();
    std::filesystem::create_directories(localData);
    DeleteFileA(LocalDataWallpaper().c_str());
    {
        const ReadOnlyFolder readOnly(localData);
        if (!readOnly.Locked()) GTEST_SKIP() << "folders cannot be made read-only here";
        Save(1);
    }
    const std::vector<testing_support::DialogCall> messages = dialogs.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "(194) " + Entry(194));
    EXPECT_EQ(Entry(194), "The picture was saved, but it could not be made the wallpaper");
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(194));
    EXPECT_EQ(SavedIn(1), std::vector<std::string>{"20261271659.jpg"}) << "the picture itself was saved";
    EXPECT_EQ(CurrentWallpaper(), earlier) << "no older bitmap is installed";
}

TEST_F(Wallpaper, UnknownWindowsDirectoryIsLookedUpRatherThanTheDriveRootUsed) {
    main.wallpaper.winDir = "";
    Save(1);
    EXPECT_EQ(main.wallpaper.winDir, WindowsDirectory());
    EXPECT_EQ(GetFileAttributesA("\\v-wall.bmp"), INVALID_FILE_ATTRIBUTES);
    const std::string path = WindowsDirectory() + "\\v-wall.bmp";
    EXPECT_EQ(DecodeFile(path).width, 320);
    DeleteFileA(path.c_str());
}

} // namespace
