#include "com/zelvane_dispatch.h"

#include "com/bstr.h"
#include "com/hresult_from_caught.h"
#include "com/list_arguments.h"
#include "com/variant_conversion.h"
#include "com/zelvane_object.h"
#include "host/win32/win32_font.h"

namespace zelvane::com {
namespace {

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

template <class Body>
HRESULT ZelvaneDispatch::Call(Body&& body) {
  try {
    impl_from().EnsureInitialised();
    body(impl_from().Control());
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

template <class T, class Getter>
HRESULT ZelvaneDispatch::Get(T* out, Getter&& getter) {
  if (!out) return E_POINTER;
  *out = T{};
  return Call([&](control::Zelvane& control) { *out = getter(control); });
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  *info = &impl_from().DispatchTypeInfo();
  (*info)->AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                                        DISPID* ids) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  return impl_from().DispatchTypeInfo().GetIDsOfNames(names, count, ids);
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                                 VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  return impl_from().DispatchTypeInfo().Invoke(static_cast<_Zelvane4*>(this), id, flags, params, result, exception,
                                               argError);
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_SaveOnReturn(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.SaveOnReturn); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_SaveOnReturn(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SaveOnReturn = value != VARIANT_FALSE; });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_AutoSaveList(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.AutoSaveList); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_AutoSaveList(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.AutoSaveList = value != VARIANT_FALSE; });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_Text(BSTR* value) {
  return Get(value, [](control::Zelvane& c) { return ToNewBstr(c.Text()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_Text(BSTR value) {
  return Call([&](control::Zelvane& c) { c.SetText(FromBstr(value)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_SelStart(short* value) {
  return Get(value, [](control::Zelvane& c) { return c.SelStart(); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_SelStart(short value) {
  return Call([&](control::Zelvane& c) { c.SetSelStart(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_SelLength(short* value) {
  return Get(value, [](control::Zelvane& c) { return c.SelLength(); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_SelLength(short value) {
  return Call([&](control::Zelvane& c) { c.SetSelLength(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_SelText(BSTR* value) {
  return Get(value, [](control::Zelvane& c) { return ToNewBstr(c.SelText()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_SelText(BSTR value) {
  return Call([&](control::Zelvane& c) { c.SetSelText(FromBstr(value)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_Appearance(zvAppearances* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<zvAppearances>(c.Appearance()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_Appearance(zvAppearances value) {
  return Call([&](control::Zelvane& c) { c.SetAppearance(static_cast<std::int32_t>(value)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_ShowButton(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.ShowButton()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_ShowButton(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetShowButton(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_Enabled(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.Enabled()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_Enabled(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetEnabled(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_hWnd(LONG* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<LONG>(c.hWnd()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_HwndEditor(LONG* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<LONG>(c.HwndEditor()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_HwndList(LONG* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<LONG>(c.HwndList()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_Font(IFontDisp** value) {
  return Get(value, [](control::Zelvane& c) -> IFontDisp* {
    const auto font = std::dynamic_pointer_cast<win32::Win32Font>(c.Font());
    return font ? font->fontDisp().detach() : nullptr;
  });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::putref_Font(IFontDisp* value) {
  return Call([&](control::Zelvane& c) { c.SetFont(value ? win32::FontFromUnknown(value) : nullptr); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_BackColor(OLE_COLOR* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<OLE_COLOR>(c.BackColor()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_BackColor(OLE_COLOR value) {
  return Call([&](control::Zelvane& c) { c.SetBackColor(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_ForeColor(OLE_COLOR* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<OLE_COLOR>(c.ForeColor()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_ForeColor(OLE_COLOR value) {
  return Call([&](control::Zelvane& c) { c.SetForeColor(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_StringValue(BSTR* value) {
  return Get(value, [](control::Zelvane& c) { return ToNewBstr(c.StringValue()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_StringValue(BSTR value) {
  return Call([&](control::Zelvane& c) { c.SetStringValue(FromBstr(value)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_MaxCount(LONG* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<LONG>(c.MaxCount()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_MaxCount(LONG value) {
  return Call([&](control::Zelvane& c) { c.SetMaxCount(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_List(LONG Index, VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  return Call([&](control::Zelvane& c) { ToVariant(c.List(Index), value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_ListCount(LONG* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<LONG>(c.ListCount()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::AddItem(BSTR Item) {
  return Call([&](control::Zelvane& c) { c.AddItem(FromBstr(Item)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::ListFromArray(VARIANT* List) {
  return Call([&](control::Zelvane& c) { c.ListFromArray(ArrayElements(List)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::ListFromCollection(IDispatch* col) {
  return Call([&](control::Zelvane& c) { c.ListFromCollection(*CollectionEnumerator(col)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::ClearList() {
  return Call([](control::Zelvane& c) { c.ClearList(); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::AddCurrentItem() {
  return Call([](control::Zelvane& c) { c.AddCurrentItem(); });
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_AllowRemove(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.AllowRemove()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_AllowRemove(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetAllowRemove(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::RemoveItem(LONG Index) {
  return Call([&](control::Zelvane& c) { c.RemoveItem(Index); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_MatchAnywhere(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.MatchAnywhere()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_MatchAnywhere(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetMatchAnywhere(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_FilterDelay(LONG* value) {
  return Get(value, [](control::Zelvane& c) { return static_cast<LONG>(c.FilterDelay()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_FilterDelay(LONG value) {
  return Call([&](control::Zelvane& c) { c.SetFilterDelay(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_ListRows(short* value) {
  return Get(value, [](control::Zelvane& c) { return c.ListRows(); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_ListRows(short value) {
  return Call([&](control::Zelvane& c) { c.SetListRows(value); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_CloseOnEscape(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.CloseOnEscape()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_CloseOnEscape(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetCloseOnEscape(value != VARIANT_FALSE); });
}

HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_RegKey(BSTR* value) {
  return Get(value, [](control::Zelvane& c) { return ToNewBstr(c.RegKey()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_RegKey(BSTR value) {
  return Call([&](control::Zelvane& c) { c.SetRegKey(FromBstr(value)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_AccessibleName(BSTR* value) {
  return Get(value, [](control::Zelvane& c) { return ToNewBstr(c.AccessibleName()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_AccessibleName(BSTR value) {
  return Call([&](control::Zelvane& c) { c.SetAccessibleName(FromBstr(value)); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_VisualStyles(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.VisualStyles()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_VisualStyles(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetVisualStyles(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_AutoAppend(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.AutoAppend()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_AutoAppend(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetAutoAppend(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_HighlightMatch(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.HighlightMatch()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_HighlightMatch(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetHighlightMatch(value != VARIANT_FALSE); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::get_RightToLeft(VARIANT_BOOL* value) {
  return Get(value, [](control::Zelvane& c) { return ToVariantBool(c.RightToLeft()); });
}
HRESULT STDMETHODCALLTYPE ZelvaneDispatch::put_RightToLeft(VARIANT_BOOL value) {
  return Call([&](control::Zelvane& c) { c.SetRightToLeft(value != VARIANT_FALSE); });
}

}  // namespace zelvane::com
