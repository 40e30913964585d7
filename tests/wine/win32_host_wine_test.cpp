// The Win32 host layer on real windows (run under Wine): the constituent controls
// of one control under a top-level form, real input, the registry and the system's
// text conversion.
#include "host/win32/windows_api.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/automation_error.h"
#include "host/sim/sim_control_owner.h"
#include "host/win32/parking_window.h"
#include "host/win32/registry_settings_store.h"
#include "host/win32/unique_handle.h"
#include "host/win32/win32_control_windows.h"
#include "host/win32/win32_message_loop.h"
#include "host/win32/win32_screen.h"
#include "host/win32/win32_text_case.h"
#include "host/win32/window_subclass.h"

namespace zelvane::win32 {
namespace {

using Log = std::vector<std::string>;

std::string Describe(const char* name, std::int16_t a, std::int16_t b, float x, float y) {
  return std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + "," +
         std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)) + ")";
}

/// Records every event of the constituents; key handlers may rewrite the arguments.
struct Recorder : host::TextBoxEvents, host::SurfaceEvents, host::ListBoxEvents, host::TimerEvents {
  Log log;
  std::function<void(std::int16_t&)> onKeyDown = [](std::int16_t&) {};
  std::function<void(std::int16_t&)> onKeyPress = [](std::int16_t&) {};
  std::function<void()> onTimer = [] {};
  std::function<void()> onPaint = [] {};

  void txt_Change() override { log.push_back("Change"); }
  void txt_KeyDown(std::int16_t& KeyCode, std::int16_t&) override {
    log.push_back("KeyDown(" + std::to_string(KeyCode) + ")");
    onKeyDown(KeyCode);
  }
  void txt_KeyPress(std::int16_t& KeyAscii) override {
    log.push_back("KeyPress(" + std::to_string(KeyAscii) + ")");
    onKeyPress(KeyAscii);
  }
  void txt_KeyUp(std::int16_t& KeyCode, std::int16_t&) override { log.push_back("KeyUp(" + std::to_string(KeyCode) + ")"); }
  void txt_Click() override { log.push_back("Click"); }
  void txt_DblClick() override { log.push_back("DblClick"); }
  void txt_MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override { log.push_back(Describe("MouseDown", b, s, x, y)); }
  void txt_MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override { log.push_back(Describe("MouseMove", b, s, x, y)); }
  void txt_MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override { log.push_back(Describe("MouseUp", b, s, x, y)); }

  void UserControl_Resize() override { log.push_back("Resize"); }
  void UserControl_Paint() override { log.push_back("Paint"); onPaint(); }
  void UserControl_MouseDown(std::int16_t b, std::int16_t s, float x, float y) override { log.push_back(Describe("UcMouseDown", b, s, x, y)); }
  void UserControl_MouseMove(std::int16_t b, std::int16_t s, float x, float y) override { log.push_back(Describe("UcMouseMove", b, s, x, y)); }
  void UserControl_MouseUp(std::int16_t b, std::int16_t s, float x, float y) override { log.push_back(Describe("UcMouseUp", b, s, x, y)); }
  void UserControl_Click() override { log.push_back("UcClick"); }
  void UserControl_MouseLeave() override {}
  void UserControl_ThemeChanged() override {}

  void lst_MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override { log.push_back(Describe("LstMouseMove", b, s, x, y)); }
  void lst_MouseUp(std::int16_t& b, std::int16_t& s, float& x, float& y) override { log.push_back(Describe("LstMouseUp", b, s, x, y)); }
  void lst_ScreenChanged() override { log.push_back("LstScreenChanged"); }

  void tmr_Timer() override { log.push_back("Timer"); onTimer(); }

  Log Take() { return std::exchange(log, {}); }
};

/// Dispatches what is pending, waiting for new messages until `done` or a generous
/// bound (a hang guard, not a measured time).
void PumpUntil(const std::function<bool()>& done, DWORD boundMs = 5000) {
  Win32MessageLoop loop;
  const DWORD start = ::GetTickCount();
  loop.DoEvents();
  while (!done() && ::GetTickCount() - start < boundMs) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    loop.DoEvents();
  }
}

void Pump() { Win32MessageLoop().DoEvents(); }

/// Dispatches for a while without a goal: to show that nothing more arrives.
void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

