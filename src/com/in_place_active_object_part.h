#pragma once
#include <windows.h>
#include <oleidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IOleInPlaceActiveObject: while the control is UI-active its container offers
/// it every keystroke first; the keys the text box itself needs go to the box.
class InPlaceActiveObjectPart final : public EmbeddedInterface<IOleInPlaceActiveObject, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
};

}  // namespace zelvane::com
