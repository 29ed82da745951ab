#include "clipboard/FormatCatalogue.h"

#include <cctype>
#include <climits>
#include <iterator>

namespace clipboard {
namespace {

constexpr const char* kPredefinedNames[] = {
    "Text (TXT)",
    "Bitmap (BMP)",
    "Metafile (WMF)",
    "Microsoft Symbolic Link (SYLK)",
    "Data Interchange Format (DIF)",
    "Tagged Interchange File Format (TIF)",
    "OEM Text",
    "Device Independent Bitmap (DIB)",
    "Palette",
    "Pen Data",
    "RIFF",
    "Wave",
    "Unicode Text",
    "Enhanced Metafile (EMF)",
    "Dropped Filelist",
    "Locale Identifier",
};

struct DispatchRow {
    long id;
    FormatView view;
};

constexpr DispatchRow kDispatch[] = {
    {format::Text, {Renderer::Text, "CF_TEXT"}},
    {format::OemText, {Renderer::Text, "CF_OEMTEXT"}},
    {format::DspText, {Renderer::Text, "CF_DSPTEXT"}},
    {format::Bitmap, {Renderer::Picture, "CF_BITMAP"}},
    {format::MetafilePict, {Renderer::Picture, "CF_METAFILEPICT"}},
    {format::EnhMetafile, {Renderer::Picture, "CF_ENHMETAFILE"}},
    {format::DspBitmap, {Renderer::Picture, "CF_DSPBITMAP"}},
    {format::DspMetafilePict, {Renderer::Picture, "CF_DSPMETAFILEPICT"}},
    {format::Palette, {Renderer::Palette, "CF_PALETTE"}},
    {format::HDrop, {Renderer::FileList, "CF_HDROP"}},
    {format::Locale, {Renderer::Locale, "CF_LOCALE"}},
    {format::OwnerDisplay, {Renderer::OwnerDisplay, "CF_OWNERDRAW"}},
};

} // namespace

std::optional<std::string> PredefinedFormatName(long id) {
    constexpr long count = static_cast<long>(std::size(kPredefinedNames));
    if (id < 1 || id > count) return std::nullopt;
    return kPredefinedNames[id - 1];
}

std::string NamedFormatText(const std::string& name, long id) {
    return name + "  (" + std::to_string(id) + ")";
}

std::string UnknownFormatText(long id) {
    return "Unknown: " + std::to_string(id);
}

FormatView ViewOf(long id) {
    for (const DispatchRow& row : kDispatch)
        if (row.id == id) return row.view;
    return {};
}

bool ShowsInTextBox(Renderer renderer) {
    return renderer == Renderer::Text || renderer == Renderer::FileList || renderer == Renderer::Locale;
}

bool RedrawsOnResize(long id) {
    return id == format::OwnerDisplay || id == format::MetafilePict || id == format::DspMetafilePict ||
           id == format::EnhMetafile || id == format::Palette;
}

long TagValue(const std::string& tag) {
    size_t pos = 0;
    while (pos < tag.size() && tag[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < tag.size() && (tag[pos] == '-' || tag[pos] == '+')) negative = tag[pos++] == '-';
    long value = 0;
    for (; pos < tag.size() && std::isdigit(static_cast<unsigned char>(tag[pos])); ++pos) {
        const int digit = tag[pos] - '0';
        if (value > (LONG_MAX - digit) / 10) return 0; // no clipboard format is that large
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace clipboard
