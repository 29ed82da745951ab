// The wallpaper: the in-memory picture as "v-wall.bmp" in the Windows
// directory, installed through SystemParametersInfoA.
#include "CaptureTestSupport.h"

#include "capture/Wallpaper.h"

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
        main.wallpaper.txt_WinDir.SetText(winDir.string());
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
    main.wallpaper.txt_WinDir.SetText("");
    main.wallpaper.Get_WinDir();
    EXPECT_EQ(main.wallpaper.txt_WinDir.Text(), WindowsDirectory());
    EXPECT_FALSE(main.wallpaper.txt_WinDir.Text().empty());
    EXPECT_NE(main.wallpaper.txt_WinDir.Text().back(), '\\');
    EXPECT_EQ(main.wallpaper.WallpaperPath(), WindowsDirectory() + "\\v-wall.bmp");
}

TEST_F(Wallpaper, SaveWithCheck6WritesTheBitmapIntoTheWindowsDirectoryAndInstallsIt) {
    main.wallpaper.Get_WinDir();
    const std::string path = WindowsDirectory() + "\\v-wall.bmp";
    DeleteFileA(path.c_str());
    const std::vector<std::string> before = FilesIn(WindowsDirectory());
    main.saver.Save_Picture(1);

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
    main.saver.Save_Picture(2);
    Capture(TestPicture(200, 100, 7));
    main.saver.Save_Picture(5);
    const DecodedPicture bitmap = DecodeFile(wallpaperFile);
    EXPECT_EQ(bitmap.width, 200);
    EXPECT_EQ(Compare(main.capture.Picture1.GetPicture(), bitmap).largest, 0);
    EXPECT_EQ(CurrentWallpaper(), wallpaperFile);
}

TEST_F(Wallpaper, WithoutCheck6NoWallpaperIsTouched) {
    main.options.Check6.SetValue(2);
    main.saver.Save_Picture(1);
    EXPECT_FALSE(std::filesystem::exists(wallpaperFile));
    EXPECT_EQ(CurrentWallpaper(), earlier);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(93));
}

TEST_F(Wallpaper, FileThatCannotBeWrittenIsNeitherInstalledNorReportedAsSet) {
    main.wallpaper.txt_WinDir.SetText((dir.Path() / "no such folder").string());
    main.saver.Save_Picture(1);
    const std::vector<testing_support::DialogCall> messages = dialogs.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "(99) " + Entry(99));
    EXPECT_EQ(messages[0].icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(CurrentWallpaper(), earlier);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(93)) << "the picture itself was saved";
    EXPECT_EQ(SavedIn(1), std::vector<std::string>{"20261271659.jpg"});
}

TEST_F(Wallpaper, OlderFileInAFolderThatRefusesWritesIsNotInstalledAgain) {
    dir.Write("windows/v-wall.bmp", "the older wallpaper");
    {
        const ReadOnlyFolder readOnly(winDir);
        if (!readOnly.Locked()) GTEST_SKIP() << "folders cannot be made read-only here";
        main.saver.Save_Picture(1);
    }
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dir.Read("windows/v-wall.bmp"), "the older wallpaper") << "the old file stays whole";
    EXPECT_EQ(FilesIn(winDir), std::vector<std::string>{"v-wall.bmp"});
    EXPECT_EQ(CurrentWallpaper(), earlier);
    EXPECT_NE(main.lbl_Status.Caption(), Entry(101));
}

TEST_F(Wallpaper, EmptyInMemoryPictureWritesNoWallpaper) {
    main.capture.Picture1.SetPicture({});
    EXPECT_FALSE(main.wallpaper.Save_Wallpaper());
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "(99) " + Entry(99));
    EXPECT_FALSE(std::filesystem::exists(wallpaperFile));
}

TEST_F(Wallpaper, UnknownWindowsDirectoryIsLookedUpRatherThanTheDriveRootUsed) {
    main.wallpaper.txt_WinDir.SetText("");
    EXPECT_TRUE(main.wallpaper.Save_Wallpaper());
    EXPECT_EQ(main.wallpaper.txt_WinDir.Text(), WindowsDirectory());
    EXPECT_EQ(GetFileAttributesA("\\v-wall.bmp"), INVALID_FILE_ATTRIBUTES);
    const std::string path = WindowsDirectory() + "\\v-wall.bmp";
    EXPECT_EQ(DecodeFile(path).width, 320);
    DeleteFileA(path.c_str());
}

TEST_F(Wallpaper, PutWallpaperInstallsThePathAndReports101) {
    dir.Write("windows/v-wall.bmp", "");
    EXPECT_TRUE(main.wallpaper.Put_Wallpaper());
    EXPECT_EQ(CurrentWallpaper(), wallpaperFile);
    EXPECT_EQ(main.lbl_Status.Caption(), Entry(101));
}

} // namespace
