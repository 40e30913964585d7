#include "variant.h"

#include "com_error.h"

namespace zelvane::demo {

Variant::Variant(const std::wstring& text) : Variant() {
  v_.vt = VT_BSTR;
  v_.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (!v_.bstrVal) throw ComError(E_OUTOFMEMORY, "SysAllocStringLen");
}

Variant::Variant(long value) : Variant() {
  v_.vt = VT_I4;
  v_.lVal = value;
}

Variant::Variant(bool value) : Variant() {
  v_.vt = VT_BOOL;
  v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

Variant::Variant(SAFEARRAY* strings) : Variant() {
  v_.vt = VT_ARRAY | VT_BSTR;
  v_.parray = strings;
}

Variant::Variant(const Variant& other) : Variant() {
  ThrowIfFailed(::VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)), "VariantCopy");
}

namespace {
Variant Converted(const VARIANT& from, VARTYPE to) {
  Variant result;
  ThrowIfFailed(::VariantChangeType(result.put(), const_cast<VARIANT*>(&from), 0, to), "VariantChangeType");
  return result;
}
}  // namespace

std::wstring Variant::AsString() const {
  Variant s = Converted(v_, VT_BSTR);
  BSTR b = s.get()->bstrVal;
  return b ? std::wstring(b, ::SysStringLen(b)) : std::wstring();
}

long Variant::AsLong() const { return Converted(v_, VT_I4).get()->lVal; }

bool Variant::AsBool() const { return Converted(v_, VT_BOOL).get()->boolVal != VARIANT_FALSE; }

}  // namespace zelvane::demo
