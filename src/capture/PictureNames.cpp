#include "capture/PictureNames.h"

#include <array>
#include <cctype>
#include <stdexcept>

namespace capture {

bool IsForbiddenInNames(unsigned char c) {
    return c < 32 || std::string_view(R"(<>:"/\|?*)").find(static_cast<char>(c)) != std::string_view::npos;
}

namespace {

// Windows opens a device instead of a file for these names, whatever
// extension follows them.
bool IsDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    std::string upper;
    for (char c : stem) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    for (std::string_view device : plain)
        if (upper == device) return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
           upper[3] <= '9';
}

} // namespace

std::string AutomaticPictureName(const ui::DateTime& when) {
    std::string name;
    for (int part : {when.year, when.month, when.day, when.hour, when.minute, when.second})
        name += std::to_string(part);
    return name;
}

std::string_view ExtensionOf(PictureFormat format) {
    switch (format) {
    case PictureFormat::Png: return ".png";
    case PictureFormat::Webp: return ".webp";
    case PictureFormat::Jpeg: break;
    }
    return ".jpg";
}

std::string NumberedPictureName(std::string_view base, int n, std::string_view extension) {
    std::string name(base);
    if (n > 1) name += "_" + std::to_string(n);
    return name.append(extension);
}

std::string NextFreePictureName(std::string_view base, std::string_view extension,
                                const std::function<bool(const std::string&)>& taken) {
    for (int n = 1; n <= kMaxPictureNumber; ++n) {
        std::string candidate = NumberedPictureName(base, n, extension);
        if (!taken(candidate)) return candidate;
    }
    throw std::runtime_error("no free picture name for " + std::string(base));
}

NameProblem TypedNameProblem(std::string_view name) {
    for (char c : name)
        if (IsForbiddenInNames(static_cast<unsigned char>(c))) return NameProblem::ForbiddenCharacter;
    if (IsDeviceName(name)) return NameProblem::DeviceName;
    if (name.size() > kMaxTypedNameLength) return NameProblem::TooLong;
    return NameProblem::None;
}

NameProblem NameProblemIn(std::string_view folder, std::string_view name) {
    if (const NameProblem problem = TypedNameProblem(name); problem != NameProblem::None) return problem;
    constexpr size_t kMaxPath = 260; // Windows' MAX_PATH, the terminating zero counted
    // The longest extension, whatever the format: the format may change before the save.
    const size_t longest =
        folder.size() + 1 + name.size() +
        NumberedPictureName("", kMaxPictureNumber, ExtensionOf(PictureFormat::Webp)).size();
    return longest < kMaxPath ? NameProblem::None : NameProblem::TooLong;
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height) + " px";
}

std::string CaughtLogText(std::string_view message, int width, int height) {
    return std::string(message) + ": " + std::to_string(width) + " x " + std::to_string(height);
}

} // namespace capture