void SendKey(WORD vk) {
  INPUT input[2]{};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = vk;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, input, sizeof(INPUT));
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

COLORREF PrintedPixel(HWND hwnd, int x, int y) {
  RECT client{};
  ::GetClientRect(hwnd, &client);
  WindowDc screen(hwnd);
  unique_hdc memory(::CreateCompatibleDC(screen.get()));
  unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  HGDIOBJ old = ::SelectObject(memory.get(), bitmap.get());
  ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT | PRF_ERASEBKGND);
  const COLORREF pixel = ::GetPixel(memory.get(), x, y);
  ::SelectObject(memory.get(), old);
  return pixel;
}

class Win32HostTest : public ::testing::Test {
 protected:
  // One form for the suite: showing a top-level window costs the display a round trip.
  static void SetUpTestSuite() {
    ::OleInitialize(nullptr);
    form_ = new unique_hwnd(::CreateWindowExW(0, L"STATIC", L"Form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                              50, 50, 400, 300, nullptr, nullptr, nullptr, nullptr));
  }
  static void TearDownTestSuite() {
    delete form_;
    form_ = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(*form_);
    windows_ = std::make_unique<Win32ControlWindows>(form_->get(), owner_);
    windows_->surface().SetEvents(&rec_);
    windows_->txt().SetEvents(&rec_);
    windows_->lst()->SetEvents(&rec_);
    windows_->tmr().SetEvents(&rec_);
    windows_->SetPosition(RECT{10, 10, 170, 35});
    windows_->Show(true);
    txt().SetTop(0);
    txt().SetWidth(windows_->surface().ScaleWidth());
    txt().SetHeight(windows_->surface().ScaleHeight());
    ::SetForegroundWindow(form_->get());
    ::SetFocus(txt().hwnd());
    Pump();
    rec_.Take();
  }

  Win32TextBox& txt() { return windows_->txt(); }
  Win32ListBox& lst() { return *windows_->lst(); }
  HWND surfaceHwnd() { return windows_->SurfaceHwnd(); }

  /// Types one key for real and waits until its KeyUp has been relayed.
  void Type(WORD vk) {
    SendKey(vk);
    PumpUntil([&] {
      for (const auto& entry : rec_.log)
        if (entry == "KeyUp(" + std::to_string(vk) + ")") return true;
      return false;
    });
  }

  static inline unique_hwnd* form_ = nullptr;
  sim::SimControlOwner owner_;
  Recorder rec_;
  std::unique_ptr<Win32ControlWindows> windows_;
};

// --- text box ---------------------------------------------------------------

TEST_F(Win32HostTest, SettingTextRaisesOneChangeAndTheSameTextNone) {
  txt().SetText(u"Grüße ✓");
  EXPECT_EQ(rec_.Take(), Log{"Change"});
  EXPECT_EQ(txt().Text(), u"Grüße ✓");
  txt().SetText(u"Grüße ✓");
  EXPECT_EQ(rec_.Take(), Log{});
}

TEST_F(Win32HostTest, TypedKeyRunsKeyDownKeyPressChangeKeyUpInOrder) {
  ASSERT_EQ(::GetFocus(), txt().hwnd()) << "the form could not take the keyboard focus";
  Type('A');
  EXPECT_EQ(rec_.Take(), (Log{"KeyDown(65)", "KeyPress(97)", "Change", "KeyUp(65)"}));
  EXPECT_EQ(txt().Text(), u"a");
}

struct KeyDownCase {
  const char* name;
  std::int16_t rewriteTo;  // what the KeyDown handler leaves for VK_DELETE
  const char16_t* textAfter;
  std::int32_t caretAfter;
};

class KeyDownRewrite : public Win32HostTest, public ::testing::WithParamInterface<KeyDownCase> {};

TEST_P(KeyDownRewrite, TheEditGetsTheKeyTheHandlerLeft) {
  ASSERT_EQ(::GetFocus(), txt().hwnd()) << "the form could not take the keyboard focus";
  txt().SetText(u"abc");
  txt().SetSelStart(0);
  rec_.onKeyDown = [&](std::int16_t& keyCode) {
    if (keyCode == VK_DELETE) keyCode = GetParam().rewriteTo;
  };
  Type(VK_DELETE);
  EXPECT_EQ(txt().Text(), GetParam().textAfter);
  EXPECT_EQ(txt().SelStart(), GetParam().caretAfter);
}

INSTANTIATE_TEST_SUITE_P(Win32Host, KeyDownRewrite,
                         ::testing::Values(KeyDownCase{"Unchanged", VK_DELETE, u"bc", 0},
                                           KeyDownCase{"ZeroSwallows", 0, u"abc", 0},
                                           KeyDownCase{"ChangedKeyActs", VK_END, u"abc", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32HostTest, KeyPressCanChangeOrSwallowTheCharacter) {
  ASSERT_EQ(::GetFocus(), txt().hwnd()) << "the form could not take the keyboard focus";
  rec_.onKeyPress = [](std::int16_t& keyAscii) {
    if (keyAscii == 'a') keyAscii = 'z';
    if (keyAscii == 'b' || keyAscii == 13) keyAscii = 0;
  };
  Type('A');
  Type('B');
  Type(VK_RETURN);
  EXPECT_EQ(txt().Text(), u"z");
  EXPECT_EQ(rec_.Take(), (Log{"KeyDown(65)", "KeyPress(97)", "Change", "KeyUp(65)", "KeyDown(66)", "KeyPress(98)",
                              "KeyUp(66)", "KeyDown(13)", "KeyPress(13)", "KeyUp(13)"}));
}

TEST_F(Win32HostTest, AThrowingHandlerLeavesTheKeyToTheEdit) {
  ASSERT_EQ(::GetFocus(), txt().hwnd()) << "the form could not take the keyboard focus";
  rec_.onKeyPress = [](std::int16_t&) { throw core::AutomationError(5010, u"Zelvane", u"host failure"); };
  Type('A');
  EXPECT_EQ(txt().Text(), u"a");
  rec_.onKeyPress = [](std::int16_t&) {};
  Type('B');
  EXPECT_EQ(txt().Text(), u"ab");
}

TEST_F(Win32HostTest, DialogHostsLeaveEnterUpDownToTheTextBoxButKeepTab) {
  auto wants = [&](UINT message, WPARAM key) {
    MSG msg{txt().hwnd(), message, key, 0, 0, {}};
    return (::SendMessageW(txt().hwnd(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTMESSAGE) != 0;
  };
  EXPECT_TRUE(wants(WM_KEYDOWN, VK_RETURN));
  EXPECT_TRUE(wants(WM_KEYDOWN, VK_DOWN));
  EXPECT_TRUE(wants(WM_KEYDOWN, VK_UP));
  EXPECT_TRUE(wants(WM_CHAR, L'\r'));
  EXPECT_FALSE(wants(WM_KEYDOWN, VK_TAB));
}

TEST_F(Win32HostTest, MouseOnTheTextBoxRelaysBoxPixelsAndClicksOnlyInside) {
  HWND edit = txt().hwnd();
  ::PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 6));
  ::PostMessageW(edit, WM_LBUTTONUP, 0, At(7, 8));
  Pump();
  EXPECT_EQ(rec_.Take(), (Log{"MouseDown(1,0,5,6)", "MouseUp(1,0,7,8)", "Click"}));

  ::PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 6));
  ::PostMessageW(edit, WM_LBUTTONUP, 0, At(500, 8));
  // The middle button: a right-button release would open the EDIT's context menu.
  ::PostMessageW(edit, WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, At(1, 2));
  ::PostMessageW(edit, WM_MBUTTONUP, MK_SHIFT, At(1, 2));
  Pump();
  EXPECT_EQ(rec_.Take(), (Log{"MouseDown(1,0,5,6)", "MouseUp(1,0,500,8)", "MouseDown(4,1,1,2)", "MouseUp(4,1,1,2)"}));

  ::PostMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, At(3, 3));
  ::PostMessageW(edit, WM_LBUTTONUP, 0, At(3, 3));
  ::PostMessageW(edit, WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, At(4, 4));
  Pump();
  EXPECT_EQ(rec_.Take(), (Log{"DblClick", "MouseUp(1,0,3,3)", "MouseMove(1,2,4,4)"}));
}

TEST_F(Win32HostTest, SelectionPropertiesReadAndReplaceTheSelection) {
  txt().SetText(u"hello world");
  txt().SetSelStart(6);
  txt().SetSelLength(5);
  EXPECT_EQ(txt().SelText(), u"world");
  rec_.Take();
  txt().SetSelText(u"there");
  EXPECT_EQ(txt().Text(), u"hello there");
  EXPECT_EQ(rec_.Take(), Log{"Change"});
  EXPECT_EQ(txt().SelStart(), 11);
  EXPECT_EQ(txt().SelLength(), 0);
  txt().SetSelStart(100);
  EXPECT_EQ(txt().SelStart(), 11);
  EXPECT_THROW(txt().SetSelStart(-1), core::AutomationError);
  EXPECT_THROW(txt().SetSelLength(-1), core::AutomationError);
  EXPECT_EQ(txt().SelStart(), 11);
}

TEST_F(Win32HostTest, FontsAreTheFontObjectsOwnAndOnlyFontObjectsAreTaken) {
  auto font = MakeDefaultFont();
  txt().SetFont(font);
  EXPECT_EQ(txt().Font(), font);
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(txt().hwnd(), WM_GETFONT, 0, 0)), font->hfont());
  txt().SetFont(nullptr);
  EXPECT_EQ(txt().Font(), font);

  // The host changes the shared font object itself: both boxes take the new face.
  lst().SetFont(font);
  const HFONT before = font->hfont();
  ASSERT_EQ(font->ifont()->put_Bold(TRUE), S_OK);
  const HFONT after = font->hfont();
  EXPECT_NE(after, before);
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(txt().hwnd(), WM_GETFONT, 0, 0)), after);
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(lst().hwnd(), WM_GETFONT, 0, 0)), after);
  struct OtherFont : host::Font {};
  try {
    lst().SetFont(std::make_shared<OtherFont>());
    ADD_FAILURE() << "a foreign font object was taken";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), 13);
  }
  EXPECT_NE(lst().Font(), nullptr);
}

