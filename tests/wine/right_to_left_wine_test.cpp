// A right-to-left control on the real window system (run under Wine): the button
// at the left edge drawn as the system draws the part, the text box and the list
// with the reading-order styles, the list's scroll bar at its left, real clicks
// on the button and on a row, and the row's text at the text box's right end.
#include "docked_control.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <string>

#include "drawn_image.h"
#include "host/win32/unique_handle.h"
#include "message_pump.h"
#include "ole_session.h"
#include "screen_capture.h"
#include "user_input.h"

namespace zelvane::win32 {
namespace {

constexpr int kLeftButton = 7;   // CP_DROPDOWNBUTTONLEFT
constexpr int kPlainButton = 1;  // CP_DROPDOWNBUTTON

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

RECT ClientOnScreen(HWND hwnd) {
  RECT client{};
  ::GetClientRect(hwnd, &client);
  ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

/// Pixels not of the window colour in columns [from, to) of the picture.
int InkIn(const demo::ScreenImage& image, int from, int to) {
  const COLORREF window = ::GetSysColor(COLOR_WINDOW);
  int count = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = from; x < to; ++x) {
      const std::uint8_t* p = &image.bgra[(static_cast<std::size_t>(y) * image.width + x) * 4];
      if (RGB(p[2], p[1], p[0]) != window) ++count;
    }
  return count;
}

struct LookCase {
  const char* name;
  std::int16_t appearance;
  bool visualStyles;
  UINT frameControlState;  // the classic look's DrawFrameControl state
};

void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }

class RightToLeftOnWindows : public ::testing::TestWithParam<LookCase> {};

TEST_P(RightToLeftOnWindows, ButtonAtTheLeftAndListReadingRightToLeft) {
  const LookCase& c = GetParam();
  demo::OleSession ole;
  unique_hwnd form(::CreateWindowExW(0, L"STATIC", L"Form", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 100, 100, 400,
                                     260, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(form);
  DockedControl docked(form.get(), RECT{20, 20, 220, 44});
  control::Zelvane& z = docked.z;
  const support::EventRecorder& events = docked.events;
  for (const char16_t* item : {u"j10", u"i9", u"h8", u"g7", u"f6", u"e5", u"d4", u"c3", u"b2", u"a1"}) z.AddItem(item);
  z.SetShowButton(true);
  z.SetAppearance(c.appearance);
  z.SetVisualStyles(c.visualStyles);
  z.SetRightToLeft(true);
  ::SetForegroundWindow(form.get());
  const demo::UserInput person(60);
  person.MoveTo(POINT{380, 340});
  demo::PumpFor(150);

  const HWND surface = docked.services.SurfaceWindow();
  const HWND editor = docked.services.EditorWindow();
  const HWND list = reinterpret_cast<HWND>(static_cast<std::intptr_t>(z.HwndList()));
  const LONG_PTR textRtl = WS_EX_RTLREADING | WS_EX_RIGHT;
  const LONG_PTR listRtl = textRtl | WS_EX_LEFTSCROLLBAR;
  EXPECT_EQ(::GetWindowLongPtrW(editor, GWL_EXSTYLE) & textRtl, textRtl);
  EXPECT_EQ(::GetWindowLongPtrW(editor, GWL_STYLE) & ES_RIGHT, ES_RIGHT);
  EXPECT_EQ(::GetWindowLongPtrW(list, GWL_EXSTYLE) & listRtl, listRtl);

  // The strip left of the text box, drawn as the system draws the part there.
  RECT button = ClientOnScreen(surface);
  button.right = WindowRect(editor).left;
  ASSERT_GT(button.right, button.left) << "the text box starts right of the button";
  EXPECT_EQ(WindowRect(editor).right, ClientOnScreen(surface).right);
  const int width = button.right - button.left;
  const int height = button.bottom - button.top;
  const demo::ScreenImage expected = Drawn(width, height, [&](HDC dc, RECT& rect) {
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
    if (!c.visualStyles) {
      ::DrawFrameControl(dc, &rect, DFC_SCROLL, c.frameControlState);
      return;
    }
    unique_htheme theme(::OpenThemeData(surface, L"COMBOBOX"));
    const int part = ::IsThemePartDefined(theme.get(), kLeftButton, 0) ? kLeftButton : kPlainButton;
    ::DrawThemeBackground(theme.get(), dc, part, 1, &rect, nullptr);
  });
  const int differing = DifferingPixels(demo::CaptureScreen(button), expected);
  EXPECT_GE(differing, 0) << "sizes differ";
  EXPECT_LE(differing, 2);

  // A real click on it opens every item below the control, its edges the control's.
  person.MoveTo(POINT{button.left + width / 2, button.top + height / 2});
  person.LeftDown();
  person.LeftUp();
  ASSERT_TRUE(demo::PumpUntil([&] { return ::IsWindowVisible(list) != FALSE; }, 5000));
  EXPECT_EQ(events.Count("ButtonClick"), 1);
  const RECT control = WindowRect(surface);
  const RECT dropped = WindowRect(list);
  EXPECT_EQ(dropped.left, control.left);
  EXPECT_EQ(dropped.right, control.right);
  EXPECT_EQ(dropped.top, control.bottom);

  // The scroll bar takes the left of the list: its arrows and thumb are drawn there,
  // where the rows' ends leave the right side mostly blank.
  demo::PumpFor(150);
  const RECT rows = ClientOnScreen(list);
  const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(rows.left - dropped.left, bar + 1) << "the client area starts right of the border and the bar";
  const demo::ScreenImage shown = demo::CaptureScreen(dropped);
  EXPECT_GT(InkIn(shown, 1, 1 + bar), 2 * InkIn(shown, shown.width - 1 - bar, shown.width - 1));

  // Its third row takes a real click.
  const auto rowHeight = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rowHeight, 0);
  person.MoveTo(POINT{rows.right - 10, rows.top + 2 * rowHeight + rowHeight / 2});
  person.LeftDown();
  person.LeftUp();
  EXPECT_TRUE(demo::PumpUntil([&] { return events.Count("ListClick") == 1; }, 5000));
  EXPECT_EQ(z.Text(), u"c3");

  // The text box shows it at its right end.
  demo::PumpFor(150);
  const demo::ScreenImage text = demo::CaptureScreen(ClientOnScreen(editor));
  EXPECT_EQ(InkIn(text, 0, text.width / 2), 0);
  EXPECT_GT(InkIn(text, text.width / 2, text.width), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, RightToLeftOnWindows,
    ::testing::Values(LookCase{"Classic3d", 1, false, DFCS_SCROLLDOWN | DFCS_ADJUSTRECT},
                      LookCase{"ClassicFlat", 0, false, DFCS_SCROLLDOWN | DFCS_ADJUSTRECT | DFCS_FLAT},
                      LookCase{"Themed", 1, true, 0}),
    [](const ::testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::win32
