// The subclassing module and the viewer in the real clipboard-viewer chain.
#include "ClipboardFixtures.h"

#include "app/App.h"
#include "app/MainForm.h"
#include "app/StartForm.h"
#include "clipboard/ClipViewerForm.h"
#include "clipboard/HookMe.h"
#include "clipboard/ViewerWindows.h"
#include "ui/AppTitle.h"
#include "ui/ProgramError.h"
#include "ui/Twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace clipboard;
using namespace clipboard_testing;

namespace {

constexpr UINT kAsk = WM_APP + 1;  // the plain window answers 42
constexpr UINT kFail = WM_APP + 2; // the test client raises an error

// A plain window whose own procedure answers kAsk with 42 and records what it sees.
class PlainWindow {
  public:
    PlainWindow() : hwnd(MakeTestWindow("VellicorTestPlainWindow", &PlainWindow::Proc, this)) {}
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (auto* self = reinterpret_cast<PlainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)))
            self->seen.push_back(msg);
        return msg == kAsk ? 42 : DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    WNDPROC OwnProc() const { return &PlainWindow::Proc; }
    WNDPROC CurrentProc() const {
        return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd.get(), GWLP_WNDPROC));
    }
    bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
    std::vector<UINT> seen;
    ui::UniqueWindow hwnd;
};

// An object that takes a window's messages: it passes them on like the viewer
// does, and raises an error for kFail.
class TestClient : public HookClient {
  public:
    void WindowProc(HWND& hWnd, UINT& msg, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override {
        seen.push_back(msg);
        result = CallOldWindowProc(hWnd, msg, wParam, lParam);
        if (msg == kFail) throw ui::ProgramError(5, "TestClient", "the handler failed");
    }
    bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
    std::vector<UINT> seen;
};

bool IsHooked(HWND hwnd) {
    return HookedClient(hwnd) != nullptr;
}

} // namespace

// --- The subclassing module ------------------------------------------------------------

TEST(HookMe, HookKeepsTheObjectInTheSubclassChainAndPassesMessagesThrough) {
    PlainWindow window;
    TestClient client;
    HookWindow(window.hwnd.get(), &client);
    EXPECT_EQ(HookedClient(window.hwnd.get()), static_cast<HookClient*>(&client));

    EXPECT_EQ(SendMessageA(window.hwnd.get(), kAsk, 0, 0), 42) << "the old procedure's answer comes back";
    EXPECT_TRUE(client.Saw(kAsk));
    EXPECT_TRUE(window.Saw(kAsk));
    UnhookWindow(window.hwnd.get());
}

TEST(HookMe, AWindowIsNeverSubclassedTwice) {
    PlainWindow window;
    TestClient first, second;
    HookWindow(window.hwnd.get(), &first);
    HookWindow(window.hwnd.get(), &second);
    EXPECT_EQ(HookedClient(window.hwnd.get()), static_cast<HookClient*>(&first));
    SendMessageA(window.hwnd.get(), kAsk, 0, 0);
    EXPECT_TRUE(first.Saw(kAsk));
    EXPECT_FALSE(second.Saw(kAsk));
    UnhookWindow(window.hwnd.get());
}

TEST(HookMe, UnhookRestoresTheProcedureAlsoTwice) {
    PlainWindow window;
    TestClient client;
    HookWindow(window.hwnd.get(), &client);
    UnhookWindow(window.hwnd.get());
    EXPECT_EQ(HookedClient(window.hwnd.get()), nullptr);
    UnhookWindow(window.hwnd.get());
    EXPECT_EQ(window.CurrentProc(), window.OwnProc());
    EXPECT_EQ(SendMessageA(window.hwnd.get(), kAsk, 0, 0), 42);
    EXPECT_FALSE(client.Saw(kAsk));
}

TEST(HookMe, WithoutAnObjectTheWindowIsLeftAlone) {
    PlainWindow window;
    HookWindow(window.hwnd.get(), nullptr);
    EXPECT_EQ(HookedClient(window.hwnd.get()), nullptr);
    EXPECT_EQ(window.CurrentProc(), window.OwnProc());
    EXPECT_EQ(SendMessageA(window.hwnd.get(), kAsk, 0, 0), 42);
}

TEST(HookMe, AnErrorInTheHandlerUnhooksTheWindowAndReturnsZero) {
    PlainWindow window;
    TestClient client;
    HookWindow(window.hwnd.get(), &client);
    EXPECT_EQ(SendMessageA(window.hwnd.get(), kFail, 0, 0), 0);
    EXPECT_EQ(HookedClient(window.hwnd.get()), nullptr);
    client.seen.clear();
    EXPECT_EQ(SendMessageA(window.hwnd.get(), kAsk, 0, 0), 42)
        << "the window runs on its own procedure again";
    EXPECT_TRUE(client.seen.empty());
}

