#pragma once
#include <windows.h>
#include <oaidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// ISupportErrorInfo: failures of _Zelvane leave source and description.
class SupportErrorInfoPart final : public EmbeddedInterface<ISupportErrorInfo, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override;
};

}  // namespace zelvane::com
