// A version.dll as one planted beside the program would be: it exports the
// version API the program uses, answers nothing, and leaves the file
// "planted-dll-called" beside itself when the program's own code calls it.
// Being loaded, or called from elsewhere, proves nothing under Wine: its
// own user32 imports version.dll, loads one found beside any program and
// calls it.
#include <windows.h>

#include <string>

namespace {

HINSTANCE self = nullptr;

// Only a call from the process's program file counts.
void LeaveMarkerIfCalledBy(void* caller) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(caller), &module) ||
        module != GetModuleHandleW(nullptr))
        return;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::wstring marker(path, length);
    marker = marker.substr(0, marker.find_last_of(L'\\') + 1) + L"planted-dll-called";
    const HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

} // namespace

extern "C" {

DWORD WINAPI PlantedSize(LPCWSTR, LPDWORD) {
    LeaveMarkerIfCalledBy(__builtin_return_address(0));
    return 0;
}
BOOL WINAPI PlantedInfo(LPCWSTR, DWORD, DWORD, LPVOID) {
    LeaveMarkerIfCalledBy(__builtin_return_address(0));
    return FALSE;
}
BOOL WINAPI PlantedQuery(LPCVOID, LPCWSTR, LPVOID*, PUINT) {
    LeaveMarkerIfCalledBy(__builtin_return_address(0));
    return FALSE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

} // extern "C"
