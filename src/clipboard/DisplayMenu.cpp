#include "clipboard/DisplayMenu.h"

#include "clipboard/FormatCatalogue.h"
#include "ui/Menus.h"
#include "ui/WideText.h"
#include "ui/WinHandles.h"

namespace clipboard {
namespace {

constexpr int kNameBufferSize = 256;
// More formats than there are format ids means the enumeration is going round.
constexpr size_t kMaxFormats = 0x10000;

void MarkEmpty(ui::MenuItem& item) {
    item.caption = "Empty";
    item.enabled = false;
}

// The formats of the open clipboard, in its own order.
std::vector<UINT> EnumerateFormats() {
    std::vector<UINT> ids;
    for (UINT id = EnumClipboardFormats(0); id != 0 && ids.size() < kMaxFormats;
         id = EnumClipboardFormats(id))
        ids.push_back(id);
    return ids;
}

} // namespace

std::string ClipboardFormatName(UINT id) {
    if (std::optional<std::string> name = PredefinedFormatName(static_cast<long>(id))) return *name;
    wchar_t buffer[kNameBufferSize] = {};
    const int length = GetClipboardFormatNameW(id, buffer, kNameBufferSize);
    if (length > 0)
        return NamedFormatText(ui::Utf8(std::wstring_view(buffer, static_cast<size_t>(length))),
                               static_cast<long>(id));
    return UnknownFormatText(static_cast<long>(id));
}

void BuildDisplayMenu(ui::MenuArray& menu) {
    menu.UnloadAbove(0);
    const int count = CountClipboardFormats();
    if (count == 0) {
        MarkEmpty(menu[0]);
    } else {
        menu[0].enabled = true;
        for (int i = 1; i < count; ++i) menu.Load().enabled = true;
    }
    std::vector<UINT> formats;
    {
        // Open only to list the formats: naming them needs no clipboard, and
        // other programs wait while it is open.
        ui::ClipboardSession clipboard;
        if (!clipboard.IsOpen()) return; // the items keep their captions
        formats = EnumerateFormats();
    }
    NameDisplayItems(menu, formats);
}

void NameDisplayItems(ui::MenuArray& menu, const std::vector<UINT>& ids) {
    if (ids.empty()) {
        menu.UnloadAbove(0);
        MarkEmpty(menu[0]);
        return;
    }
    while (menu.Count() < ids.size()) menu.Load();
    menu.UnloadAbove(ids.size() - 1);
    for (size_t i = 0; i < ids.size(); ++i) {
        // A name the system holds may contain "&": it is shown as it is, never as an access key.
        menu[i].caption = ui::LiteralCaption(ClipboardFormatName(ids[i]));
        menu[i].tag = std::to_string(ids[i]);
        menu[i].enabled = true;
    }
}

} // namespace clipboard
