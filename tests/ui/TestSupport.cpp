#include "TestSupport.h"

#include <utility>

#include "ui/ProgramFolder.h"
#include "ui/WinHandles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

ScriptedDialogs::ScriptedDialogs() {
    ui::InstallDialogs(this);
}
ScriptedDialogs::~ScriptedDialogs() {
    ui::InstallDialogs(nullptr);
}

ui::MsgAnswer ScriptedDialogs::ShowMessage(const std::string& text, const std::string& title,
                                           ui::MsgButtons buttons, ui::MsgIcon icon) {
    calls.push_back({DialogCall::Kind::Message, text, title, buttons, icon});
    if (whileMessageOpen) std::exchange(whileMessageOpen, nullptr)();
    if (messageAnswers.empty())
        return buttons == ui::MsgButtons::YesNo ? ui::MsgAnswer::Yes : ui::MsgAnswer::Ok;
    const ui::MsgAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string&) {
    calls.push_back({DialogCall::Kind::Input, prompt, title});
    if (inputAnswers.empty()) return {};
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::string ScriptedDialogs::BrowseForFolder(const std::string& prompt) {
    calls.push_back({DialogCall::Kind::Browse, prompt, {}});
    if (browseAnswers.empty()) return {};
    std::string answer = browseAnswers.front();
    browseAnswers.pop_front();
    if (answer == "!fail") throw std::runtime_error("the folder browser failed");
    return answer;
}

std::vector<DialogCall> ScriptedDialogs::Messages() const {
    std::vector<DialogCall> messages;
    for (const DialogCall& call : calls)
        if (call.kind == DialogCall::Kind::Message) messages.push_back(call);
    return messages;
}

namespace {

constexpr char kOwnFolderPrefix[] = "vellicor-program-";

// A new name below the temporary folder.
std::filesystem::path FreshTempPath(const std::string& stem) {
    static std::atomic<int> counter{0};
    return std::filesystem::temp_directory_path() /
           (stem + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) + "-" +
            std::to_string(++counter));
}

// Removes a folder's content or the folder, read-only files included.
void RemoveWritable(const std::filesystem::path& path) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

ui::UniqueHandle InheritableStdHandle(DWORD which) {
    HANDLE copy = nullptr;
    const HANDLE handle = GetStdHandle(which);
    if (handle && handle != INVALID_HANDLE_VALUE)
        DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, TRUE,
                        DUPLICATE_SAME_ACCESS);
    return ui::UniqueHandle(copy);
}

// Runs a program with this process's command line and standard handles;
// its exit code, 1 when it could not start.
DWORD RunWithOurCommandLine(const std::string& program) {
    std::string commandLine = GetCommandLineA();
    const ui::UniqueHandle input = InheritableStdHandle(STD_INPUT_HANDLE);
    const ui::UniqueHandle output = InheritableStdHandle(STD_OUTPUT_HANDLE);
    const ui::UniqueHandle error = InheritableStdHandle(STD_ERROR_HANDLE);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.get();
    startup.hStdOutput = output.get();
    startup.hStdError = error.get();
    // The copy ends with this process, also when a time limit kills it.
    const ui::UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job) SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return 1;
    }
    const ui::UniqueHandle process(started.hProcess), thread(started.hThread);
    if (job) AssignProcessToJobObject(job.get(), process.get());
    DWORD exitCode = 1;
    WaitForSingleObject(process.get(), INFINITE);
    GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

} // namespace

bool InOwnProgramFolder() {
    const std::string folder = std::filesystem::path(ui::ProgramFolder()).filename().string();
    return folder.rfind(kOwnFolderPrefix, 0) == 0;
}

