#include "com/ole_control_part.h"

#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE OleControlPart::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->cb = sizeof *info;
  info->hAccel = nullptr;
  info->cAccel = 0;
  // Asked again (OnControlInfoChanged) whenever the open drop-down claims Escape or gives it back.
  info->dwFlags = impl_from().Control().ClaimsEscape() ? CTRLINFO_EATS_ESCAPE : 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleControlPart::OnMnemonic(MSG*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE OleControlPart::OnAmbientPropertyChange(DISPID) { return S_OK; }

HRESULT STDMETHODCALLTYPE OleControlPart::FreezeEvents(BOOL freeze) {
  impl_from().Events().Freeze(freeze != FALSE);
  return S_OK;
}

}  // namespace zelvane::com
