#pragma once
#include <windows.h>
#include <oleidl.h>

namespace zelvane::com {

/// How the control wants its container to treat it: the site before any
/// loading, active whenever visible, in place only, resized by recomposing.
inline constexpr DWORD kMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE |
                                     OLEMISC_INSIDEOUT | OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;

}  // namespace zelvane::com
