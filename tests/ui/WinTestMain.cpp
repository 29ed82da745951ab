// The entry point of every Win32 test program. The program under test keeps
// its files beside its .exe, so each test program runs as a copy of itself in
// a fresh folder of its own, which its tests use as the program's folder
// (TempStartDir).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "TestSupport.h"

int main(int argc, char** argv) {
    if (!testing_support::InOwnProgramFolder()) return testing_support::RunInOwnProgramFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
