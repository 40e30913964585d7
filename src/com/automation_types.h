#pragma once
// Stands in for automation_types.idl in the header widl generates: the real
// declarations of the platform types come from the system headers.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>
