#include "control/label_text.h"

#include <algorithm>
#include <cstdint>

namespace zelvane::control {
namespace {

// The system class a window's class is built on: a framework's own label class
// (a superclass of STATIC) is a label too.
std::u16string ClassName(host::WindowSystem& windows, host::Hwnd hwnd) {
  // Class names are at most 256 characters long.
  std::u16string name(257, u'\0');
  name.resize(windows.RealGetWindowClassW(hwnd, name.data(), static_cast<std::uint32_t>(name.size())));
  return name;
}

bool IsLabel(host::WindowSystem& windows, host::Hwnd hwnd) {
  std::u16string name = ClassName(windows, hwnd);
  std::transform(name.begin(), name.end(), name.begin(), [](char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; });
  return name == u"STATIC";
}

std::u16string WindowText(host::WindowSystem& windows, host::Hwnd hwnd) {
  std::u16string text(static_cast<std::size_t>(std::max(windows.GetWindowTextLengthW(hwnd), 0)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(
      std::max(windows.GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())), 0)));
  return text;
}

bool IsChildWindow(host::WindowSystem& windows, host::Hwnd hwnd) {
  return (windows.GetWindowLongPtrW(hwnd, host::GWL_STYLE) & host::WS_CHILD) != 0;
}

}  // namespace

std::u16string LabelBefore(host::WindowSystem& windows, host::Hwnd control) {
  // The form is the first window up the chain that is not a child window.
  for (host::Hwnd window = control; window != 0 && IsChildWindow(windows, window);
       window = windows.GetAncestor(window, host::GA_PARENT)) {
    for (host::Hwnd above = windows.GetWindow(window, host::GW_HWNDPREV); above != 0;
         above = windows.GetWindow(above, host::GW_HWNDPREV)) {
      if (!IsLabel(windows, above)) continue;
      const std::u16string caption = WindowText(windows, above);
      const bool noPrefix = (windows.GetWindowLongPtrW(above, host::GWL_STYLE) & host::SS_NOPREFIX) != 0;
      return noPrefix ? caption : WithoutMnemonics(caption);
    }
  }
  return {};
}

std::u16string WithoutMnemonics(const std::u16string& caption) {
  std::u16string shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&') {
      if (i + 1 == caption.size() || caption[i + 1] != u'&') continue;
      ++i;
    }
    shown += caption[i];
  }
  return shown;
}

}  // namespace zelvane::control
