// The JPEG converter: what stb_image_write makes of a picture.
#include "CaptureTestSupport.h"

#include "ui/JpegWriter.h"
#include "ui/WinHandles.h"

#include <fstream>

using namespace capture_testing;

namespace {

std::filesystem::path WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

class JpegWriter : public ::testing::Test {
  protected:
    testing_support::TempStartDir dir;
};

TEST_F(JpegWriter, Quality100KeepsEveryStepAtOneAndColourAtFullResolution) {
    const ui::Picture picture = TestPicture(333, 177); // not a multiple of the 8 x 8 blocks
    const auto file = WriteBytes(dir.Path() / "q100.jpg", ui::EncodeJpeg(picture, 100));
    const DecodedPicture decoded = DecodeFile(file);
    ASSERT_EQ(decoded.width, 333);
    ASSERT_EQ(decoded.height, 177);
    const PixelError error = Compare(picture, decoded);
    EXPECT_LT(error.mean, 1.0);
    const JpegHeader header = ReadJpegHeader(file);
    EXPECT_EQ(header.samplingFactors, (std::vector<int>{0x11, 0x11, 0x11}));
    EXPECT_EQ(std::count(header.quantisationSteps.begin(), header.quantisationSteps.end(), 1), 128);
}

TEST_F(JpegWriter, LowerQualitySubsamplesColourAndLosesMore) {
    const ui::Picture picture = TestPicture(256, 256);
    const auto best = WriteBytes(dir.Path() / "q100.jpg", ui::EncodeJpeg(picture, 100));
    const auto lower = WriteBytes(dir.Path() / "q75.jpg", ui::EncodeJpeg(picture, 75));
    EXPECT_EQ(ReadJpegHeader(lower).samplingFactors, (std::vector<int>{0x22, 0x11, 0x11}));
    EXPECT_GT(Compare(picture, DecodeFile(lower)).mean, 2 * Compare(picture, DecodeFile(best)).mean);
}

TEST_F(JpegWriter, RefusesWhatIsNoBitmapOrTooLargeForJpeg) {
    EXPECT_THROW(ui::EncodeJpeg(ui::Picture(), 100), std::runtime_error);
    ui::UniqueDC recorder(CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(recorder);
    Rectangle(recorder.get(), 0, 0, 10, 10);
    ui::UniqueEnhMetaFile metafile(CloseEnhMetaFile(recorder.release()));
    EXPECT_THROW(ui::EncodeJpeg(ui::Picture::FromEnhMetaFile(metafile.get()), 100), std::runtime_error);
    const ui::Picture tooWide = TestPicture(ui::kMaxJpegSide + 1, 1);
    ASSERT_EQ(tooWide.Width(), ui::kMaxJpegSide + 1);
    EXPECT_THROW(ui::EncodeJpeg(tooWide, 100), std::runtime_error);
    EXPECT_EQ(DecodeFile(WriteBytes(dir.Path() / "widest.jpg",
                                    ui::EncodeJpeg(TestPicture(ui::kMaxJpegSide, 1), 100)))
                  .width,
              ui::kMaxJpegSide);
}

} // namespace