TEST_F(Win32HostTest, TextBoxGeometryStaysInsideTheSurfaceAndNegativeSizesBecomeZero) {
  txt().SetTop(2);
  txt().SetWidth(50);
  txt().SetHeight(-4);
  EXPECT_EQ(txt().Top(), 2);
  EXPECT_EQ(txt().Width(), 50);
  EXPECT_EQ(txt().Height(), 0);
}

TEST_F(Win32HostTest, InvalidColoursAreRefusedAndTheOldColourKept) {
  txt().SetBackColor(0x0000FF);
  EXPECT_THROW(txt().SetBackColor(0x7F000000), core::AutomationError);
  EXPECT_EQ(txt().BackColor(), 0x0000FFu);
}

// --- list box ---------------------------------------------------------------

TEST_F(Win32HostTest, ListBoxRowsSelectionAndRowHeight) {
  EXPECT_FALSE(lst().Visible());
  for (const char16_t* row : {u"Zebra", u"apple", u"Mango"}) lst().AddItem(row);
  EXPECT_EQ(lst().ListCount(), 3);
  EXPECT_EQ(lst().List(0), u"Zebra");  // appended, never sorted
  EXPECT_EQ(lst().List(2), u"Mango");
  EXPECT_EQ(lst().List(3), u"");
  EXPECT_EQ(lst().ListIndex(), -1);
  lst().SetListIndex(2);
  EXPECT_EQ(lst().ListIndex(), 2);
  EXPECT_THROW(lst().SetListIndex(3), core::AutomationError);
  EXPECT_EQ(lst().ListIndex(), 2);
  lst().SetListIndex(-1);
  EXPECT_EQ(lst().ListIndex(), -1);
  EXPECT_GT(::SendMessageW(lst().hwnd(), LB_GETITEMHEIGHT, 0, 0), 0);
  lst().Clear();
  EXPECT_EQ(lst().ListCount(), 0);
  lst().SetWidth(123);
  EXPECT_EQ(lst().Width(), 123);
}

