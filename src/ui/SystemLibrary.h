// Libraries of the system, loaded from the system folder alone. Windows
// looks for a DLL that is not one of its known ones first beside the
// program: one planted there (a ZIP unpacked into Downloads) would run
// inside the program. The program therefore imports only known DLLs, loads
// any other by its whole path in the system folder, and at its start takes
// the program's folder out of the search for every later load.
#pragma once

#include "ui/WinHandles.h"

namespace ui {

// At the start, before anything is loaded: later loads by name search the
// system folder only. Windows 7 without the loader update lacks it; there
// the search stays as it was (traced).
void SearchSystemFolderOnly();

class SystemLibrary {
  public:
    // `name` as "version.dll"; a library that cannot be loaded has no functions.
    explicit SystemLibrary(const wchar_t* name);
    bool Loaded() const { return module_ != nullptr; }
    // The exported function, or nullptr.
    template <typename Function> Function Find(const char* name) const {
        if (!module_) return nullptr;
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_.get(), name)));
    }

  private:
    UniqueModule module_;
};

} // namespace ui
