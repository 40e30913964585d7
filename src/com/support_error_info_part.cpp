#include "com/support_error_info_part.h"

#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE SupportErrorInfoPart::InterfaceSupportsErrorInfo(REFIID riid) {
  const bool ours = riid == IID__Zelvane4 || riid == IID__Zelvane3 || riid == IID__Zelvane2 || riid == IID__Zelvane ||
                    riid == IID_IDispatch;
  return ours ? S_OK : S_FALSE;
}

}  // namespace zelvane::com