TEST_F(Win32HostTest, ListColoursHoldInTheSurfaceAndFloatingOnTheDesktop) {
  lst().SetBackColor(RGB(200, 0, 0));
  lst().AddItem(u"x");
  ::MoveWindow(lst().hwnd(), 0, 0, 80, 80, FALSE);
  EXPECT_EQ(PrintedPixel(lst().hwnd(), 40, 60), RGB(200, 0, 0));

  // What the drop-down does to lift it out of the form.
  HWND list = lst().hwnd();
  ::SetWindowLongPtrW(list, GWL_EXSTYLE, ::GetWindowLongPtrW(list, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  ::SetParent(list, ::GetDesktopWindow());
  ::MoveWindow(list, 60, 90, 80, 80, TRUE);
  lst().SetVisible(true);
  Pump();
  EXPECT_TRUE(lst().Visible());
  EXPECT_TRUE(::IsWindowVisible(list));
  EXPECT_TRUE(::GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(PrintedPixel(list, 40, 60), RGB(200, 0, 0));
  lst().SetBackColor(0x80000000u | COLOR_WINDOW);
  EXPECT_EQ(PrintedPixel(list, 40, 60), ::GetSysColor(COLOR_WINDOW));
  lst().SetVisible(false);
  EXPECT_FALSE(lst().Visible());
}

TEST_F(Win32HostTest, FloatingListRelaysMouseAndLeavesTheFocusInTheTextBox) {
  lst().AddItem(u"one");
  lst().AddItem(u"two");
  HWND list = lst().hwnd();
  ::SetParent(list, ::GetDesktopWindow());
  ::MoveWindow(list, 60, 90, 80, 80, TRUE);
  lst().SetVisible(true);
  ::SetFocus(txt().hwnd());
  Pump();
  rec_.Take();
  const LPARAM secondRow = At(5, static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0)) + 2);
  ::PostMessageW(list, WM_MOUSEMOVE, 0, secondRow);
  ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, secondRow);
  ::PostMessageW(list, WM_LBUTTONUP, 0, secondRow);
  Pump();
  const Log log = rec_.Take();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].rfind("LstMouseMove(0,0,5,", 0), 0u) << log[0];
  EXPECT_EQ(log[1].rfind("LstMouseUp(1,0,5,", 0), 0u) << log[1];
  EXPECT_EQ(lst().ListIndex(), 1);
  EXPECT_EQ(::GetFocus(), txt().hwnd());
}

