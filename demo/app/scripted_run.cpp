#include "scripted_run.h"

#include <algorithm>

#include "message_pump.h"
#include "png_file.h"
#include "sample_lists.h"
#include "screen_capture.h"
#include "text.h"

namespace zelvane::demo {

namespace {

// A quick typist's gap between keys: shorter than the control's 150 ms filter delay,
// so a word typed in one go is filtered once, after the last key.
constexpr unsigned kKeyGapMs = 90;
constexpr unsigned kDropDownWaitMs = 3000;
constexpr unsigned kEventWaitMs = 2000;

void Say(const std::string& what) { PrintLine("demo: " + what); }

POINT CenterOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

RECT WindowArea(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return r;
}

std::wstring RowText(HWND list, int row) {
  auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

}  // namespace

ScriptedRun::ScriptedRun(const DemoForm& form, const EventLog& log, std::wstring out_dir)
    : form_(form), log_(log), out_dir_(std::move(out_dir)), input_(kKeyGapMs) {}

void ScriptedRun::Expect(bool condition, const std::string& failure) {
  if (condition) return;
  failures_.push_back(failure);
  Say("FAILED: " + failure);
}

void ScriptedRun::Screenshot(const wchar_t* file) { Screenshot(file, form_.ScreenArea()); }

void ScriptedRun::Screenshot(const wchar_t* file, const RECT& area) {
  PumpFor(150);  // let the last paints land before the screen is read
  std::wstring path = out_dir_ + L"\\" + file;
  WritePng(CaptureScreen(area), path);
  screenshots_.push_back(path);
  Say("screenshot " + ToUtf8(path));
}

void ScriptedRun::ClickInto(const HostedControl& control) {
  Say("clicking into " + ToUtf8(control.name()));
  input_.MoveTo(CenterOf(WindowArea(control.editor())));
  input_.LeftDown();
  input_.LeftUp();
  Expect(PumpUntil([&] { return ::GetFocus() == control.editor(); }, kEventWaitMs),
         ToUtf8(control.name()) + "'s text box did not take the focus");
}

// Typing then starts a new text, the box's old one gone.
void ScriptedRun::ClickIntoEmptied(const HostedControl& control) {
  ClickInto(control);
  control.object().Put(L"Text", Variant(std::wstring()));
}

void ScriptedRun::TypeUntilDropDown(const HostedControl& control, const char* text) {
  Say(std::string("typing \"") + text + "\" into " + ToUtf8(control.name()));
  input_.Type(text);
  WaitForDropDown(control);
}

void ScriptedRun::WaitForDropDown(const HostedControl& control) {
  HWND list = control.list();
  bool open = PumpUntil([&] { return ::IsWindowVisible(list) && log_.Saw(control.name(), L"DropDownList"); },
                        kDropDownWaitMs);
  Expect(open, ToUtf8(control.name()) + "'s list did not drop down after the filter delay");
  if (open)
    Say("drop-down open with " + std::to_string(::SendMessageW(list, LB_GETCOUNT, 0, 0)) + " rows");
}

void ScriptedRun::HoverRow(const HostedControl& control, int row) {
  HWND list = control.list();
  RECT item{};
  if (::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
    Expect(false, "the list has no row " + std::to_string(row));
    return;
  }
  POINT at = CenterOf(item);
  ::ClientToScreen(list, &at);
  Say("moving the mouse over row " + std::to_string(row) + " (" + ToUtf8(RowText(list, row)) + ")");
  input_.MoveTo(at);
  Expect(PumpUntil([&] { return ::SendMessageW(list, LB_GETCURSEL, 0, 0) == row; }, kEventWaitMs),
         "the row under the mouse was not highlighted");
}

void ScriptedRun::AcceptWithKeyboard(const HostedControl& control) {
  HWND list = control.list();
  input_.Key(VK_DOWN);
  auto row = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
  std::wstring chosen = RowText(list, row);
  Say("Down selected row " + std::to_string(row) + " (" + ToUtf8(chosen) + "); pressing Enter");
  input_.Key(VK_RETURN);
  Expect(PumpUntil([&] { return log_.Saw(control.name(), L"ListClick"); }, kEventWaitMs),
         "Enter on a selected row raised no ListClick");
  std::wstring text = control.object().Get(L"Text").AsString();
  Expect(text == chosen, "the text is \"" + ToUtf8(text) + "\", not the accepted row");
  Expect(!::IsWindowVisible(list), "the list stayed open after Enter");
}

void ScriptedRun::PressButton(const HostedControl& control) {
  RECT area = WindowArea(control.control_window());
  // The button fills a strip at the right edge, 240 twips wide.
  POINT button{area.right - 6, (area.top + area.bottom) / 2};
  Say("pressing the drop-down button of " + ToUtf8(control.name()));
  input_.MoveTo(button);
  input_.LeftDown();
  Expect(PumpUntil([&] { return log_.Saw(control.name(), L"MouseDown"); }, kEventWaitMs),
         "pressing the button raised no MouseDown");
  Screenshot(L"button-pushed.png");
  input_.LeftUp();
  Expect(PumpUntil([&] { return log_.Saw(control.name(), L"ButtonClick"); }, kEventWaitMs),
         "releasing the button raised no ButtonClick");
  PumpFor(300);
}

// The same control with its themed look, then the classic one, then themed again.
void ScriptedRun::ThemedAndClassic(const HostedControl& control) {
  Screenshot(L"themed.png", form_.ControlArea(control));
  control.object().Put(L"VisualStyles", Variant(false));
  Screenshot(L"classic.png", form_.ControlArea(control));
  control.object().Put(L"VisualStyles", Variant(true));
}

void ScriptedRun::RemoveWithShiftDelete(const HostedControl& control) {
  HWND list = control.list();
  input_.Key(VK_DOWN);
  const auto row = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
  const std::wstring doomed = RowText(list, row);
  const long before = control.object().GetLong(L"ListCount");
  Say("Shift+Delete on row " + std::to_string(row) + " (" + ToUtf8(doomed) + ")");
  input_.ShiftKey(VK_DELETE);
  Expect(PumpUntil([&] { return log_.Saw(control.name(), L"RemovingItem"); }, kEventWaitMs),
         "Shift+Delete raised no RemovingItem");
  Expect(control.object().GetLong(L"ListCount") == before - 1, "Shift+Delete removed no entry");
  const std::wstring lines = L"\r\n" + control.object().Get(L"StringValue").AsString() + L"\r\n";
  Expect(lines.find(L"\r\n" + doomed + L"\r\n") == std::wstring::npos, ToUtf8(doomed) + " is still in the list");
  Expect(::IsWindowVisible(list) && RowText(list, row) != doomed, "the removed row is still shown");
}

// The form goes down until the control stands just above the end of the work area,
// so its list has no room below and opens upwards.
void ScriptedRun::OpenAtTheBottomOfTheScreen(const HostedControl& control) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(form_.window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT form = WindowArea(form_.window());
  const LONG down = monitor.rcWork.bottom - 8 - WindowArea(control.control_window()).bottom;
  Say("moving the form to the bottom of the screen");
  MoveFormTo({form.left, form.top + down});
  ClickIntoEmptied(control);
  TypeUntilDropDown(control, "b");
  const RECT box = WindowArea(control.control_window());
  const RECT list = WindowArea(control.list());
  Expect(list.bottom == box.top, "the list at the bottom of the screen did not open upwards");
  RECT area = Union(box, list);
  ::InflateRect(&area, 16, 16);
  ::IntersectRect(&area, &area, &monitor.rcMonitor);
  Screenshot(L"dropdown-upwards.png", area);
}

void ScriptedRun::MoveFormTo(POINT top_left) {
  ::SetWindowPos(form_.window(), nullptr, top_left.x, top_left.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpFor(300);
}

// A click into the other control closes the list still open at the bottom of the screen.
void ScriptedRun::BackToTheTop(const HostedControl& open, const HostedControl& other, POINT top_left) {
  ClickInto(other);
  Expect(PumpUntil([&] { return !::IsWindowVisible(open.list()); }, kEventWaitMs),
         "a click into " + ToUtf8(other.name()) + " left the list of " + ToUtf8(open.name()) + " open");
  Say("moving the form back");
  MoveFormTo(top_left);
}

// Typing "be" completes the text with the rest of the first row, selected.
void ScriptedRun::CompleteInPlace(const HostedControl& control) {
  control.object().Put(L"AutoAppend", Variant(true));
  ClickIntoEmptied(control);
  TypeUntilDropDown(control, "be");
  const std::wstring first = RowText(control.list(), 0);
  const std::wstring completed = L"be" + first.substr(std::min<size_t>(2, first.size()));
  Expect(PumpUntil([&] { return control.object().Get(L"Text").AsString() == completed; }, kEventWaitMs),
         "\"be\" was not completed to " + ToUtf8(completed));
  DWORD from = 0;
  DWORD to = 0;
  ::SendMessageW(control.editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  Expect(from == 2 && to == completed.size(), "the completed rest is not what is selected");
  Screenshot(L"autoappend.png", form_.ControlArea(control));
  control.object().Put(L"AutoAppend", Variant(false));
}

void ScriptedRun::BoldMatches(const HostedControl& control) {
  control.object().Put(L"HighlightMatch", Variant(true));
  ClickIntoEmptied(control);
  TypeUntilDropDown(control, "ar");
  Screenshot(L"highlight.png", form_.ControlArea(control));
}

// Right to left with Hebrew rows; with bold matches the control draws the rows itself,
// so they align to the right under Wine as well.
void ScriptedRun::RightToLeftWithBoldMatches(const HostedControl& control) {
  const auto& object = control.object();
  object.Call(L"ClearList");
  object.Put(L"StringValue", Variant(AsSavedList(HebrewCities())));
  object.Put(L"RightToLeft", Variant(true));
  object.Put(L"HighlightMatch", Variant(true));
  ClickIntoEmptied(control);
  Say("typing three Hebrew letters into " + ToUtf8(control.name()));
  input_.TypeCharacters(L"קרי");
  WaitForDropDown(control);
  const RECT box = WindowArea(control.control_window());
  const RECT editor = WindowArea(control.editor());
  Expect(editor.left - box.left > box.right - editor.right, "the button is not at the left edge");
  Screenshot(L"righttoleft.png", form_.ControlArea(control));
}

void ScriptedRun::CheckEvents(const HostedControl& control, const std::vector<std::wstring>& names) {
  for (const auto& name : log_.Missing(control.name(), names))
    Expect(false, ToUtf8(control.name()) + " never raised " + ToUtf8(name));
}

void ScriptedRun::CheckScreenshots() {
  for (const auto& path : screenshots_) Expect(IsValidPng(path), ToUtf8(path) + " is not a valid PNG");
}

int ScriptedRun::Execute() {
  const auto& cities = form_.cities();
  const auto& searches = form_.searches();
  PumpFor(500);  // the form's first paint
  ClickInto(cities);
  Screenshot(L"closed.png");
  ThemedAndClassic(cities);

  TypeUntilDropDown(cities, "be");
  HoverRow(cities, 2);
  Screenshot(L"dropdown.png");
  AcceptWithKeyboard(cities);
  PressButton(cities);

  ClickInto(searches);
  TypeUntilDropDown(searches, "rec");
  AcceptWithKeyboard(searches);
  searches.object().Put(L"Text", Variant(std::wstring()));
  TypeUntilDropDown(searches, "open");
  RemoveWithShiftDelete(searches);

  const RECT start = WindowArea(form_.window());
  OpenAtTheBottomOfTheScreen(cities);
  BackToTheTop(cities, searches, {start.left, start.top});
  CompleteInPlace(cities);
  BoldMatches(searches);
  RightToLeftWithBoldMatches(cities);

  CheckEvents(cities, {L"DropDownList", L"CloseUpList", L"ListClick", L"Change", L"KeyDown", L"KeyPress", L"KeyUp",
                       L"ButtonClick", L"MouseDown", L"MouseUp"});
  CheckEvents(searches, {L"DropDownList", L"CloseUpList", L"ListClick", L"Change", L"RemovingItem"});
  CheckScreenshots();
  return Result();
}

int ScriptedRun::ExecuteShort(const wchar_t* file) {
  const auto& cities = form_.cities();
  PumpFor(500);
  ClickInto(cities);
  TypeUntilDropDown(cities, "be");
  HoverRow(cities, 1);
  Screenshot(file);
  CheckScreenshots();
  return Result();
}

int ScriptedRun::Result() {
  if (!failures_.empty()) {
    Say(std::to_string(failures_.size()) + " check(s) failed");
    return 1;
  }
  Say("every expected event arrived (" + std::to_string(log_.size()) + " events); screenshots are valid PNGs");
  return 0;
}

}  // namespace zelvane::demo
