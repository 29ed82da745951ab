#include "ui/Picture.h"

#include "ui/SpareBitmap.h"
#include "ui/WinHandles.h"

#include <stb_image.h>

#include <cstring>
#include <limits>
#include <mutex>
#include <string>

namespace ui {

DibSection SpareBitmap::Take(int width, int height) {
    std::lock_guard lock(mutex_);
    if (spare_.bitmap && spare_.width == width && spare_.height == height) return std::move(spare_);
    return {};
}

void SpareBitmap::Give(DibSection dib) {
    const std::size_t bytes = static_cast<std::size_t>(dib.width) * static_cast<std::size_t>(dib.height) * 4;
    if (bytes < kMinBytes || bytes > kMaxBytes) return;
    std::lock_guard lock(mutex_);
    spare_ = std::move(dib); // the one kept before goes
}

struct Picture::Data {
    UniqueBitmap bitmap;
    std::uint8_t* bits = nullptr; // owned by the DIB section
    UniqueEnhMetaFile metafile;
    int width = 0;
    int height = 0;
    std::weak_ptr<SpareBitmap> spare; // where the bitmap goes when the picture is let go

    ~Data() {
        if (const std::shared_ptr<SpareBitmap> keeper = spare.lock(); keeper && bitmap)
            keeper->Give(DibSection{std::move(bitmap), bits, width, height});
    }
};

namespace {

DibSection MakeDibSection(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    // The bitmap must fit in memory that a DIB section can address.
    if (static_cast<long long>(width) * height > std::numeric_limits<int>::max() / 4) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return {};
    return {std::move(bitmap), static_cast<std::uint8_t*>(bits), width, height};
}

} // namespace

Picture Picture::FromBitmap(HBITMAP bitmap, HPALETTE palette) {
    BITMAP info{};
    if (!bitmap || GetObjectA(bitmap, sizeof info, &info) == 0) return {};
    DibSection dib = MakeDibSection(info.bmWidth, std::abs(info.bmHeight));
    if (!dib.bitmap) return {};
    UniqueDC source(CreateCompatibleDC(nullptr));
    UniqueDC target(CreateCompatibleDC(nullptr));
    if (!source || !target) return {};
    {
        ScopedSelectObject selectSource(source.get(), bitmap);
        ScopedSelectObject selectTarget(target.get(), dib.bitmap.get());
        HPALETTE oldPalette = palette ? SelectPalette(source.get(), palette, FALSE) : nullptr;
        if (palette) RealizePalette(source.get());
        const BOOL copied =
            BitBlt(target.get(), 0, 0, info.bmWidth, std::abs(info.bmHeight), source.get(), 0, 0, SRCCOPY);
        if (oldPalette) SelectPalette(source.get(), oldPalette, FALSE);
        if (!copied) return {};
    }
    GdiFlush();
    return Adopt(std::move(dib.bitmap), dib.bits, info.bmWidth, std::abs(info.bmHeight));
}

Picture Picture::FromFilledRows(int width, int height, const std::function<void(std::uint8_t*)>& fill,
                                const std::shared_ptr<SpareBitmap>& spare) {
    DibSection dib = spare ? spare->Take(width, height) : DibSection{};
    if (!dib.bitmap) dib = MakeDibSection(width, height);
    if (!dib.bitmap) return {};
    fill(dib.bits);
    return Adopt(std::move(dib.bitmap), dib.bits, width, height, spare);
}

Picture Picture::FromPixels(int width, int height, const std::uint32_t* pixels) {
    DibSection dib = MakeDibSection(width, height);
    if (!dib.bitmap) return {};
    std::memcpy(dib.bits, pixels, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    return Adopt(std::move(dib.bitmap), dib.bits, width, height);
}

Picture Picture::FromEnhMetaFile(HENHMETAFILE metafile) {
    if (!metafile) return {};
    UniqueEnhMetaFile copy(CopyEnhMetaFileA(metafile, nullptr));
    ENHMETAHEADER header{};
    if (!copy || GetEnhMetaFileHeader(copy.get(), sizeof header, &header) == 0) return {};
    auto data = std::make_shared<Data>();
    data->width = header.rclBounds.right - header.rclBounds.left + 1;
    data->height = header.rclBounds.bottom - header.rclBounds.top + 1;
    data->metafile = std::move(copy);
    Picture picture;
    picture.data_ = std::move(data);
    return picture;
}

Picture Picture::FromFile(const std::string& path) {
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
        stbi_load(path.c_str(), &width, &height, &channels, 4), &stbi_image_free);
    if (!pixels) return {};
    DibSection dib = MakeDibSection(width, height);
    if (!dib.bitmap) return {};
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i) {
        const stbi_uc* rgba = pixels.get() + i * 4;
        std::uint8_t* bgrx = dib.bits + i * 4;
        bgrx[0] = rgba[2];
        bgrx[1] = rgba[1];
        bgrx[2] = rgba[0];
        bgrx[3] = 0;
    }
    return Adopt(std::move(dib.bitmap), dib.bits, width, height);
}

Picture Picture::Adopt(UniqueBitmap bitmap, std::uint8_t* bits, int width, int height,
                       std::weak_ptr<SpareBitmap> spare) {
    auto data = std::make_shared<Data>();
    data->spare = std::move(spare);
    data->width = width;
    data->height = height;
    data->bits = bits;
    data->bitmap = std::move(bitmap);
    Picture picture;
    picture.data_ = std::move(data);
    return picture;
}

bool Picture::IsBitmap() const {
    return data_ && data_->bitmap;
}
bool Picture::IsMetafile() const {
    return data_ && data_->metafile;
}
int Picture::Width() const {
    return data_ ? data_->width : 0;
}
int Picture::Height() const {
    return data_ ? data_->height : 0;
}
HBITMAP Picture::Bitmap() const {
    return data_ ? data_->bitmap.get() : nullptr;
}
const std::uint8_t* Picture::Bits() const {
    return data_ ? data_->bits : nullptr;
}
HENHMETAFILE Picture::MetaFile() const {
    return data_ ? data_->metafile.get() : nullptr;
}

void Picture::Draw(HDC dc, const RECT& dest) const {
    if (!data_) return;
    if (data_->metafile) {
        PlayMetafileWithinBudget(dc, data_->metafile.get(), dest);
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = data_->width;
    info.bmiHeader.biHeight = -data_->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, 0, 0, data_->width,
                  data_->height, data_->bits, &info, DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
}

namespace {

struct PlayBudget {
    ULONGLONG deadline;
};

int CALLBACK PlayRecordWithinBudget(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int objects,
                                    LPARAM budget) {
    if (GetTickCount64() > reinterpret_cast<const PlayBudget*>(budget)->deadline) return 0; // stop here
    PlayEnhMetaFileRecord(dc, table, record, static_cast<UINT>(objects));
    return 1;
}

} // namespace

bool PlayMetafileWithinBudget(HDC dc, HENHMETAFILE metafile, const RECT& dest, unsigned budgetMs) {
    PlayBudget budget{GetTickCount64() + budgetMs};
    // EnumEnhMetaFile reports false when the callback stopped early; what was drawn counts all the same.
    const BOOL complete = EnumEnhMetaFile(dc, metafile, &PlayRecordWithinBudget, &budget, &dest);
    return complete || GetTickCount64() > budget.deadline;
}

} // namespace ui
