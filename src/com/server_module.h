#pragma once
#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <string>

#include "host/win32/com_ptr.h"

namespace zelvane::com {

using win32::com_ptr;

/// What the in-process server keeps for its whole time in the process: its own
/// module handle, the counts DllCanUnloadNow answers from, and the type library
/// loaded once from the module's own resource.
class ServerModule {
 public:
  static ServerModule& Instance();

  void SetHandle(HMODULE module) { module_ = module; }
  HMODULE Handle() const { return module_; }
  /// Full path of the DLL file.
  std::wstring Path() const;

  void ObjectCreated() { ++objects_; }
  void ObjectDestroyed() { --objects_; }
  void Lock() { ++locks_; }
  void Unlock() { --locks_; }
  bool CanUnload() const { return objects_ == 0 && locks_ == 0; }

  /// The type information of one interface or class of the library (of a dual
  /// interface, its vtable side); throws ComFailure when the library cannot be read.
  com_ptr<ITypeInfo> TypeInfo(REFGUID guid);
  /// Releases the cached library (process detach).
  void ReleaseTypeLib() { typeLib_.reset(); }

 private:
  ServerModule() = default;

  HMODULE module_ = nullptr;
  std::atomic<long> objects_{0};
  std::atomic<long> locks_{0};
  com_ptr<ITypeLib> typeLib_;
};

}  // namespace zelvane::com
