#include "host/win32/font_change_sink.h"

namespace zelvane::win32 {

HRESULT STDMETHODCALLTYPE FontChangeSink::OnChanged(DISPID) {
  // Called by the font object from inside the host's property call: a COM boundary.
  try {
    if (onChanged_) onChanged_();
  } catch (...) {
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FontChangeSink::OnRequestEdit(DISPID) { return S_OK; }

}  // namespace zelvane::win32