// The broadcasts of a new work area or display reach top-level windows only: the
// list box hears them through a window of its own, also while it is a child.
TEST_F(Win32HostTest, ListBoxHearsTheScreenChangeBroadcasts) {
  Pump();
  rec_.Take();
  for (UINT msg : {WM_SETTINGCHANGE, WM_DISPLAYCHANGE}) {
    ::SendMessageTimeoutW(HWND_BROADCAST, msg, msg == WM_SETTINGCHANGE ? SPI_SETWORKAREA : 32, 0, SMTO_ABORTIFHUNG,
                          2000, nullptr);
  }
  EXPECT_EQ(rec_.Take(), (Log{"LstScreenChanged", "LstScreenChanged"}));
}

// --- timer ------------------------------------------------------------------

TEST_F(Win32HostTest, TimerTicksOnceAfterItsIntervalWhenTheTickDisablesIt) {
  auto& tmr = windows_->tmr();
  EXPECT_FALSE(tmr.Enabled());
  tmr.SetInterval(150);
  rec_.onTimer = [&] { tmr.SetEnabled(false); };
  tmr.SetEnabled(true);
  Pump();
  EXPECT_EQ(rec_.log, Log{});
  PumpUntil([&] { return !rec_.log.empty(); });
  PumpFor(400);
  EXPECT_EQ(rec_.Take(), Log{"Timer"});
  EXPECT_THROW(tmr.SetInterval(65536), core::AutomationError);
  EXPECT_EQ(tmr.Interval(), 150);
}

// --- surface ----------------------------------------------------------------

TEST_F(Win32HostTest, AppearanceSetsTheBorderAndTheInnerSizeWithAResize) {
  auto& surface = windows_->surface();
  EXPECT_EQ(surface.Appearance(), 1);
  EXPECT_EQ(surface.Width(), 160);
  EXPECT_EQ(surface.ScaleWidth(), 156);  // sunken edge, 2 px each side
  EXPECT_EQ(surface.ScaleHeight(), 21);
  surface.SetAppearance(0);
  EXPECT_EQ(surface.ScaleWidth(), 158);  // flat line, 1 px each side
  EXPECT_EQ(surface.ScaleHeight(), 23);
  EXPECT_EQ(rec_.Take(), Log{"Resize"});
  try {
    surface.SetAppearance(2);
    ADD_FAILURE() << "appearance 2 was taken";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), 380);
  }
  EXPECT_EQ(surface.Appearance(), 0);
  EXPECT_EQ(surface.ScaleWidth(), 158);
}