int RunInOwnProgramFolder() {
    const std::filesystem::path original = ui::ProgramPath();
    const std::filesystem::path folder = FreshTempPath(kOwnFolderPrefix);
    std::filesystem::create_directories(folder);
    const std::string copy = (folder / original.filename()).string();
    // A copy, not a hard link: a link shares the running image of this
    // process, which could then not be deleted at the end.
    if (!CopyFileA(original.string().c_str(), copy.c_str(), TRUE)) {
        std::fprintf(stderr, "cannot copy the test program to %s\n", copy.c_str());
        return 1;
    }
    const DWORD exitCode = RunWithOurCommandLine(copy);
    // The copy can be deleted once the system has let go of its image, which
    // may take a moment after the process has ended.
    for (int attempt = 0; attempt < 40 && std::filesystem::exists(folder); ++attempt) {
        RemoveWritable(folder);
        if (std::filesystem::exists(folder)) Sleep(50);
    }
    if (std::filesystem::exists(folder)) std::fprintf(stderr, "cannot remove %s\n", folder.string().c_str());
    return static_cast<int>(exitCode);
}

TempStartDir::TempStartDir() {
    // Only a folder that the test program was copied into is ever emptied.
    if (!InOwnProgramFolder())
        throw std::logic_error("the test program does not run from a folder of its own");
    path_ = ui::ProgramFolder();
    Empty();
    previous_ = std::filesystem::current_path();
    elsewhere_ = FreshTempPath("vellicor-elsewhere-");
    std::filesystem::create_directories(elsewhere_);
    std::filesystem::current_path(elsewhere_);
}

TempStartDir::~TempStartDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    RemoveWritable(elsewhere_);
    Empty();
}

void TempStartDir::Empty() const {
    const std::filesystem::path self = std::filesystem::path(ui::ProgramPath()).filename();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored))
        if (entry.path().filename() != self) RemoveWritable(entry.path());
}

void TempStartDir::Write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream file(path_ / name, std::ios::binary);
    file << content;
}

std::string TempStartDir::Read(const std::string& name) const {
    std::ifstream file(path_ / name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool TempStartDir::Exists(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}

FixedClock::FixedClock(ui::DateTime moment) : when(moment) {
    ui::SetClock([this] { return when; });
}
FixedClock::~FixedClock() {
    ui::SetClock({});
}

void PumpMessages(int milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        MSG msg{};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

POINT CentreOf(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

namespace {

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

} // namespace

void MoveMouseTo(POINT at) {
    ASSERT_TRUE(SetCursorPos(at.x, at.y));
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Absolute positions run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    PumpMessages(50);
}

void ClickAt(POINT at) {
    MoveMouseTo(at);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpMessages(100);
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ASSERT_EQ(SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    PumpMessages(100);
}

std::vector<COLORREF> ScreenPixels(const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    ui::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ui::UniqueDC memory(CreateCompatibleDC(nullptr));
    ui::ScopedGetDC screen(nullptr);
    std::vector<COLORREF> pixels;
    if (!bitmap || !memory || !screen) return pixels;
    ui::ScopedSelectObject select(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY)) return pixels;
    GdiFlush();
    const auto* bgrx = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) pixels.push_back(bgrx[i] & 0xFFFFFF);
    return pixels;
}

void PutTextOnClipboard(const std::string& text) {
    ui::ClipboardSession clipboard;
    ASSERT_TRUE(clipboard.IsOpen());
    EmptyClipboard();
    ui::UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    ASSERT_TRUE(memory);
    {
        ui::GlobalLockGuard<char> lock(memory.get());
        std::memcpy(lock.get(), text.c_str(), text.size() + 1);
    }
    if (SetClipboardData(CF_TEXT, memory.get())) (void)memory.release();
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
}

std::string NumberedDriver(int lines) {
    std::string content;
    for (int entry = 0; entry < lines; ++entry) content += "E" + std::to_string(entry) + "\r\n";
    return content;
}

std::string ShippedDriver(const std::string& language) {
    const std::filesystem::path file =
        std::filesystem::path(VELLICOR_SOURCE_DIR) / "lang" / language / ("vlcr" + language + ".drv");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("missing shipped driver " + file.string());
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace testing_support
