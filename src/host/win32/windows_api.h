#pragma once
// <windows.h> for this layer. The host headers name Win32 constants and a
// MessageBox class that its macros would rewrite, so they are seen first; include
// this header before any system header of Windows.
#include "host/message_box.h"
#include "host/win_types.h"

#include <windows.h>

#include "host/win32/window_long_ptr.h"
