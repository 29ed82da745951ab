// What the viewer knows about clipboard formats without asking the system:
// the names of the predefined formats and which renderer shows which format under which caption.
#pragma once

#include "capture/ClipboardFormats.h"

#include <optional>
#include <string>

namespace clipboard {

namespace format = capture::format;

// The name of a predefined format 1..16; nothing for any other id.
std::optional<std::string> PredefinedFormatName(long id);
// A format the system holds a name for: "name  (id)".
std::string NamedFormatText(const std::string& name, long id);
// A format without a name: "Unknown: id".
std::string UnknownFormatText(long id);

enum class Renderer { None, Text, FileList, Locale, Picture, Palette, OwnerDisplay };

struct FormatView {
    Renderer renderer = Renderer::None;
    const char* caption = ""; // the view type the renderer shows in the window caption
};

// The renderer of a format id; Renderer::None for the formats the viewer
// cannot show (and for -1, "none of the listed formats").
FormatView ViewOf(long id);
// Text-like views go into the text box, the others into the picture box.
bool ShowsInTextBox(Renderer renderer);
// Formats drawn to the picture box's size, so shown again after a resize.
bool RedrawsOnResize(long id);

// The numeric value of a menu tag as the viewer stores it (decimal digits,
// optionally signed, leading blanks allowed); 0 when it starts with no number.
long TagValue(const std::string& tag);

} // namespace clipboard