TEST(HookMe, DestroyUnhooksAfterTheObjectHandledIt) {
    PlainWindow window;
    TestClient client;
    HookWindow(window.hwnd.get(), &client);
    window.hwnd.reset();
    EXPECT_TRUE(client.Saw(WM_DESTROY));
    EXPECT_FALSE(client.Saw(WM_NCDESTROY)) << "unhooked once WM_DESTROY was handled";
    EXPECT_TRUE(window.Saw(WM_NCDESTROY));
}

// --- The viewer in the chain ------------------------------------------------------------

class Chain : public WithProgram {};

TEST_F(Chain, LoadingSubclassesJoinsAndShowsTheFirstNoticeTwiceForwardingItNowhere) {
    ForeignViewer foreign;
    foreign.Join();
    PutOnClipboard({TextItem("already there")});
    foreign.messages.clear();
    ui::SetAppTitle("Vellicor Rizezuza");

    ClipViewerForm& viewer = Viewer();
    EXPECT_EQ(ui::AppTitle(), "Clipboard Viewer");
    EXPECT_TRUE(IsHooked(viewer.hWnd()));
    EXPECT_EQ(GetClipboardViewer(), viewer.hWnd());
    EXPECT_EQ(viewer.hWndNextViewer, foreign.hWnd());
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 0u) << "the first notice came while no next window was known";
    const std::string shown = NoPictureText() + ", Text";
    const std::vector<std::string> log = LogLines();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [&](const std::string& line) { return line.ends_with(" - " + shown); }),
              2)
        << "shown at load and once more for the first notice";
    EXPECT_EQ(viewer.Text1.Text(), "already there");
}

TEST_F(Chain, AChangeIsForwardedBeforeItIsShownWithTheSameParametersAndTheOldResult) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    EmptyTheClipboard();
    foreign.messages.clear();
    std::vector<std::string> captionsWhenForwarded;
    foreign.OnMessage = [&](const ChainMessage&) { captionsWhenForwarded.push_back(viewer.Caption()); };

    PutOnClipboard({TextItem("changed")});
    ASSERT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u);
    EXPECT_EQ(captionsWhenForwarded, std::vector<std::string>{"Clipboard Viewer: Clipboard is Empty"})
        << "the next viewer hears of the change before anything is drawn";
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");

    foreign.messages.clear();
    const LRESULT result = SendMessageA(viewer.hWnd(), WM_DRAWCLIPBOARD, 0x1234, 0x5678);
    EXPECT_EQ(result, 0) << "what the previous procedure returns";
    ASSERT_EQ(foreign.messages.size(), 1u);
    EXPECT_EQ(foreign.messages[0].msg, static_cast<UINT>(WM_DRAWCLIPBOARD));
    EXPECT_EQ(foreign.messages[0].wParam, 0x1234u);
    EXPECT_EQ(foreign.messages[0].lParam, 0x5678);
}

TEST_F(Chain, NextWindowLeavingReplacesTheLinkAndTheNoticeGoesToTheNewNext) {
    ForeignViewer last, middle;
    last.Join();
    middle.Join();
    ClipViewerForm& viewer = Viewer();
    ASSERT_EQ(viewer.hWndNextViewer, middle.hWnd());

    middle.Leave(); // the system tells the head of the chain
    EXPECT_EQ(viewer.hWndNextViewer, last.hWnd());
    ASSERT_EQ(last.Count(WM_CHANGECBCHAIN), 1u);
    EXPECT_EQ(last.messages.back().wParam, reinterpret_cast<WPARAM>(middle.hWnd()));
    EXPECT_EQ(last.messages.back().lParam, reinterpret_cast<LPARAM>(last.hWnd()));

    last.messages.clear();
    middle.messages.clear();
    PutOnClipboard({TextItem("after the repair")});
    EXPECT_EQ(last.Count(WM_DRAWCLIPBOARD), 1u);
    EXPECT_EQ(middle.Count(WM_DRAWCLIPBOARD), 0u);
}

TEST_F(Chain, ChangeAboutAnotherWindowKeepsTheLinkAndIsForwardedUnchanged) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    foreign.messages.clear();
    const LRESULT result = SendMessageA(viewer.hWnd(), WM_CHANGECBCHAIN, 0xABCD, 0x77);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(viewer.hWndNextViewer, foreign.hWnd());
    ASSERT_EQ(foreign.messages.size(), 1u);
    EXPECT_EQ(foreign.messages[0].msg, static_cast<UINT>(WM_CHANGECBCHAIN));
    EXPECT_EQ(foreign.messages[0].wParam, 0xABCDu);
    EXPECT_EQ(foreign.messages[0].lParam, 0x77);
}

