#include "host/win32/accessible_drop_down_list.h"

#include <string>

namespace zelvane::win32 {

LONG AccessibleDropDownList::RowCount() const {
  const LRESULT count = ::SendMessageW(hwnd_, LB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<LONG>(count) : 0;
}

LONG AccessibleDropDownList::HighlightedChild() const {
  const LRESULT row = ::SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
  return row >= 0 && row < RowCount() ? static_cast<LONG>(row) + 1 : CHILDID_SELF;
}

std::optional<LONG> AccessibleDropDownList::Known(const VARIANT& child) const {
  const std::optional<LONG> id = ChildId(child);
  if (!id || *id < CHILDID_SELF || *id > RowCount()) return std::nullopt;
  return id;
}

RECT AccessibleDropDownList::RowOnScreen(LONG childId) const {
  RECT row{};
  ::SendMessageW(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(childId - 1), reinterpret_cast<LPARAM>(&row));
  ::MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&row), 2);
  return row;
}

HRESULT AccessibleDropDownList::ReturnHighlighted(VARIANT* out) const {
  if (!out) return E_POINTER;
  ::VariantInit(out);
  const LONG id = HighlightedChild();
  if (id == CHILDID_SELF) return S_FALSE;
  SetChildId(out, id);
  return S_OK;
}

HRESULT AccessibleDropDownList::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = RowCount();
  return S_OK;
}

// Rows are simple elements: their parent answers for them.
HRESULT AccessibleDropDownList::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  const std::optional<LONG> id = Known(child);
  return id && *id != CHILDID_SELF ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleDropDownList::get_accName(VARIANT child, BSTR* name) {
  return GuardedAccessible([&] {
    if (!name) return E_POINTER;
    *name = nullptr;
    const std::optional<LONG> id = Known(child);
    if (!id) return E_INVALIDARG;
    if (*id == CHILDID_SELF) return S_FALSE;
    const auto row = static_cast<WPARAM>(*id - 1);
    const LRESULT length = ::SendMessageW(hwnd_, LB_GETTEXTLEN, row, 0);
    if (length <= 0) return S_FALSE;
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    const LRESULT copied = ::SendMessageW(hwnd_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return ReturnText(text, name);
  });
}

HRESULT AccessibleDropDownList::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  ::VariantInit(role);
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  SetChildId(role, *id == CHILDID_SELF ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
  return S_OK;
}

HRESULT AccessibleDropDownList::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  ::VariantInit(state);
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  LONG flags = ::IsWindowVisible(hwnd_) ? 0 : STATE_SYSTEM_INVISIBLE;
  if (*id != CHILDID_SELF) {
    flags |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (*id == HighlightedChild()) flags |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
    RECT client{};
    RECT row{};
    ::GetClientRect(hwnd_, &client);
    ::SendMessageW(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(*id - 1), reinterpret_cast<LPARAM>(&row));
    RECT shown{};
    if (!::IntersectRect(&shown, &client, &row)) flags |= STATE_SYSTEM_OFFSCREEN;
  }
  SetChildId(state, flags);
  return S_OK;
}

HRESULT AccessibleDropDownList::get_accFocus(VARIANT* focus) { return ReturnHighlighted(focus); }

HRESULT AccessibleDropDownList::get_accSelection(VARIANT* selection) { return ReturnHighlighted(selection); }

HRESULT AccessibleDropDownList::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  RECT screen{};
  if (*id == CHILDID_SELF) {
    ::GetWindowRect(hwnd_, &screen);
  } else {
    screen = RowOnScreen(*id);
  }
  return ReturnLocation(screen, left, top, width, height);
}

HRESULT AccessibleDropDownList::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  ::VariantInit(end);
  const std::optional<LONG> from = Known(start);
  if (!from) return E_INVALIDARG;
  LONG to = CHILDID_SELF;
  const HRESULT found = NavigateChildren(direction, *from, RowCount(), to);
  if (found != S_OK) return found;
  SetChildId(end, to);
  return S_OK;
}

HRESULT AccessibleDropDownList::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  ::VariantInit(child);
  RECT window{};
  ::GetWindowRect(hwnd_, &window);
  if (!::PtInRect(&window, POINT{x, y})) return S_FALSE;
  POINT client{x, y};
  ::ScreenToClient(hwnd_, &client);
  // LB_ITEMFROMPOINT: the nearest row in the low word, 1 in the high word when the point lies outside every row.
  const LRESULT hit = ::SendMessageW(hwnd_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
  const bool onRow = HIWORD(hit) == 0 && static_cast<LONG>(LOWORD(hit)) < RowCount();
  SetChildId(child, onRow ? static_cast<LONG>(LOWORD(hit)) + 1 : CHILDID_SELF);
  return S_OK;
}

}  // namespace zelvane::win32
