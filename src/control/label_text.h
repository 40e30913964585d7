#pragma once
#include <string>

#include "host/window_system.h"

namespace zelvane::control {

/// The text of the label that precedes `control` in its form, as a screen reader
/// names a plain text box: the nearest STATIC sibling above it in z-order, or above
/// the window holding it (a container's site window), going no further than the
/// form. Its mnemonic marks are removed. Empty when there is no such label.
std::u16string LabelBefore(host::WindowSystem& windows, host::Hwnd control);

/// A caption as shown: each single `&` (the mnemonic mark) dropped, `&&` kept as `&`.
std::u16string WithoutMnemonics(const std::u16string& caption);

}  // namespace zelvane::control
