#include "com/server_module.h"

#include "com/com_failure.h"

namespace zelvane::com {

ServerModule& ServerModule::Instance() {
  static ServerModule module;
  return module;
}

std::wstring ServerModule::Path() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(module_, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) throw ComFailure(HRESULT_FROM_WIN32(GetLastError()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

com_ptr<ITypeInfo> ServerModule::TypeInfo(REFGUID guid) {
  if (!typeLib_) ThrowIfFailed(LoadTypeLibEx(Path().c_str(), REGKIND_NONE, typeLib_.put()));
  com_ptr<ITypeInfo> info;
  ThrowIfFailed(typeLib_->GetTypeInfoOfGuid(guid, info.put()));
  // A dual interface answers with its dispatch side; Invoke must go through the
  // vtable side, or it would call IDispatch::Invoke on the object again.
  HREFTYPE vtableSide = 0;
  com_ptr<ITypeInfo> vtableInfo;
  if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtableSide)) &&
      SUCCEEDED(info->GetRefTypeInfo(vtableSide, vtableInfo.put()))) {
    return vtableInfo;
  }
  return info;
}

}  // namespace zelvane::com
