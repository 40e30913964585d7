#pragma once
#include <windows.h>
#include <ole2.h>

#include "com_error.h"

namespace zelvane::demo {

/// OLE for this thread (a single-threaded apartment, as controls need) for one scope.
class OleSession {
 public:
  OleSession() { ThrowIfFailed(::OleInitialize(nullptr), "OleInitialize"); }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  ~OleSession() { ::OleUninitialize(); }
};

}  // namespace zelvane::demo
