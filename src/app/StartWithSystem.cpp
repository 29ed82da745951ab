#include "app/StartWithSystem.h"

#include "ui/ProgramFolder.h"
#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <stdexcept>
#include <string>

namespace app {
namespace {

void Check(LONG status, const char* what) {
    if (status != ERROR_SUCCESS)
        throw std::runtime_error(std::string(what) + " (error " + std::to_string(status) + ")");
}

} // namespace

void SetStartWithSystem(bool start) {
    HKEY opened = nullptr;
    const LONG created =
        RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
    Check(created, "the Run key could not be opened");
    const ui::UniqueKey key(opened);
    if (start) {
        // Quoted: the path may hold blanks.
        const std::wstring command = ui::Wide("\"" + ui::ProgramPath() + "\"");
        const auto* bytes = reinterpret_cast<const BYTE*>(command.c_str());
        const auto size = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
        Check(RegSetValueExW(key.get(), ui::Wide(kRunValueName).c_str(), 0, REG_SZ, bytes, size),
              "the Run value could not be written");
        return;
    }
    const LONG status = RegDeleteValueA(key.get(), kRunValueName);
    if (status != ERROR_FILE_NOT_FOUND) Check(status, "the Run value could not be removed");
}

} // namespace app
