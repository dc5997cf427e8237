// The library inside a host's process on Windows, as the host sees it: a
// window of the host's own (plain Win32, no Qt of the host's), the library
// loaded at run time and called with that window. While the library's modal
// window is up, it is owned by the host's window and the host's window is
// disabled; after each call the host's window is enabled and active again,
// no window of the library is left on the screen, and the host's own
// message loop and messages go on as before.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "include/flox03.h"
#include "support/test_system.h"

namespace {

const std::string kBin = std::string(FLOX_BINARY_DIR) + "/bin";
constexpr UINT kPing = WM_APP + 1;

struct Library {
  decltype(&Flox03A) flox03A = nullptr;
  decltype(&InitDll) initDll = nullptr;
  decltype(&Flox03LastStatus) lastStatus = nullptr;
  std::string loadError;
};

const Library& Lib() {
  static const Library lib = [] {
    Library l;
    void* handle = flox_test::sys::LoadSharedLibrary(flox_test::sys::LibraryFile(kBin), &l.loadError);
    if (handle == nullptr) return l;
    l.flox03A = reinterpret_cast<decltype(l.flox03A)>(flox_test::sys::SharedSymbol(handle, "Flox03A"));
    l.initDll = reinterpret_cast<decltype(l.initDll)>(flox_test::sys::SharedSymbol(handle, "InitDll"));
    l.lastStatus = reinterpret_cast<decltype(l.lastStatus)>(flox_test::sys::SharedSymbol(handle, "Flox03LastStatus"));
    return l;
  }();
  return lib;
}

int g_pings = 0;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPing) {
    ++g_pings;
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// The host's main window, shown and active, as a host program has it when
// its user starts an action of the library.
HWND MakeHostWindow() {
  static const ATOM kClass = [] {
    WNDCLASSW type{};
    type.lpfnWndProc = HostProc;
    type.hInstance = ::GetModuleHandleW(nullptr);
    type.lpszClassName = L"FloxTestHost";
    type.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    return ::RegisterClassW(&type);
  }();
  if (kClass == 0) return nullptr;
  HWND host = ::CreateWindowExW(0, L"FloxTestHost", L"Host", WS_OVERLAPPEDWINDOW, 40, 40, 640, 480, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
  if (host == nullptr) return nullptr;
  ::ShowWindow(host, SW_SHOW);
  ::SetForegroundWindow(host);
  ::SetActiveWindow(host);
  return host;
}

// The visible top-level windows of this thread other than `except`.
std::vector<HWND> ShownWindows(HWND except) {
  struct Walk {
    HWND except;
    std::vector<HWND> found;
  } walk{except, {}};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(data);
        if (window != w->except && ::IsWindowVisible(window)) w->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.found;
}

// What the host saw of the library's modal window while it was up, looked
// at from a timer of the host's, which the library's modal loop runs as the
// host's own loop would.
struct TSeen {
  int windows = 0;  // library windows on the screen
  HWND owner = nullptr;
  bool hostEnabled = true;
  bool libraryWindowActive = false;
  bool hostGotPing = false;  // a message posted to the host before the call reached it in the call
};
TSeen g_seen;
HWND g_host = nullptr;
int g_ticks = 0;

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  const std::vector<HWND> shown = ShownWindows(g_host);
  if (shown.empty()) {
    // Not up yet: give it a few seconds, then give up on it.
    if (++g_ticks > 100) ::KillTimer(nullptr, timer);
    return;
  }
  ::KillTimer(nullptr, timer);
  HWND active = ::GetActiveWindow();
  g_seen.windows = static_cast<int>(shown.size());
  g_seen.libraryWindowActive = active != nullptr && active != g_host;
  HWND modal = g_seen.libraryWindowActive ? active : shown.front();
  g_seen.owner = ::GetWindow(modal, GW_OWNER);
  g_seen.hostEnabled = g_host == nullptr || ::IsWindowEnabled(g_host) != 0;
  g_seen.hostGotPing = g_pings > 0;
  // As the user closes it with the window's close box.
  ::PostMessageW(modal, WM_CLOSE, 0, 0);
}

struct TCall {
  const char* name;
  uint32_t action;
  bool folderAsStudy;  // a folder given as the study file: the error box instead of the dialog
  bool hostOwned;      // the host passes its window (else 0)
};

class HostWindow : public testing::TestWithParam<TCall> {
 protected:
  void SetUp() override {
    if (Lib().flox03A == nullptr) GTEST_FAIL() << "library not loaded: " << Lib().loadError;
    // The library chooses its platform as it does in a host's process.
    flox_test::sys::SetEnv("QT_QPA_PLATFORM", "");
    g_host = MakeHostWindow();
    ASSERT_NE(g_host, nullptr) << ::GetLastError();
    folder_ = flox_test::sys::MakeScratchFolder("flox-host-");
  }
  void TearDown() override {
    if (g_host != nullptr) ::DestroyWindow(g_host);
    g_host = nullptr;
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  std::filesystem::path folder_;
};

TEST_P(HostWindow, TheLibrarysWindowIsOwnedAndModalAndLeavesNothingBehind) {
  const TCall call = GetParam();
  const std::filesystem::path study = folder_ / "study.flx";
  if (call.folderAsStudy) std::filesystem::create_directory(study);
  const std::string name = study.string();  // plain ASCII: the same in every ANSI code page
  const uintptr_t window = call.hostOwned ? reinterpret_cast<uintptr_t>(g_host) : 0;

  g_seen = {};
  g_ticks = 0;
  g_pings = 0;
  ASSERT_NE(::SetTimer(nullptr, 0, 100, LookAndClose), 0u);
  ::PostMessageW(g_host, kPing, 0, 0);  // for the library's loop to deliver
  Lib().initDll(window);
  Lib().flox03A(window, name.c_str(), nullptr, call.action, 3);

  EXPECT_EQ(g_seen.windows, 1) << "the library's window was not shown, or not alone";
  EXPECT_TRUE(g_seen.libraryWindowActive) << "the library's window did not get the activation";
  EXPECT_TRUE(g_seen.hostGotPing) << "the host's messages were not delivered during the modal loop";
  if (call.hostOwned) {
    EXPECT_EQ(g_seen.owner, g_host) << "not owned by the host's window";
    EXPECT_FALSE(g_seen.hostEnabled) << "the host's window stayed enabled under a modal window";
  } else {
    EXPECT_EQ(g_seen.owner, nullptr);
  }
  EXPECT_EQ(Lib().lastStatus(), call.folderAsStudy ? FLOX_ERR_FILE : FLOX_OK);
  if (!call.folderAsStudy && call.action == 1) {
    EXPECT_TRUE(std::filesystem::is_regular_file(study)) << "the edited study was not saved";
  }

  // After the call: the host's window as it was, and nothing of the library's left.
  EXPECT_NE(::IsWindowEnabled(g_host), 0);
  EXPECT_TRUE(ShownWindows(g_host).empty()) << "a window of the library is left on the screen";
  if (call.hostOwned) {
    EXPECT_EQ(::GetActiveWindow(), g_host) << "the host's window lost the activation";
  }
  // The host's own message loop goes on with its own messages.
  g_pings = 0;
  ::PostMessageW(g_host, kPing, 0, 0);
  for (MSG message; ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  EXPECT_EQ(g_pings, 1);
}

INSTANTIATE_TEST_SUITE_P(Calls, HostWindow,
                         testing::Values(TCall{"Edit", 1, false, true}, TCall{"Preview", 2, false, true},
                                         TCall{"ErrorBox", 1, true, true}, TCall{"EditWithoutHostWindow", 1, false, false}),
                         [](const testing::TestParamInfo<TCall>& info) { return std::string(info.param.name); });

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Under wine without a display no window can be made: the whole program
  // is skipped (ctest takes 77 for that).
  HWND probe = ::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  if (probe == nullptr) {
    std::printf("Skipped: no display to make windows on (under wine: set DISPLAY, e.g. with xvfb-run)\n");
    return 77;
  }
  ::DestroyWindow(probe);
  return RUN_ALL_TESTS();
}
