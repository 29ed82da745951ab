// The program's entry point.
#include "app/App.h"
#include "ui/SystemLibrary.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ui::SearchSystemFolderOnly(); // before anything more is loaded
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The folder browser needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int exitCode = 1;
    try {
        app::App program;
        exitCode = program.Run();
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Vellicor Rizezuza", MB_ICONHAND | MB_OK);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return exitCode;
}
