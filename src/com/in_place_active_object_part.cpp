#include "com/in_place_active_object_part.h"

#include "com/zelvane_object.h"

namespace zelvane::com {
namespace {

// Keys a container would otherwise take for its own navigation or default
// button, but which the text box and its drop-down list need.
bool IsTextBoxKey(WPARAM key) {
  switch (key) {
    case VK_RETURN:
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_DELETE:
    case VK_BACK: return true;
    default: return false;
  }
}

}  // namespace

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::GetWindow(HWND* window) {
  return impl_from().InPlace().GetWindow(window);
}

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::TranslateAccelerator(LPMSG msg) {
  if (!msg) return E_POINTER;
  const bool keyMessage = msg->message == WM_KEYDOWN || msg->message == WM_KEYUP;
  const HWND editor = impl_from().Services().EditorWindow();
  // Escape is the control's only while it closes the open drop-down.
  const bool claimed = msg->wParam == VK_ESCAPE && impl_from().Control().ClaimsEscape();
  if (!keyMessage || !(IsTextBoxKey(msg->wParam) || claimed) || msg->hwnd != editor || GetFocus() != editor) {
    return S_FALSE;
  }
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT STDMETHODCALLTYPE InPlaceActiveObjectPart::EnableModeless(BOOL) { return S_OK; }

}  // namespace zelvane::com
