// A directory list and a file list, as the language chooser browses with
// them. The directory list shows the folders from the drive down to its path
// and the subfolders of that path; a double click or Enter opens a folder.
#pragma once

#include "ui/Controls.h"

#include <string>
#include <vector>

namespace ui {

class DirList : public ListBox {
  public:
    explicit DirList(Form& form);
    // Shows a folder; false (and nothing changes) when it does not exist.
    bool SetPath(const std::string& path);
    const std::string& Path() const { return path_; }
    // Reads the folder again.
    void Refresh();
    // The path changed (by code or by the user).
    std::function<void()> OnChange;

  protected:
    void AfterCreate() override;

  private:
    static LRESULT CALLBACK KeyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
    void OpenSelected();
    void Fill();
    std::string path_;
    std::vector<std::string> targets_; // the folder each row opens
};

class FileList : public ListBox {
  public:
    FileList(Form& form, std::string pattern);
    // Lists the files of a folder that match the pattern, sorted by name.
    void SetPath(const std::string& path);
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string pattern_;
};

// The names (not paths) of the files in a folder matching a wildcard pattern,
// sorted without regard to case.
std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& pattern);

} // namespace ui