TEST_F(Win32HostTest, SurfaceMouseClicksOnlyWhenReleasedInside) {
  txt().SetWidth(100);  // leaves the strip from x 100 uncovered
  Pump();
  rec_.Take();
  ::PostMessageW(surfaceHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(120, 5));
  ::PostMessageW(surfaceHwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(121, 6));
  ::PostMessageW(surfaceHwnd(), WM_LBUTTONUP, 0, At(122, 7));
  Pump();
  EXPECT_EQ(rec_.Take(), (Log{"UcMouseDown(1,0,120,5)", "UcMouseMove(1,0,121,6)", "UcMouseUp(1,0,122,7)", "UcClick"}));
  EXPECT_EQ(::GetCapture(), nullptr);

  ::PostMessageW(surfaceHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(120, 5));
  ::PostMessageW(surfaceHwnd(), WM_LBUTTONUP, 0, At(-30, 7));
  ::PostMessageW(surfaceHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, At(120, 5));
  ::PostMessageW(surfaceHwnd(), WM_RBUTTONUP, 0, At(120, 5));
  Pump();
  EXPECT_EQ(rec_.Take(), (Log{"UcMouseDown(1,0,120,5)", "UcMouseUp(1,0,-30,7)", "UcMouseDown(2,0,120,5)",
                              "UcMouseUp(2,0,120,5)"}));
}

TEST_F(Win32HostTest, PaintGetsADeviceContextThatDraws) {
  auto& surface = windows_->surface();
  bool drew = false;
  rec_.onPaint = [&] {
    RECT button{100, 0, 116, 21};
    drew = ::DrawFrameControl(reinterpret_cast<HDC>(surface.hDC()), &button, DFC_SCROLL, DFCS_SCROLLDOWN) != FALSE;
  };
  ::InvalidateRect(surfaceHwnd(), nullptr, TRUE);
  ::UpdateWindow(surfaceHwnd());
  EXPECT_TRUE(drew);
  drew = false;
  rec_.onPaint();  // as a property setter repaints, outside WM_PAINT
  EXPECT_TRUE(drew);
  surface.Cls();
}

TEST_F(Win32HostTest, ScaleConvertsPixelsAndReachesTheContainerThroughItsTransform) {
  auto& surface = windows_->surface();
  const float twipsPerPixel = Win32Screen().TwipsPerPixelX();
  EXPECT_FLOAT_EQ(surface.ScaleX(10, host::vbPixels, host::vbTwips), 10 * twipsPerPixel);
  EXPECT_THROW(surface.ScaleX(10, host::vbPixels, host::vbContainerSize), core::AutomationError);
  std::vector<bool> directions;
  surface.SetContainerTransform([&](float length, bool horizontal, bool toContainer) {
    directions.push_back(horizontal);
    return toContainer ? length / 10 : length * 10;
  });
  const float himetric = surface.ScaleY(10, host::vbPixels, host::vbHimetric);
  EXPECT_FLOAT_EQ(surface.ScaleY(10, host::vbPixels, host::vbContainerSize), himetric / 10);
  EXPECT_FLOAT_EQ(surface.ScaleX(himetric / 10, host::vbContainerPosition, host::vbPixels), 10);
  EXPECT_EQ(directions, (std::vector<bool>{false, true}));
}