TEST_F(Chain, WithoutNextWindowAChangeIsStillShown) {
    ClipViewerForm& viewer = Viewer();
    viewer.hWndNextViewer = nullptr; // whatever else is in the chain, forward to nobody
    PutOnClipboard({TextItem("alone")});
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_TEXT");
    EXPECT_EQ(viewer.Text1.Text(), "alone");
}

TEST_F(Chain, UnloadingLeavesTheChainAndUnhooks) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    HWND hwnd = viewer.hWnd();
    viewer.Unload();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(GetClipboardViewer(), foreign.hWnd());
    foreign.messages.clear();
    PutOnClipboard({TextItem("after the viewer went")});
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u);
    EXPECT_EQ(viewer.hWndNextViewer, nullptr);
}

TEST_F(Chain, AViewerWindowDestroyedWithoutUnloadingStillLeavesTheChain) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    DestroyWindow(viewer.hWnd());
    EXPECT_FALSE(viewer.IsLoaded());
    EXPECT_EQ(GetClipboardViewer(), foreign.hWnd());
    foreign.messages.clear();
    PutOnClipboard({TextItem("after the window went")});
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u);
}

namespace {

// The owner of owner-display data that changes the clipboard while it paints,
// as a program may do: a change arrives while the viewer is still showing.
class ChangingOwner {
  public:
    ChangingOwner() : hwnd(MakeTestWindow("VellicorTestChangingOwner", &ChangingOwner::Proc, this)) {}
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_PAINTCLIPBOARD) PutOnClipboard({TextItem("changed while painting")});
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ui::UniqueWindow hwnd;
};

} // namespace

TEST_F(Chain, AChangeArrivingWhileTheViewerShowsIsNotShownButListedAndForwarded) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    ChangingOwner owner;
    foreign.messages.clear();
    std::vector<std::string> captionsWhenForwarded;
    foreign.OnMessage = [&](const ChainMessage&) { captionsWhenForwarded.push_back(viewer.Caption()); };

    PutOnClipboard({{CF_OWNERDISPLAY, nullptr}}, owner.hwnd.get());
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: CF_OWNERDRAW") << "the nested change was not shown";
    EXPECT_EQ(viewer.Text1.Text(), "");
    EXPECT_EQ(viewer.mnuDisplay[0].caption, "Text (TXT)") << "but the menu lists the new contents";
    ASSERT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 2u) << "and both notices were forwarded";
    EXPECT_EQ(captionsWhenForwarded[0], "Clipboard Viewer: Clipboard is Empty") << "the nested one first";
    EmptyTheClipboard();
}

// A program that cannot answer: every report of the viewer fails.
class BrokenProgram final : public clipboard::ViewerHost {
  public:
    std::string Catalogue(int) override { throw std::runtime_error("the catalogue is gone"); }
    void AppendLog(const std::string&) override {}
    void SetStatus(const std::string&) override {}
    void ErrorReport(int, ui::MsgIcon) override {}
    void ShowNoPicture(const std::string&) override {}
};

TEST(ChainWithoutProgram, AnErrorWhileShowingLeavesTheViewerWatchingAndForwarding) {
    EmptyTheClipboard();
    ForeignViewer foreign;
    foreign.Join();
    // The text renderer's report to the program fails: a real error inside WindowProc.
    BrokenProgram program;
    ClipViewerForm viewer(nullptr, &program);
    viewer.Load();
    ASSERT_TRUE(IsHooked(viewer.hWnd()));
    foreign.messages.clear();

    PutOnClipboard({TextItem("first")});
    EXPECT_TRUE(IsHooked(viewer.hWnd())) << "a renderer's failure does not cost the viewer its place";
    EXPECT_EQ(viewer.Caption(), "Clipboard Viewer: No Supported Format");
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u) << "the notice was passed on before the failure";

    PutOnClipboard({TextItem("second")});
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 2u) << "later changes are passed on too";

    viewer.Unload();
    EXPECT_EQ(GetClipboardViewer(), foreign.hWnd()) << "unloading leaves the chain";
    PutOnClipboard({TextItem("third")});
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 3u);
    EmptyTheClipboard();
}

