// The Display menu of a viewer window: one item per format on the clipboard,
// named after the format, with the format id as its Tag.
#pragma once

#include "ui/MenuBar.h"

#include <windows.h>

#include <string>
#include <vector>

namespace clipboard {

// The name the viewer shows for a format: the predefined formats' own names,
// "name  (id)" for a format the system names, "Unknown: id" otherwise.
std::string ClipboardFormatName(UINT id);

// Rebuilds the items from the clipboard's formats, in the clipboard's order.
void BuildDisplayMenu(ui::MenuArray& menu);

// The second half of BuildDisplayMenu: names the items after the formats
// found (ids in enumeration order). The clipboard may have changed since the
// items were counted: items are loaded or unloaded to match what was found.
void NameDisplayItems(ui::MenuArray& menu, const std::vector<UINT>& ids);

} // namespace clipboard
