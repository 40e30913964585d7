#pragma once
#include <windows.h>
#include <unknwn.h>

#include "core/variant.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {

/// A host's object inside a core::Variant, kept alive by its own reference.
class ComObject final : public core::ObjectBase {
 public:
  explicit ComObject(win32::com_ptr<IUnknown> object) : object_(std::move(object)) {}
  IUnknown* get() const noexcept { return object_.get(); }

 private:
  win32::com_ptr<IUnknown> object_;
};

}  // namespace zelvane::com
