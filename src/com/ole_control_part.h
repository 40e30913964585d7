#pragma once
#include <windows.h>
#include <ocidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IOleControl: no mnemonics or accelerators of its own; ambient properties are
/// read afresh at every use, so a change needs no action; events can be frozen.
class OleControlPart final : public EmbeddedInterface<IOleControl, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;

  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* msg) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;
};

}  // namespace zelvane::com
