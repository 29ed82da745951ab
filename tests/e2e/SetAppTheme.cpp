// Sets the app theme as the system's settings do: the user's
// AppsUseLightTheme value, then the "ImmersiveColorSet" setting change told
// to every top-level window. SetAppTheme dark|light
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2 || (std::strcmp(argv[1], "dark") != 0 && std::strcmp(argv[1], "light") != 0)) {
        std::fprintf(stderr, "usage: SetAppTheme dark|light\n");
        return 2;
    }
    const DWORD light = std::strcmp(argv[1], "light") == 0 ? 1 : 0;
    const LSTATUS status = RegSetKeyValueW(
        HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
        L"AppsUseLightTheme", REG_DWORD, &light, sizeof light);
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr, "the setting could not be written (error %ld)\n", static_cast<long>(status));
        return 1;
    }
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
                             reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000,
                             &ignored)) {
        std::fprintf(stderr, "the change could not be told (error %lu)\n", GetLastError());
        return 1;
    }
    return 0;
}
