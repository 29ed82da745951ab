#include "capture/SaveWorker.h"

#include "capture/BitmapFile.h"
#include "capture/JpegEncoder.h"
#include "capture/PictureFile.h"
#include "capture/PictureRows.h"
#include "capture/PngEncoder.h"
#include "capture/WebpEncoder.h"
#include "ui/AtomicFile.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace capture {
namespace {

std::size_t BytesOf(const ui::Picture& picture) {
    return static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height()) * 4;
}

// Makes a folder and the folders above it that are missing. A folder that
// cannot be made is not reported here: the write into it that follows
// fails and says why.
void MakeFolders(const std::string& folder) {
    std::error_code reportedByTheWrite;
    std::filesystem::create_directories(std::u8string(folder.begin(), folder.end()), reportedByTheWrite);
}

// Writes the bitmap into the first folder that takes it.
void WriteWallpaper(const ui::Picture& picture, const WallpaperPlan& plan, SaveResult& result) {
    result.wallpaper = WallpaperOutcome::NotWritten;
    const std::string file = EncodeBitmapFile(picture.Width(), picture.Height(), picture.Bits());
    for (const std::string& path : plan.paths) {
        try {
            // The fallback folder is made when it is needed, and only then.
            if (&path != &plan.paths.front()) MakeFolders(path.substr(0, path.find_last_of('\\')));
            ui::WriteFileAtomically(path, file);
        } catch (const std::exception& e) {
            OutputDebugStringA(("The wallpaper was not written: " + std::string(e.what()) + "\n").c_str());
            continue;
        }
        result.wallpaperPath = path;
        result.wallpaper = WallpaperOutcome::Written;
        return;
    }
}

CopiedForm::Kind KindOf(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png: return CopiedForm::Kind::Png;
    case PictureFormat::Webp: return CopiedForm::Kind::Webp;
    case PictureFormat::Jpeg: break;
    }
    return CopiedForm::Kind::Jpeg;
}

// For the formats that keep alpha: the colours with their alpha when that
// meant something, else the picture's opaque rows.
PixelRows RowsWithAlpha(const SaveJob& job) {
    if (!job.copied.alphaPixels) return RowsOf(job.picture);
    const int width = job.picture.Width();
    return {width, job.picture.Height(), static_cast<std::ptrdiff_t>(width) * 4,
            job.copied.alphaPixels->data()};
}

// The file of a job's picture: the copied file itself when it already is
// one of the asked format (re-encoding could only lose); else the picture
// encoded.
void WritePicture(const SaveJob& job, const std::string& base, std::string& path) {
    const CopiedForm& copied = job.copied;
    path = WriteNewPictureFile(base, job.format, [&](const ByteSink& write) {
        if (copied.kind == KindOf(job.format) && copied.file) {
            write(reinterpret_cast<const std::uint8_t*>(copied.file->data()), copied.file->size());
            return;
        }
        const bool alpha = copied.alphaPixels != nullptr;
        switch (job.format) {
        case PictureFormat::Jpeg: EncodeJpeg(RowsOf(job.picture), kJpegQuality, write); break;
        case PictureFormat::Png: EncodePng(RowsWithAlpha(job), alpha, write); break;
        case PictureFormat::Webp: EncodeWebp(RowsWithAlpha(job), alpha, job.webp, write); break;
        }
    });
}

// A picture that could not be written where it was meant to go is written
// into the keep folder under the same name, so that it is not lost.
void Keep(const SaveJob& job, SaveResult& result) {
    if (job.keepFolder.empty()) return;
    try {
        MakeFolders(job.keepFolder);
        const size_t nameStart = job.base.find_last_of("\\/");
        const std::string name = nameStart == std::string::npos ? job.base : job.base.substr(nameStart + 1);
        WritePicture(job, job.keepFolder + "\\" + name, result.keptPath);
    } catch (const std::exception& e) {
        result.keptPath.clear();
        result.error += "; it could not be kept either: " + std::string(e.what());
    }
}

} // namespace

SaveWorker::SaveWorker(HWND window, UINT resultMessage, std::size_t pendingBytesLimit)
    : limit_(pendingBytesLimit), results_(window, resultMessage), thread_([this] { Run(); }) {}

SaveWorker::~SaveWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SaveWorker::Add(SaveJob job) {
    const std::size_t bytes = BytesOf(job.picture);
    std::unique_lock lock(mutex_);
    // A picture larger than the limit on its own still goes, once the line is empty.
    changed_.wait(lock, [&] { return pendingBytes_ == 0 || pendingBytes_ + bytes <= limit_; });
    pendingBytes_ += bytes;
    line_.push_back(std::move(job));
    changed_.notify_all();
}

std::vector<SaveResult> SaveWorker::TakeResults() {
    return results_.TakeAll();
}

void SaveWorker::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return line_.empty() && !working_; });
}

void SaveWorker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !line_.empty(); });
        if (line_.empty()) return; // stopping, and nothing is left to save
        SaveJob job = std::move(line_.front());
        line_.pop_front();
        working_ = true;
        lock.unlock();
        SaveResult result = Save(job);
        const std::size_t bytes = BytesOf(job.picture);
        job = SaveJob{}; // the picture's memory goes before the next job may come in
        results_.Post(std::move(result));
        lock.lock();
        pendingBytes_ -= bytes;
        working_ = false;
        changed_.notify_all();
    }
}

SaveResult SaveWorker::Save(const SaveJob& job) {
    SaveResult result;
    result.id = job.id;
    try {
        if (!job.picture.IsBitmap() || !job.picture.Bits())
            throw std::runtime_error("there is no picture to save");
        WritePicture(job, job.base, result.path);
        result.saved = true;
        if (job.wallpaper) WriteWallpaper(job.picture, *job.wallpaper, result);
    } catch (const std::exception& e) {
        result.error = e.what();
        if (result.saved) {
            result.wallpaper = WallpaperOutcome::NotWritten;
        } else {
            result.path.clear();
            Keep(job, result);
        }
    }
    return result;
}

} // namespace capture