TEST(Win32ControlWindowsTest, ParkedWindowsMoveIntoTheContainerAndFocusReachesTheTextBox) {
  unique_hwnd parking = MakeParkingWindow();
  unique_hwnd form(::CreateWindowExW(0, L"STATIC", L"Form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                     nullptr, nullptr, nullptr));
  sim::SimControlOwner owner;
  Win32ControlWindows windows(parking.get(), owner);
  EXPECT_FALSE(::IsWindowVisible(windows.SurfaceHwnd()));
  windows.SetContainerWindow(form.get());
  windows.SetPosition(RECT{5, 5, 105, 30});
  windows.Show(true);
  EXPECT_EQ(::GetParent(windows.SurfaceHwnd()), form.get());
  EXPECT_TRUE(::IsWindowVisible(windows.SurfaceHwnd()));
  ::SetForegroundWindow(form.get());
  ::SetFocus(windows.SurfaceHwnd());
  EXPECT_EQ(::GetFocus(), windows.txt().hwnd());
}

TEST(Win32ControlWindowsTest, TheListBoxObjectOutlivesItsWindows) {
  unique_hwnd parking = MakeParkingWindow();
  std::shared_ptr<Win32ListBox> list;
  {
    sim::SimControlOwner owner;
  Win32ControlWindows windows(parking.get(), owner);
    list = windows.lst();
    ::SetParent(list->hwnd(), ::GetDesktopWindow());
  }
  EXPECT_EQ(list->hwnd(), nullptr);
  EXPECT_FALSE(list->Visible());
}

// --- services ---------------------------------------------------------------

class RegistrySettingsStoreTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZelvaneWineTest");
  }
  RegistrySettingsStore store_;
};

TEST_F(RegistrySettingsStoreTest, SavedValuesReadBackFromTheVbSettingsKey) {
  store_.SaveSetting(u"ZelvaneWineTest", u"Lists", u"FFF-1-400", u"one\r\ntwo ✓");
  EXPECT_EQ(store_.GetSetting(u"ZelvaneWineTest", u"Lists", u"FFF-1-400", u"none"), u"one\r\ntwo ✓");
  wchar_t value[64]{};
  DWORD bytes = sizeof value;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZelvaneWineTest\\Lists",
                           L"FFF-1-400", RRF_RT_REG_SZ, nullptr, value, &bytes),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, L"one\r\ntwo \u2713");
  store_.SaveSetting(u"ZelvaneWineTest", u"Lists", u"FFF-1-400", u"");
  EXPECT_EQ(store_.GetSetting(u"ZelvaneWineTest", u"Lists", u"FFF-1-400", u"none"), u"");
}

TEST_F(RegistrySettingsStoreTest, MissingOrForeignEntriesReadAsTheDefault) {
  EXPECT_EQ(store_.GetSetting(u"ZelvaneWineTest", u"Nowhere", u"key", u"dflt"), u"dflt");
  store_.SaveSetting(u"ZelvaneWineTest", u"Lists", u"other", u"x");
  EXPECT_EQ(store_.GetSetting(u"ZelvaneWineTest", u"Lists", u"key", u"dflt"), u"dflt");
  const DWORD number = 7;
  ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZelvaneWineTest\\Lists", L"key",
                    REG_DWORD, &number, sizeof number);
  EXPECT_EQ(store_.GetSetting(u"ZelvaneWineTest", u"Lists", u"key", u"dflt"), u"dflt");
  EXPECT_THROW(store_.SaveSetting(u"", u"Lists", u"key", u"x"), core::AutomationError);
}

TEST(Win32TextCaseTest, UpperCasesOneCharacterForOne) {
  Win32TextCase textCase;
  EXPECT_EQ(textCase.ToUpper(u"straße"), u"STRAßE");
  EXPECT_EQ(textCase.ToUpper(u"éa"), u"ÉA");
  EXPECT_EQ(textCase.ToUpper(u""), u"");
  EXPECT_EQ(textCase.ToUpper(std::u16string(u"a\0b", 3)), std::u16string(u"A\0B", 3));
}

TEST(Win32MessageLoopTest, OnePassDispatchesWhatIsPendingAndKeepsAQuitForTheHost) {
  unique_hwnd window(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  ::PostMessageW(window.get(), WM_SETTEXT, 0, 0);
  ::PostQuitMessage(3);
  Win32MessageLoop().DoEvents();
  MSG msg{};
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

// Counts what reaches it and consumes WM_APP; everything else goes on.
struct CountingHandler : SubclassHandler {
  int apps = 0;
  bool gone = false;
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg != WM_APP) return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
    ++apps;
    return 7;
  }
  void OnSubclassedWindowGone() noexcept override { gone = true; }
};

