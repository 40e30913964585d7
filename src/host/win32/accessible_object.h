#pragma once
#include "host/win32/windows_api.h"

#include <oleacc.h>

#include <optional>
#include <string>

namespace zelvane::win32 {

/// The common part of the control's accessible objects (what WM_GETOBJECT hands
/// to screen readers): reference counting, IOleWindow for WindowFromAccessibleObject,
/// an IDispatch that readers do not use, and the answer "not supported" for every
/// member a derived object leaves alone. Lives on the window's thread.
class AccessibleObject : public IAccessible, public IOleWindow {
 public:
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;

  /// The window object of the system (frame, scroll bars) holds this one.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  /// What WM_GETOBJECT returns for `object` (LresultFromObject); takes the
  /// creator's reference.
  static LRESULT Answer(AccessibleObject* object, WPARAM wParam);

 protected:
  explicit AccessibleObject(HWND hwnd) : hwnd_(hwnd) {}
  virtual ~AccessibleObject() = default;

  /// The child id a VARIANT names (VT_I4), none for anything else.
  static std::optional<LONG> ChildId(const VARIANT& child);
  /// S_OK with a new BSTR, S_FALSE with none for an empty text (no such property).
  static HRESULT ReturnText(const std::u16string& text, BSTR* out);
  static void SetChildId(VARIANT* out, LONG id);
  /// The rectangle in screen coordinates, as accLocation gives it.
  static HRESULT ReturnLocation(const RECT& screen, LONG* left, LONG* top, LONG* width, LONG* height);
  /// accNavigate among the children 1 to `last` of an object that holds them in a
  /// row: from the object into them, from a child to its neighbours. `to` is
  /// CHILDID_SELF (with S_FALSE) where there is no such child.
  static HRESULT NavigateChildren(LONG direction, LONG from, LONG last, LONG& to);

  HWND hwnd_;  // the window the object stands for; it may be gone

 private:
  LONG refs_ = 1;
};

/// Runs the body of a COM method; exceptions become E_OUTOFMEMORY or E_FAIL.
template <typename Body>
HRESULT GuardedAccessible(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace zelvane::win32
