#pragma once
#include "host/win32/windows_api.h"

#include "host/win32/unique_handle.h"

namespace zelvane::win32 {

/// A hidden message-only window that holds a control's windows while no container
/// shows them (before in-place activation, or for a script's CreateObject).
unique_hwnd MakeParkingWindow();

}  // namespace zelvane::win32
