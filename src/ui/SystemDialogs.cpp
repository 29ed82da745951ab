#include "ui/SystemDialogs.h"

#include "ui/WideText.h"
#include "ui/WinHandles.h"

#include <shlobj.h>

#include <stdexcept>
#include <vector>

namespace ui {
namespace {

UINT IconFlag(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical: return MB_ICONHAND;
    case MsgIcon::Question: return MB_ICONQUESTION;
    case MsgIcon::Exclamation: return MB_ICONEXCLAMATION;
    case MsgIcon::Information: return MB_ICONASTERISK;
    case MsgIcon::None: break;
    }
    return 0;
}

// The text-input prompt is a small dialog built in memory: prompt, edit
// box, OK and Cancel.
constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

struct InputState {
    std::string prompt;
    std::string title;
    std::string text;
};

INT_PTR CALLBACK InputProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        state = reinterpret_cast<InputState*>(lParam);
        SetWindowLongPtrW(dlg, DWLP_USER, lParam);
        SetWindowTextW(dlg, Wide(state->title).c_str());
        SetDlgItemTextW(dlg, kPromptId, Wide(state->prompt).c_str());
        SetDlgItemTextW(dlg, kEditId, Wide(state->text).c_str());
        // The user types the name at once, without clicking into the box first.
        SetFocus(GetDlgItem(dlg, kEditId));
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const HWND edit = GetDlgItem(dlg, kEditId);
            std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            text.resize(
                static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
            state->text = Utf8(text);
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    default: break;
    }
    return FALSE;
}

// Appends one DLGITEMTEMPLATE (DWORD aligned) with a predefined class atom.
void AddItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom,
             const wchar_t* text) {
    while (t.size() % 2) t.push_back(0);
    const DWORD fullStyle = style | WS_CHILD | WS_VISIBLE;
    t.push_back(LOWORD(fullStyle));
    t.push_back(HIWORD(fullStyle));
    t.push_back(0);
    t.push_back(0); // extended style
    for (short v : {x, y, cx, cy}) t.push_back(static_cast<WORD>(v));
    t.push_back(id);
    t.push_back(0xFFFF);
    t.push_back(atom);
    for (const wchar_t* p = text; *p; ++p) t.push_back(static_cast<WORD>(*p));
    t.push_back(0);
    t.push_back(0); // no creation data
}

std::vector<WORD> InputTemplate() {
    std::vector<WORD> t;
    const DWORD style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.push_back(LOWORD(style));
    t.push_back(HIWORD(style));
    t.push_back(0);
    t.push_back(0); // extended style
    t.push_back(4); // items
    for (short v : {0, 0, 240, 76}) t.push_back(static_cast<WORD>(v));
    t.push_back(0); // menu
    t.push_back(0); // class
    t.push_back(0); // title (set at run time)
    t.push_back(8); // font size
    for (const wchar_t* p = L"MS Shell Dlg"; *p; ++p) t.push_back(static_cast<WORD>(*p));
    t.push_back(0);
    AddItem(t, SS_LEFT, 7, 7, 170, 40, kPromptId, 0x0082, L"");
    AddItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 184, 7, 50, 14, IDOK, 0x0080, L"OK");
    AddItem(t, BS_PUSHBUTTON | WS_TABSTOP, 184, 25, 50, 14, IDCANCEL, 0x0080, L"Cancel");
    AddItem(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 55, 226, 14, kEditId, 0x0081, L"");
    return t;
}

} // namespace

MsgAnswer SystemDialogs::ShowMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                                     MsgIcon icon) {
    const UINT type = (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK) | IconFlag(icon) | MB_SETFOREGROUND;
    const int answer = MessageBoxW(GetActiveWindow(), Wide(text).c_str(), Wide(title).c_str(), type);
    if (answer == IDYES) return MsgAnswer::Yes;
    if (answer == IDNO) return MsgAnswer::No;
    return MsgAnswer::Ok;
}

std::string SystemDialogs::InputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText) {
    InputState state{prompt, title, defaultText};
    const std::vector<WORD> dialogTemplate = InputTemplate();
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
        GetActiveWindow(), InputProc, reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? state.text : std::string();
}

std::string SystemDialogs::BrowseForFolder(const std::string& prompt) {
    const std::wstring wantedPrompt = Wide(prompt);
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.lpszTitle = wantedPrompt.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return {};
    std::unique_ptr<ITEMIDLIST_ABSOLUTE, decltype(&CoTaskMemFree)> owned(chosen, &CoTaskMemFree);
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(owned.get(), path)) throw std::runtime_error("the chosen folder has no path");
    return Utf8(path);
}

} // namespace ui
