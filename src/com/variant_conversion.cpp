#include "com/variant_conversion.h"

#include <windows.h>
#include <olectl.h>

#include "com/bstr.h"
#include "com/com_object.h"
#include "com/variant_holder.h"
#include "core/vb_errors.h"
#include "host/win32/win32_font.h"

namespace zelvane::com {
namespace {

using win32::com_ptr;

core::Variant FromObject(IUnknown* object) {
  if (!object) return core::ObjectPtr();
  if (com_ptr<IFont> font = com_ptr<IUnknown>(object).query<IFont>()) return win32::FontFromUnknown(font.get());
  return std::make_shared<ComObject>(com_ptr<IUnknown>(object));
}

core::Variant Converted(const VARIANT& value, VARTYPE to) {
  VariantHolder copy;
  if (FAILED(VariantChangeType(copy.get(), const_cast<VARIANT*>(&value), 0, to))) core::RaiseVbError(core::VbError::TypeMismatch);
  return FromVariant(*copy.get());
}

}  // namespace

core::Variant FromVariant(const VARIANT& value) {
  if (V_VT(&value) & VT_BYREF) {
    VariantHolder direct;
    if (FAILED(VariantCopyInd(direct.get(), const_cast<VARIANT*>(&value)))) core::RaiseVbError(core::VbError::TypeMismatch);
    return FromVariant(*direct.get());
  }
  switch (V_VT(&value)) {
    case VT_EMPTY: return core::Empty{};
    case VT_NULL: return core::Null{};
    case VT_BOOL: return V_BOOL(&value) != VARIANT_FALSE;
    case VT_I2: return static_cast<std::int16_t>(V_I2(&value));
    case VT_I4: return static_cast<std::int32_t>(V_I4(&value));
    case VT_R8: return V_R8(&value);
    case VT_BSTR: return FromBstr(V_BSTR(&value));
    case VT_DISPATCH: return FromObject(V_DISPATCH(&value));
    case VT_UNKNOWN: return FromObject(V_UNKNOWN(&value));
    // A date keeps the text VB's conversion gives it; the other numbers widen.
    case VT_DATE: return Converted(value, VT_BSTR);
    case VT_UI1:
    case VT_I1:
    case VT_UI2: return Converted(value, VT_I4);
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
    case VT_R4:
    case VT_CY:
    case VT_DECIMAL: return Converted(value, VT_R8);
    default: core::RaiseVbError(core::VbError::TypeMismatch);
  }
}

void ToVariant(const core::Variant& value, VARIANT* out) {
  VariantInit(out);
  if (std::holds_alternative<core::Null>(value)) {
    V_VT(out) = VT_NULL;
  } else if (const auto* b = std::get_if<bool>(&value)) {
    V_VT(out) = VT_BOOL;
    V_BOOL(out) = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const auto* i2 = std::get_if<std::int16_t>(&value)) {
    V_VT(out) = VT_I2;
    V_I2(out) = *i2;
  } else if (const auto* i4 = std::get_if<std::int32_t>(&value)) {
    V_VT(out) = VT_I4;
    V_I4(out) = *i4;
  } else if (const auto* d = std::get_if<double>(&value)) {
    V_VT(out) = VT_R8;
    V_R8(out) = *d;
  } else if (const auto* s = std::get_if<std::u16string>(&value)) {
    V_BSTR(out) = ToNewBstr(*s);
    V_VT(out) = VT_BSTR;
  } else if (const auto* o = std::get_if<core::ObjectPtr>(&value)) {
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = nullptr;
    if (const auto font = std::dynamic_pointer_cast<win32::Win32Font>(*o)) {
      V_DISPATCH(out) = font->fontDisp().detach();
    } else if (const auto object = std::dynamic_pointer_cast<ComObject>(*o)) {
      V_VT(out) = VT_UNKNOWN;
      V_UNKNOWN(out) = object->get();
      if (V_UNKNOWN(out)) V_UNKNOWN(out)->AddRef();
    }
  }
}

}  // namespace zelvane::com
