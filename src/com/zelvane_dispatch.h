#pragma once
#include "com/embedded_interface.h"
#include "zelvane_text_box.h"

namespace zelvane::com {

class ZelvaneObject;

/// _Zelvane4 (and through it _Zelvane3, _Zelvane2 and _Zelvane, whose members it begins with), the
/// control's dual automation interface: IDispatch through the type information,
/// every member a call into the portable control.
class ZelvaneDispatch final : public EmbeddedInterface<_Zelvane4, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

  HRESULT STDMETHODCALLTYPE get_SaveOnReturn(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_SaveOnReturn(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_AutoSaveList(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_AutoSaveList(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_Text(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Text(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_SelStart(short* value) override;
  HRESULT STDMETHODCALLTYPE put_SelStart(short value) override;
  HRESULT STDMETHODCALLTYPE get_SelLength(short* value) override;
  HRESULT STDMETHODCALLTYPE put_SelLength(short value) override;
  HRESULT STDMETHODCALLTYPE get_SelText(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_SelText(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_Appearance(zvAppearances* value) override;
  HRESULT STDMETHODCALLTYPE put_Appearance(zvAppearances value) override;
  HRESULT STDMETHODCALLTYPE get_ShowButton(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_ShowButton(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_hWnd(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_HwndEditor(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_HwndList(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Font(IFontDisp** value) override;
  HRESULT STDMETHODCALLTYPE putref_Font(IFontDisp* value) override;
  HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* value) override;
  HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR value) override;
  HRESULT STDMETHODCALLTYPE get_ForeColor(OLE_COLOR* value) override;
  HRESULT STDMETHODCALLTYPE put_ForeColor(OLE_COLOR value) override;
  HRESULT STDMETHODCALLTYPE get_StringValue(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_StringValue(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_MaxCount(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_MaxCount(LONG value) override;
  HRESULT STDMETHODCALLTYPE get_List(LONG Index, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_ListCount(LONG* value) override;
  HRESULT STDMETHODCALLTYPE AddItem(BSTR Item) override;
  HRESULT STDMETHODCALLTYPE ListFromArray(VARIANT* List) override;
  HRESULT STDMETHODCALLTYPE ListFromCollection(IDispatch* col) override;
  HRESULT STDMETHODCALLTYPE ClearList() override;
  HRESULT STDMETHODCALLTYPE AddCurrentItem() override;
  HRESULT STDMETHODCALLTYPE get_AllowRemove(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_AllowRemove(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE RemoveItem(LONG Index) override;
  HRESULT STDMETHODCALLTYPE get_MatchAnywhere(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_MatchAnywhere(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_FilterDelay(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_FilterDelay(LONG value) override;
  HRESULT STDMETHODCALLTYPE get_ListRows(short* value) override;
  HRESULT STDMETHODCALLTYPE put_ListRows(short value) override;
  HRESULT STDMETHODCALLTYPE get_CloseOnEscape(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_CloseOnEscape(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_RegKey(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_RegKey(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_AccessibleName(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_AccessibleName(BSTR value) override;
  HRESULT STDMETHODCALLTYPE get_VisualStyles(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_VisualStyles(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_AutoAppend(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_AutoAppend(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_HighlightMatch(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_HighlightMatch(VARIANT_BOOL value) override;
  HRESULT STDMETHODCALLTYPE get_RightToLeft(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_RightToLeft(VARIANT_BOOL value) override;

 private:
  /// Runs one member on the control behind the COM edge.
  template <class Body>
  HRESULT Call(Body&& body);
  /// The same for a getter: checks and fills the out-parameter.
  template <class T, class Getter>
  HRESULT Get(T* out, Getter&& getter);
};

}  // namespace zelvane::com
