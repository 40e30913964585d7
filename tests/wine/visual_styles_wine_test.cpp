// The control's themed and classic looks, and its layout at the screen's DPI, on the
// real window system (run under Wine): the drop-down button's pixels against the
// system's own drawing of the same part, real mouse input for the hot and pressed
// states, and a theme switched off while the control runs. Run once at each DPI
// (tests/wine/dpi_test.sh) for the layout checks.
// Before <windows.h>, whose MessageBox macro would rename the host's class.
#include "control/zelvane.h"
#include "host/win32/win32_message_box.h"

#include "host/win32/windows_api.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <functional>
#include <string_view>

#include "com/control_services.h"
#include "drawn_image.h"
#include "host/sim/sim_control_owner.h"
#include "host/win32/unique_handle.h"
#include "host/win32/window_dc.h"
#include "message_pump.h"
#include "ole_session.h"
#include "run_time_form.h"
#include "screen_capture.h"
#include "support/event_recorder.h"
#include "user_input.h"

namespace zelvane::win32 {
namespace {

constexpr int kRightButton = 6;  // CP_DROPDOWNBUTTONRIGHT
constexpr int kPlainButton = 1;  // CP_DROPDOWNBUTTON

int ScreenDpi() {
  WindowDc screen(nullptr);
  return ::GetDeviceCaps(screen.get(), LOGPIXELSX);
}

RECT ScreenRect(HWND hwnd, RECT client) {
  ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

/// Puts the theme back on for the prefix: EnableTheming(FALSE) writes "0" for good.
struct ThemeRestore {
  ~ThemeRestore() {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                      L"ThemeActive", REG_SZ, L"1", 2 * sizeof(wchar_t));
  }
};

class VisualStylesOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.reset(::CreateWindowExW(0, L"STATIC", L"Form", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 100, 100, 400,
                                  160, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(form_);
    z_.SetEventSink(&events_);
    z_.UserControl_InitProperties();
    // The control's default extent (3175 x 556 himetric) at the screen's DPI.
    const int dpi = ScreenDpi();
    services_.Dock(form_.get(), RECT{20, 20, 20 + ::MulDiv(3175, dpi, 2540), 20 + ::MulDiv(556, dpi, 2540)});
    z_.SetShowButton(true);
    ::SetForegroundWindow(form_.get());
    MoveAway();
  }
  void TearDown() override { z_.UserControl_Terminate(); }

  HWND Surface() const { return services_.SurfaceWindow(); }
  HWND Editor() { return services_.EditorWindow(); }

  RECT ButtonOnScreen() {
    RECT client{};
    ::GetClientRect(Surface(), &client);
    RECT editor{};
    ::GetWindowRect(Editor(), &editor);
    RECT button = ScreenRect(Surface(), client);
    button.left = editor.right;
    return button;
  }

  void MoveAway() {
    person_.MoveTo(POINT{380, 240});
    demo::PumpFor(150);
  }

  /// The button as the screen shows it now.
  demo::ScreenImage ButtonPixels() {
    demo::PumpFor(150);
    return demo::CaptureScreen(ButtonOnScreen());
  }

  demo::ScreenImage ThemePart(int state) {
    const RECT button = ButtonOnScreen();
    unique_htheme theme(::OpenThemeData(Surface(), L"COMBOBOX"));
    const int part = ::IsThemePartDefined(theme.get(), kRightButton, 0) ? kRightButton : kPlainButton;
    return Drawn(button.right - button.left, button.bottom - button.top, [&](HDC dc, RECT& rect) {
      ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
      ::DrawThemeBackground(theme.get(), dc, part, state, &rect, nullptr);
    });
  }

  demo::ScreenImage FrameControl(UINT state) {
    const RECT button = ButtonOnScreen();
    return Drawn(button.right - button.left, button.bottom - button.top,
                 [&](HDC dc, RECT& rect) { ::DrawFrameControl(dc, &rect, DFC_SCROLL, state); });
  }

  demo::OleSession ole_;
  unique_hwnd form_;
  sim::SimControlOwner owner_;
  com::ControlServices services_{owner_};
  RunTimeForm container_;
  support::EventRecorder events_;
  control::Zelvane z_{services_.Site(container_)};
  demo::UserInput person_{60};
};

enum class Situation { Away, Over, Pressed, Disabled };

struct ButtonCase {
  const char* name;
  bool visualStyles;
  Situation situation;
  int themeState;         // CBXS_* when themed
  UINT frameControlState; // DrawFrameControl's state when classic
};

class ButtonLook : public VisualStylesOnWindows, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonLook, MatchesTheSystemsDrawingOfThePart) {
  const ButtonCase& c = GetParam();
  z_.SetVisualStyles(c.visualStyles);
  ASSERT_EQ(z_.Themed(), c.visualStyles) << "a fresh prefix has visual styles on";
  const RECT button = ButtonOnScreen();
  const POINT middle{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  if (c.situation == Situation::Disabled) z_.SetEnabled(false);
  if (c.situation != Situation::Away && c.situation != Situation::Disabled) person_.MoveTo(middle);
  if (c.situation == Situation::Pressed) person_.LeftDown();
  const demo::ScreenImage shown = ButtonPixels();
  if (c.situation == Situation::Pressed) person_.LeftUp();
  const demo::ScreenImage expected = c.visualStyles ? ThemePart(c.themeState) : FrameControl(c.frameControlState);
  const int differing = DifferingPixels(shown, expected);
  EXPECT_GE(differing, 0) << c.name << ": sizes differ";
  EXPECT_LE(differing, 2) << c.name;
  if (c.visualStyles && c.themeState != 1)
    EXPECT_GT(DifferingPixels(expected, ThemePart(1)), 2) << c.name << ": the state looks like the normal one";
  demo::PumpFor(100);
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonLook,
    ::testing::Values(ButtonCase{"themed, normal", true, Situation::Away, 1, 0},
                      ButtonCase{"themed, hot", true, Situation::Over, 2, 0},
                      ButtonCase{"themed, pressed", true, Situation::Pressed, 3, 0},
                      ButtonCase{"themed, disabled", true, Situation::Disabled, 4, 0},
                      ButtonCase{"classic", false, Situation::Over, 0, DFCS_SCROLLDOWN | DFCS_ADJUSTRECT},
                      ButtonCase{"classic, pressed", false, Situation::Pressed, 0,
                                 DFCS_SCROLLDOWN | DFCS_ADJUSTRECT | DFCS_PUSHED}));

// The button and the list rows follow the DPI; the text box shows a whole line of
// its font at the control's default height.
TEST_F(VisualStylesOnWindows, LayoutFollowsTheDpi) {
  const int dpi = ScreenDpi();
  const RECT button = ButtonOnScreen();
  EXPECT_EQ(button.right - button.left, ::MulDiv(16, dpi, 96)) << dpi << " dpi";

  z_.AddItem(u"one");
  z_.AddItem(u"two");
  services_.FocusEditor();
  person_.Type("t");
  const HWND list = reinterpret_cast<HWND>(static_cast<std::intptr_t>(z_.HwndList()));
  ASSERT_TRUE(demo::PumpUntil([&] { return ::IsWindowVisible(list) != FALSE; }, 5000));
  const auto rowHeight = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT control{};
  ::GetWindowRect(Surface(), &control);
  RECT dropped{};
  ::GetWindowRect(list, &dropped);
  std::printf("%d dpi: button %ld, row %d, control %ld x %ld\n", dpi, button.right - button.left, rowHeight,
              control.right - control.left, control.bottom - control.top);
  // The rows are the 8-point font's lines: at least 12 pixels per 96 dpi.
  EXPECT_GE(rowHeight * 96, 12 * dpi);
  EXPECT_EQ(dropped.left, control.left);
  EXPECT_EQ(dropped.right, control.right);
  EXPECT_EQ(dropped.top, control.bottom);

  TEXTMETRICW metrics{};
  {
    WindowDc dc(Editor());
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(Editor(), WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc.get(), font);
    ::GetTextMetricsW(dc.get(), &metrics);
    ::SelectObject(dc.get(), old);
  }
  RECT text{};
  ::SendMessageW(Editor(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  RECT editor{};
  ::GetClientRect(Editor(), &editor);
  EXPECT_GE(editor.bottom - text.top, metrics.tmHeight) << "the text box cuts its text off";
}

// Last: switching the theme off is for good in a Wine prefix, so it is put back.
TEST_F(VisualStylesOnWindows, ThemeSwitchedOffWhileRunningRepaintsClassic) {
  z_.SetVisualStyles(true);
  ASSERT_TRUE(z_.Themed());
  const ThemeRestore restore;
  ASSERT_EQ(::EnableTheming(FALSE), S_OK);
  demo::PumpFor(300);
  EXPECT_FALSE(z_.Themed());
  EXPECT_LE(DifferingPixels(ButtonPixels(), FrameControl(DFCS_SCROLLDOWN | DFCS_ADJUSTRECT)), 2);
}

}  // namespace
}  // namespace zelvane::win32
