#pragma once
#include <windows.h>
#include <oleidl.h>

#include "com/embedded_interface.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {

class ZelvaneObject;

/// IOleInPlaceObject: in-place activation in the container's window, the
/// control's position there, and deactivation back into the hidden parking window.
class InPlaceObjectPart final : public EmbeddedInterface<IOleInPlaceObject, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;

  /// Shows the control in the site's window (and gives it the focus and the
  /// frame's active object when `uiActivate`). `pos` overrides the site's rectangle.
  HRESULT Activate(bool uiActivate, LPCRECT pos);
  bool UiActive() const { return uiActive_; }

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT pos, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;

 private:
  HRESULT ActivateInPlace(LPCRECT pos);
  HRESULT ActivateUi();

  win32::com_ptr<IOleInPlaceSite> site_;
  win32::com_ptr<IOleInPlaceFrame> frame_;
  win32::com_ptr<IOleInPlaceUIWindow> document_;
  bool active_ = false;
  bool uiActive_ = false;
};

}  // namespace zelvane::com
