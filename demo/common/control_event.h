#pragma once
#include <string>
#include <vector>

namespace zelvane::demo {

/// One argument of an event as the control passed it.
struct EventArgument {
  std::wstring name;
  double value = 0;
  bool integral = true;
  bool isText = false;  // a string (RemovingItem's Item): `text` holds it, `value` is 0
  std::wstring text;
};

/// One event raised by a control, with the name of the control that raised it.
struct ControlEvent {
  std::wstring control;
  std::wstring name;
  std::vector<EventArgument> arguments;

  /// The value of the named argument, or `fallback` when the event has none such.
  double Argument(const std::wstring& argument, double fallback = 0) const;
  /// "control1 KeyDown KeyCode=65 Shift=0".
  std::string Line() const;
};

}  // namespace zelvane::demo
