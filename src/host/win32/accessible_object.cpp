#include "host/win32/accessible_object.h"

#include <new>

namespace zelvane::win32 {

HRESULT AccessibleObject::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  // __uuidof rather than IID_IAccessible: with oleacc linked before uuid, MinGW
  // resolves that name to an import stub.
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
    *out = static_cast<IAccessible*>(this);
  } else if (riid == IID_IOleWindow) {
    *out = static_cast<IOleWindow*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }

ULONG AccessibleObject::Release() {
  const LONG left = ::InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = hwnd_;
  return S_OK;
}

HRESULT AccessibleObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!::IsWindow(hwnd_)) return RPC_E_DISCONNECTED;
  return ::AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return E_INVALIDARG;
}

namespace {

HRESULT NoText(BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT NoVariant(VARIANT* out) {
  if (!out) return E_POINTER;
  ::VariantInit(out);
  return DISP_E_MEMBERNOTFOUND;
}

}  // namespace

HRESULT AccessibleObject::get_accName(VARIANT, BSTR* name) { return NoText(name); }
HRESULT AccessibleObject::get_accValue(VARIANT, BSTR* value) { return NoText(value); }
HRESULT AccessibleObject::get_accDescription(VARIANT, BSTR* description) { return NoText(description); }
HRESULT AccessibleObject::get_accRole(VARIANT, VARIANT* role) { return NoVariant(role); }
HRESULT AccessibleObject::get_accState(VARIANT, VARIANT* state) { return NoVariant(state); }
HRESULT AccessibleObject::get_accHelp(VARIANT, BSTR* help) { return NoText(help); }

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (topic) *topic = 0;
  return NoText(file);
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) { return NoText(shortcut); }
HRESULT AccessibleObject::get_accFocus(VARIANT* focus) { return NoVariant(focus); }
HRESULT AccessibleObject::get_accSelection(VARIANT* selection) { return NoVariant(selection); }
HRESULT AccessibleObject::get_accDefaultAction(VARIANT, BSTR* action) { return NoText(action); }
HRESULT AccessibleObject::accSelect(LONG, VARIANT) { return DISP_E_MEMBERNOTFOUND; }

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accNavigate(LONG, VARIANT, VARIANT* end) { return NoVariant(end); }
HRESULT AccessibleObject::accHitTest(LONG, LONG, VARIANT* child) { return NoVariant(child); }
HRESULT AccessibleObject::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

LRESULT AccessibleObject::Answer(AccessibleObject* object, WPARAM wParam) {
  const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object));
  object->Release();
  return result;
}

std::optional<LONG> AccessibleObject::ChildId(const VARIANT& child) {
  if (child.vt != VT_I4) return std::nullopt;
  return child.lVal;
}

HRESULT AccessibleObject::ReturnText(const std::u16string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = ::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void AccessibleObject::SetChildId(VARIANT* out, LONG id) {
  out->vt = VT_I4;
  out->lVal = id;
}

HRESULT AccessibleObject::ReturnLocation(const RECT& screen, LONG* left, LONG* top, LONG* width, LONG* height) {
  *left = screen.left;
  *top = screen.top;
  *width = screen.right - screen.left;
  *height = screen.bottom - screen.top;
  return S_OK;
}

HRESULT AccessibleObject::NavigateChildren(LONG direction, LONG from, LONG last, LONG& to) {
  to = CHILDID_SELF;
  const bool next = direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT;
  const bool previous = direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT;
  const bool into = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
  if (from == CHILDID_SELF) {
    // The object's own siblings are its window object's to find.
    if (!into) return DISP_E_MEMBERNOTFOUND;
    if (last > 0) to = direction == NAVDIR_FIRSTCHILD ? 1 : last;
  } else if (into) {
    return E_INVALIDARG;  // the children have none of their own
  } else if (next && from < last) {
    to = from + 1;
  } else if (previous) {
    to = from - 1;
  }
  return to == CHILDID_SELF ? S_FALSE : S_OK;
}

}  // namespace zelvane::win32
