#include "control_event.h"

#include <cstdio>

#include "text.h"

namespace zelvane::demo {

double ControlEvent::Argument(const std::wstring& argument, double fallback) const {
  for (const auto& a : arguments)
    if (a.name == argument) return a.value;
  return fallback;
}

std::string ControlEvent::Line() const {
  // Appended piece by piece: GCC 12 warns falsely on chained string concatenation.
  std::string line = ToUtf8(control);
  line += ' ';
  line += ToUtf8(name);
  for (const auto& a : arguments) {
    char value[32];
    if (a.isText)
      std::snprintf(value, sizeof value, "\"%.28s\"", ToUtf8(a.text).c_str());
    else if (a.integral)
      std::snprintf(value, sizeof value, "%ld", static_cast<long>(a.value));
    else
      std::snprintf(value, sizeof value, "%g", a.value);
    line += ' ';
    line += ToUtf8(a.name);
    line += '=';
    line += value;
  }
  return line;
}

}  // namespace zelvane::demo
