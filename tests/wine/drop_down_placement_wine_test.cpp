// The control's drop-down on the real window system (run under Wine): a control at
// the bottom of the screen's work area opens its list upwards, where a real click
// takes a row; a row drawn with its matched characters in bold, in its own reading
// order whichever way the list reads. The control runs on the Win32 host layer as the
// COM object builds it, without the COM housing around it.
#include "docked_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "host/win32/unique_handle.h"
#include "host/win32/window_dc.h"
#include "message_pump.h"
#include "ole_session.h"
#include "png_file.h"
#include "screen_capture.h"
#include "user_input.h"

namespace zelvane::win32 {
namespace {

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

TEST(DropDownPlacementOnWindows, AControlAtTheBottomOfTheScreenOpensItsListUpwards) {
  demo::OleSession ole;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
  const RECT work = monitor.rcWork;

  // The form's last 40 pixels hold the control, 4 pixels above the work area's end.
  unique_hwnd form(::CreateWindowExW(0, L"STATIC", L"Form", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, work.left + 100,
                                     work.bottom - 40, 400, 40, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(form);
  DockedControl docked(form.get(), RECT{20, 12, 220, 36});
  control::Zelvane& z = docked.z;
  com::ControlServices& services = docked.services;
  const support::EventRecorder& events = docked.events;
  for (const char16_t* item : {u"ac6", u"ac5", u"ac4", u"ac3", u"ac2", u"ac1", u"ab2", u"ab1"}) z.AddItem(item);
  ::SetForegroundWindow(form.get());
  services.FocusEditor();

  const demo::UserInput person(60);
  person.Type("a");
  const HWND list = reinterpret_cast<HWND>(static_cast<std::intptr_t>(z.HwndList()));
  ASSERT_TRUE(demo::PumpUntil([&] { return ::IsWindowVisible(list) != FALSE; }, 5000))
      << "the list drops down after the filter delay";

  const RECT control = WindowRect(services.SurfaceWindow());
  const RECT dropped = WindowRect(list);
  const auto rowHeight = static_cast<int>(::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  ASSERT_GT(rowHeight, 0);
  EXPECT_EQ(dropped.left, control.left);
  EXPECT_EQ(dropped.right, control.right);
  EXPECT_EQ(dropped.bottom, control.top) << "the list stands on the control's top edge";
  EXPECT_EQ(dropped.bottom - dropped.top, 7 * rowHeight + 2);
  EXPECT_GE(dropped.top, work.top);
  demo::WritePng(demo::CaptureScreen(demo::Union(dropped, WindowRect(form.get()))), L"drop-down-upwards.png");

  // Its second row, where the list now is, takes a real click.
  RECT client{};
  ::GetClientRect(list, &client);
  POINT row{client.left + 10, client.top + rowHeight + rowHeight / 2};
  ::ClientToScreen(list, &row);
  person.MoveTo(row);
  person.LeftDown();
  person.LeftUp();
  EXPECT_TRUE(demo::PumpUntil([&] { return events.Count("ListClick") == 1; }, 5000));
  EXPECT_EQ(z.Text(), u"ab2");
  EXPECT_FALSE(::IsWindowVisible(list));
  EXPECT_EQ(events.Count("DropDownList"), 1);
}

/// Pixels of one column range of an image that differ from another's (alpha aside).
int DifferingPixels(const demo::ScreenImage& a, const demo::ScreenImage& b, int fromX, int toX) {
  int differing = 0;
  for (int y = 0; y < std::min(a.height, b.height); ++y) {
    for (int x = fromX; x < std::min({toX, a.width, b.width}); ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * a.width + x) * 4;
      const std::size_t j = (static_cast<std::size_t>(y) * b.width + x) * 4;
      if (a.bgra[i] != b.bgra[j] || a.bgra[i + 1] != b.bgra[j + 1] || a.bgra[i + 2] != b.bgra[j + 2]) ++differing;
    }
  }
  return differing;
}

// A form holding one control whose only item is `item`, matching anywhere with bold
// matches, right to left or not.
struct BoldRowForm {
  BoldRowForm(const char16_t* item, bool rightToLeft) {
    docked.z.AddItem(item);
    docked.z.SetMatchAnywhere(true);
    docked.z.SetHighlightMatch(true);
    docked.z.SetRightToLeft(rightToLeft);
  }
  HWND List() const { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(docked.z.HwndList())); }
  // Types as a person does (each character a Unicode key stroke) until the list
  // shows; the first row's rectangle on the screen, painted.
  RECT TypeAndOpen(std::wstring_view typed) {
    ::SetForegroundWindow(form.get());
    docked.services.FocusEditor();
    const demo::UserInput person(60);
    person.MoveTo(POINT{600, 600});
    person.TypeCharacters(typed);
    EXPECT_TRUE(demo::PumpUntil([&] { return ::IsWindowVisible(List()) != FALSE; }, 5000));
    RECT row{};
    ::SendMessageW(List(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    ::MapWindowPoints(List(), nullptr, reinterpret_cast<POINT*>(&row), 2);
    demo::PumpFor(100);
    return row;
  }

  demo::OleSession ole;
  unique_hwnd form{::CreateWindowExW(0, L"STATIC", L"Form", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 100, 100, 400,
                                     40, nullptr, nullptr, nullptr, nullptr)};
  DockedControl docked{form.get(), RECT{20, 12, 220, 36}};
};

// The row drawn with its match in bold against the same row drawn plain by the list
// box itself: the characters before the match look the same, the match does not.
TEST(DropDownPlacementOnWindows, ARowDrawsItsMatchedCharactersInBold) {
  BoldRowForm bold(u"Oberhausen", false);
  const RECT row = bold.TypeAndOpen(L"erh");
  const HWND list = bold.List();
  EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 1) << "hosts still read the rows";
  wchar_t text[32] = {};
  ::SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Oberhausen");
  const demo::ScreenImage drawn = demo::CaptureScreen(row);
  bold.docked.z.SetHighlightMatch(false);
  demo::PumpFor(100);
  const demo::ScreenImage plain = demo::CaptureScreen(row);

  // Where the match starts: after "Ob" in the list's font, past the text's indent.
  WindowDc dc(list);
  const HGDIOBJ kept = ::SelectObject(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(list, WM_GETFONT, 0, 0)));
  SIZE before{}, match{};
  ::GetTextExtentPoint32W(dc.get(), L"Ob", 2, &before);
  ::GetTextExtentPoint32W(dc.get(), L"erh", 3, &match);
  ::SelectObject(dc.get(), kept);
  const int matchStart = 1 + before.cx;
  EXPECT_EQ(DifferingPixels(drawn, plain, 0, matchStart), 0) << "the characters before the match";
  EXPECT_GT(DifferingPixels(drawn, plain, matchStart, matchStart + match.cx), 0) << "the matched characters";
}

// The part of an image that differs from its top-left pixel, the row's background.
demo::ScreenImage Ink(const demo::ScreenImage& image) {
  const auto pixel = [&](int x, int y) { return image.bgra.data() + (static_cast<std::size_t>(y) * image.width + x) * 4; };
  int left = image.width, right = -1, top = image.height, bottom = -1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (std::equal(pixel(x, y), pixel(x, y) + 3, pixel(0, 0))) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  demo::ScreenImage ink{std::max(right - left + 1, 0), std::max(bottom - top + 1, 0), {}};
  for (int y = top; y <= bottom; ++y) ink.bgra.insert(ink.bgra.end(), pixel(left, y), pixel(right + 1, y));
  return ink;
}

// A row reads in its own script's direction whichever way the list reads: a Latin
// name in a right-to-left list, a Hebrew one in a left-to-right list, each with its
// match in bold in the middle, looks the same as in a list of its own direction.
TEST(DropDownPlacementOnWindows, ABoldRowReadsInItsOwnDirectionInEitherList) {
  const struct {
    const char16_t* item;
    const wchar_t* typed;
  } cases[] = {{u"Oberhausen", L"erh"}, {u"\u05E7\u05E8\u05D9\u05EA \u05D2\u05EA", L"\u05E8\u05D9\u05EA"}};
  for (const auto& c : cases) {
    demo::ScreenImage ink[2];
    for (const bool rightToLeft : {false, true}) {
      BoldRowForm form(c.item, rightToLeft);
      ink[rightToLeft] = Ink(demo::CaptureScreen(form.TypeAndOpen(c.typed)));
    }
    EXPECT_GT(ink[0].width, 10) << "a row was drawn";
    EXPECT_EQ(ink[0].width, ink[1].width);
    EXPECT_TRUE(ink[0].bgra == ink[1].bgra) << "the same row, whichever way the list reads";
  }
}

}  // namespace
}  // namespace zelvane::win32
