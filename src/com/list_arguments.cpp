#include "com/list_arguments.h"

#include "com/bstr.h"
#include "com/com_failure.h"
#include "com/dispatch_calls.h"
#include "com/variant_conversion.h"
#include "com/variant_holder.h"
#include "core/vb_errors.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {
namespace {

using win32::com_ptr;

[[noreturn]] void TypeMismatch() { core::RaiseVbError(core::VbError::TypeMismatch); }

// Holds the array's data in place while its elements are read.
class ArrayAccess {
 public:
  explicit ArrayAccess(SAFEARRAY* array) : array_(array) {
    if (FAILED(SafeArrayAccessData(array_, &data_))) TypeMismatch();
  }
  ArrayAccess(const ArrayAccess&) = delete;
  ArrayAccess& operator=(const ArrayAccess&) = delete;
  ~ArrayAccess() { SafeArrayUnaccessData(array_); }
  template <class T>
  const T* data() const {
    return static_cast<const T*>(data_);
  }

 private:
  SAFEARRAY* array_;
  void* data_ = nullptr;
};

// Walks an IEnumVARIANT one element at a time.
class EnumVariantEnumerator final : public core::VariantEnumerator {
 public:
  explicit EnumVariantEnumerator(com_ptr<IEnumVARIANT> items) : items_(std::move(items)) {}

  bool Next(core::Variant& element) override {
    VariantHolder item;
    ULONG fetched = 0;
    const HRESULT hr = items_->Next(1, item.get(), &fetched);
    ThrowIfFailed(hr);
    if (hr != S_OK || fetched != 1) return false;
    element = FromVariant(*item);
    return true;
  }

 private:
  com_ptr<IEnumVARIANT> items_;
};

}  // namespace

std::vector<core::Variant> ArrayElements(const VARIANT* list) {
  if (!list) TypeMismatch();
  if (V_VT(list) == (VT_BYREF | VT_VARIANT)) {
    if (!V_VARIANTREF(list)) TypeMismatch();
    list = V_VARIANTREF(list);
  }
  const VARTYPE vt = V_VT(list);
  if (!(vt & VT_ARRAY)) TypeMismatch();
  const VARTYPE element = vt & VT_TYPEMASK;
  if (element != VT_BSTR && element != VT_VARIANT) TypeMismatch();
  SAFEARRAY* array = (vt & VT_BYREF) ? (V_ARRAYREF(list) ? *V_ARRAYREF(list) : nullptr) : V_ARRAY(list);
  if (!array || SafeArrayGetDim(array) != 1) TypeMismatch();

  const ULONG count = array->rgsabound[0].cElements;
  std::vector<core::Variant> elements;
  elements.reserve(count);
  const ArrayAccess access(array);
  for (ULONG i = 0; i < count; ++i) {
    if (element == VT_BSTR) {
      elements.emplace_back(FromBstr(access.data<BSTR>()[i]));
    } else {
      elements.push_back(FromVariant(access.data<VARIANT>()[i]));
    }
  }
  return elements;
}

std::unique_ptr<core::VariantEnumerator> CollectionEnumerator(IDispatch* collection) {
  if (!collection) TypeMismatch();
  VariantHolder result;
  if (FAILED(GetDispatchProperty(*collection, DISPID_NEWENUM, result.get()))) TypeMismatch();
  IUnknown* object = nullptr;
  if (V_VT(result.get()) == VT_UNKNOWN) object = V_UNKNOWN(result.get());
  if (V_VT(result.get()) == VT_DISPATCH) object = V_DISPATCH(result.get());
  const auto items = com_ptr<IUnknown>(object).query<IEnumVARIANT>();
  if (!items) TypeMismatch();
  return std::make_unique<EnumVariantEnumerator>(items);
}

}  // namespace zelvane::com
