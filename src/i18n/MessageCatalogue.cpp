#include "i18n/MessageCatalogue.h"

#include "i18n/AddedEntries.h"
#include "i18n/DriverLines.h"
#include "ui/SettingsFile.h"
#include "ui/WideText.h"

#include <optional>

namespace i18n {

void MessageCatalogue::Load(const std::string& driverPath) {
    store_.Clear();
    const std::optional<std::string> content = ui::ReadSettingsHead(driverPath, kCatalogueLines);
    if (!content) return; // skipped on purpose: the program runs with an empty catalogue
    // The driver is in the system's ANSI code page; the program's text is UTF-8.
    store_.AddItems(SplitDriverLines(ui::AnsiToUtf8(*content)));
}

std::string MessageCatalogue::Text(int entry) {
    if (entry < 0) return {};
    if (entry >= store_.ListCount()) return EntryText(entry, std::nullopt);
    store_.SetListIndex(entry);
    return EntryText(entry, store_.List(entry));
}

void MessageCatalogue::ErrorReport(int entry, ui::MsgIcon icon) {
    ui::MsgBox(ErrorReportText(entry, Text(entry)), icon);
}

} // namespace i18n