TEST_F(Chain, SeveralViewerWindowsEachSeeEveryChange) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    ASSERT_TRUE(ChooseMenuItem(viewer, "&File", "&New Window"));
    ASSERT_TRUE(ChooseMenuItem(viewer, "&File", "&New Window"));
    ASSERT_EQ(ViewerWindowCount(), 2u);
    ClipViewerForm* first = ViewerWindow(0);
    ClipViewerForm* second = ViewerWindow(1);
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(first->Visible() && second->Visible());
    EXPECT_EQ(GetClipboardViewer(), second->hWnd());
    EXPECT_EQ(second->hWndNextViewer, first->hWnd());
    EXPECT_EQ(first->hWndNextViewer, viewer.hWnd());

    foreign.messages.clear();
    const size_t logBefore = LogLines().size();
    PutOnClipboard({TextItem("for everyone")});
    for (ClipViewerForm* each : {&viewer, first, second}) {
        EXPECT_EQ(each->Caption(), "Clipboard Viewer: CF_TEXT");
        EXPECT_EQ(each->Text1.Text(), "for everyone");
    }
    EXPECT_EQ(LogLines().size(), logBefore + 3) << "each viewer shows the change";
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u);

    ASSERT_TRUE(ChooseMenuItem(*second, "&File", "E&xit"));
    EXPECT_EQ(ViewerWindow(0), nullptr);
    EXPECT_EQ(ViewerWindow(1), nullptr);
    EXPECT_EQ(ViewerWindowCount(), 2u) << "later windows take new slots";
    EXPECT_TRUE(viewer.IsLoaded()) << "the default viewer stays";
    EXPECT_EQ(GetClipboardViewer(), viewer.hWnd());
    foreign.messages.clear();
    PutOnClipboard({TextItem("after exit")});
    EXPECT_EQ(viewer.Text1.Text(), "after exit");
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u);

    ASSERT_TRUE(ChooseMenuItem(viewer, "&File", "&New Window"));
    EXPECT_EQ(ViewerWindowCount(), 3u);
    EXPECT_NE(ViewerWindow(2), nullptr);
}

TEST_F(Chain, NewWindowOpensOneFrameAndCaptionLowerAndFurtherRight) {
    ClipViewerForm& viewer = Viewer();
    viewer.Move(1500, 1200);
    NewViewerWindow(viewer);
    ClipViewerForm* opened = ViewerWindow(ViewerWindowCount() - 1);
    ASSERT_NE(opened, nullptr);
    const int offset =
        static_cast<int>(std::lround(static_cast<double>(ui::TwipsPerPixelY()) *
                                     (GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION))));
    EXPECT_NEAR(opened->Left(), 1500 + offset, ui::TwipsPerPixelX());
    EXPECT_NEAR(opened->Top(), 1200 + offset, ui::TwipsPerPixelY());
}

TEST_F(Chain, CloseLeavesTheChainUntilTheMainWindowsMinuteCheckReloadsIt) {
    program->Start().Load();           // the whole start: the main window loads the default viewer
    testing_support::PumpMessages(50); // the start ends once the window is drawn
    ClipViewerForm& viewer = program->Viewer();
    ASSERT_TRUE(viewer.IsLoaded());
    ASSERT_FALSE(viewer.mnuMain[2].enabled) << "the clipboard is empty after the start";

    HWND closed = viewer.hWnd();
    ASSERT_TRUE(ChooseMenuItem(viewer, "&File", "&Close"));
    EXPECT_FALSE(viewer.IsLoaded());
    EXPECT_NE(GetClipboardViewer(), closed);

    SendMessageA(Main().hWnd(), WM_TIMER, Main().Timer1.Id(), 0);
    ASSERT_TRUE(viewer.IsLoaded());
    EXPECT_FALSE(viewer.Visible()) << "reloaded hidden";
    EXPECT_TRUE(IsHooked(viewer.hWnd()));
    EXPECT_EQ(GetClipboardViewer(), viewer.hWnd());
    EXPECT_TRUE(viewer.mnuMain[2].enabled) << "the check enables the Display menu";
    EXPECT_FALSE(GetMenuState(viewer.MenuHandle(), 2, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(Chain, TheProgramsEndMakesEveryViewerLeaveTheChain) {
    ForeignViewer foreign;
    foreign.Join();
    ClipViewerForm& viewer = Viewer();
    NewViewerWindow(viewer);
    NewViewerWindow(viewer);
    ASSERT_NE(GetClipboardViewer(), foreign.hWnd());
    program->End();
    EXPECT_EQ(GetClipboardViewer(), foreign.hWnd());
    EXPECT_EQ(ViewerWindowCount(), 0u);
    foreign.messages.clear();
    PutOnClipboard({TextItem("after the end")});
    EXPECT_EQ(foreign.Count(WM_DRAWCLIPBOARD), 1u);
}