WNDPROC g_laterNext = nullptr;  // the procedure a later subclass stands in front of
LRESULT CALLBACK LaterSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::CallWindowProcW(g_laterNext, hwnd, msg, wParam, lParam);
}

std::wstring TextOf(HWND hwnd) {
  wchar_t text[32]{};
  ::GetWindowTextW(hwnd, text, 32);
  return text;
}

TEST(WindowSubclassTest, HandlerSeesMessagesFirstAndTheClassGetsTheRest) {
  unique_hwnd edit(::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr));
  CountingHandler handler;
  {
    WindowSubclass subclass(edit.get(), handler);
    EXPECT_EQ(::SendMessageW(edit.get(), WM_APP, 0, 0), 7);
    ::SetWindowTextW(edit.get(), L"kept");
    EXPECT_EQ(TextOf(edit.get()), L"kept");
    EXPECT_THROW(WindowSubclass(edit.get(), handler), core::AutomationError);  // one subclass a window
  }
  // Removed: the class's own procedure is back and the user data free again.
  EXPECT_EQ(::SendMessageW(edit.get(), WM_APP, 0, 0), 0);
  EXPECT_EQ(handler.apps, 1);
  EXPECT_EQ(::GetWindowLongPtrW(edit.get(), GWLP_USERDATA), 0);
}

// Someone subclassed the window after us: removing ours must not cut their chain.
TEST(WindowSubclassTest, RemovedUnderALaterSubclassItPassesEverythingOn) {
  unique_hwnd edit(::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr));
  CountingHandler handler;
  {
    WindowSubclass subclass(edit.get(), handler);
    g_laterNext = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(edit.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
  }
  EXPECT_EQ(::SendMessageW(edit.get(), WM_APP, 0, 0), 0);
  EXPECT_EQ(handler.apps, 0);
  ::SetWindowTextW(edit.get(), L"still an edit");
  EXPECT_EQ(TextOf(edit.get()), L"still an edit");
  edit.reset();  // the passive subclass lets go with the window
}

// Straight past our handler to the class, unless a later subclass stands in front,
// which must still see the message (and pass it through ours as any message).
TEST(WindowSubclassTest, SentPastTheHandlerReachesTheClassButNotPastALaterSubclass) {
  for (const bool later : {false, true}) {
    unique_hwnd edit(::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr));
    CountingHandler handler;
    WindowSubclass subclass(edit.get(), handler);
    if (later)
      g_laterNext = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrW(edit.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
    EXPECT_EQ(subclass.SendPastHandler(WM_APP, 0, 0), later ? 7 : 0) << later;
    EXPECT_EQ(handler.apps, later ? 1 : 0) << later;
    subclass.SendPastHandler(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"row"));
    EXPECT_EQ(TextOf(edit.get()), L"row") << later;
  }
}

TEST(WindowSubclassTest, DestroyedWindowTellsTheHandlerAndTheSubclassLetsGo) {
  HWND edit = ::CreateWindowExW(0, L"EDIT", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
  CountingHandler handler;
  WindowSubclass subclass(edit, handler);
  ::DestroyWindow(edit);
  EXPECT_TRUE(handler.gone);
}  // the subclass goes after its window: it must not touch it

// A pass right after another may leave the queue for later, but once the interval
// is over the next pass runs what waits.
TEST(Win32MessageLoopTest, PassSoonAfterAnotherStillRunsWhatWaitsOnceTheIntervalIsOver) {
  unique_hwnd window(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  Win32MessageLoop loop;
  loop.DoEvents();
  ASSERT_TRUE(::PostMessageW(window.get(), WM_APP, 0, 0));
  ::Sleep(20);
  loop.DoEvents();
  MSG msg{};
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

// A run of passes begun just now leaves the queue for its first millisecond: a
// refill that is over by then makes no pass, and the text box's repaint of the
// key waits until the list shows.
TEST(Win32MessageLoopTest, RunOfPassesWaitsItsFirstMillisecond) {
  unique_hwnd window(::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  Win32MessageLoop loop;
  ASSERT_TRUE(::PostMessageW(window.get(), WM_APP, 0, 0));
  loop.BeginPasses();
  loop.DoEvents();
  MSG msg{};
  EXPECT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ::Sleep(20);
  loop.DoEvents();
  EXPECT_FALSE(::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

}  // namespace
}  // namespace zelvane::win32
