#pragma once
#include <string>
#include <vector>

#include "demo_form.h"
#include "event_log.h"
#include "user_input.h"

namespace zelvane::demo {

/// The demo played by itself, as a person would: types into the first control until
/// its list drops down, hovers a row, accepts one with the keyboard, presses the
/// drop-down button, then picks a search in the second control and removes another
/// with Shift+Delete; with the form moved to the bottom of the screen, opens the
/// first control's list, which goes upwards; last, back at the top, shows the
/// options AutoAppend, HighlightMatch and RightToLeft with a list open. Writes
/// closed.png, themed.png and classic.png (the first control with and without visual
/// styles), dropdown.png, button-pushed.png, dropdown-upwards.png, autoappend.png,
/// highlight.png and righttoleft.png into the output folder and checks that every
/// expected event arrived. The short run only opens the first control's
/// list and writes one screenshot (to show the form at another DPI).
class ScriptedRun {
 public:
  ScriptedRun(const DemoForm& form, const EventLog& log, std::wstring out_dir);

  /// 0 when every step, event and screenshot checked out; 1 otherwise.
  int Execute();
  /// The short run: the form with the first control's list open, in `file`.
  int ExecuteShort(const wchar_t* file);

 private:
  void ClickInto(const HostedControl& control);
  void ClickIntoEmptied(const HostedControl& control);
  void TypeUntilDropDown(const HostedControl& control, const char* text);
  void WaitForDropDown(const HostedControl& control);
  void HoverRow(const HostedControl& control, int row);
  void AcceptWithKeyboard(const HostedControl& control);
  void PressButton(const HostedControl& control);
  void ThemedAndClassic(const HostedControl& control);
  void RemoveWithShiftDelete(const HostedControl& control);
  void OpenAtTheBottomOfTheScreen(const HostedControl& control);
  void MoveFormTo(POINT top_left);
  void BackToTheTop(const HostedControl& open, const HostedControl& other, POINT top_left);
  void CompleteInPlace(const HostedControl& control);
  void BoldMatches(const HostedControl& control);
  void RightToLeftWithBoldMatches(const HostedControl& control);
  void Screenshot(const wchar_t* file);
  void Screenshot(const wchar_t* file, const RECT& area);
  void CheckEvents(const HostedControl& control, const std::vector<std::wstring>& names);
  void CheckScreenshots();
  int Result();
  void Expect(bool condition, const std::string& failure);

  const DemoForm& form_;
  const EventLog& log_;
  std::wstring out_dir_;
  UserInput input_;
  std::vector<std::wstring> screenshots_;
  std::vector<std::string> failures_;
};

}  // namespace zelvane::demo
