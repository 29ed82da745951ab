// A program that imports version.dll, as the program itself once did: the
// end-to-end test shows with it that a planted version.dll beside a program
// is loaded into it.
#include <windows.h>

int main() {
    DWORD ignored = 0;
    return GetFileVersionInfoSizeW(L"VersionUser.exe", &ignored) > 0 ? 0 : 1;
}
