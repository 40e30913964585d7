#include "demo_form.h"

#include "com_error.h"
#include "sample_lists.h"
#include "screen_capture.h"

namespace zelvane::demo {

using win32::unique_bstr;
using win32::unique_hwnd;
using win32::unique_safearray;

namespace {

// The layout at 96 dpi; every length is scaled to the screen's DPI.
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 290;
constexpr RECT kHintArea{16, 10, 564, 84};
constexpr RECT kCitiesLabelArea{16, 92, 276, 110};
constexpr RECT kSearchesLabelArea{304, 92, 564, 110};
constexpr RECT kCitiesArea{16, 114, 276, 138};
constexpr RECT kSearchesArea{304, 114, 564, 138};

constexpr wchar_t kHint[] =
    L"Type the first letters of a city (try \"be\" or \"m\") and pause: the earlier entries that begin with "
    L"them drop down. Down and Up choose a row, Enter or a click takes it; Enter on new text remembers it. "
    L"The button at the right of the first box, drawn in the system's visual style, opens the list at any time. "
    L"The second box offers the searches "
    L"that hold the typed text anywhere, and Shift+Delete removes the highlighted one. Every event is printed "
    L"in the console.";

int ScreenDpi() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int Scaled(int length) { return ::MulDiv(length, ScreenDpi(), 96); }

RECT Scaled(const RECT& r) { return {Scaled(r.left), Scaled(r.top), Scaled(r.right), Scaled(r.bottom)}; }

unique_hwnd CreateForm(const WindowClass& cls) {
  RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  ::AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND form = CreateTopLevelWindow(cls, L"ZelvaneTextBox demo", style,
                                   {40, 40, 40 + frame.right - frame.left, 40 + frame.bottom - frame.top});
  return unique_hwnd(form);
}

unique_hwnd CreateLabel(HWND form, const wchar_t* text, const RECT& at96) {
  const RECT where = Scaled(at96);
  HWND label = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, where.left, where.top,
                                 where.right - where.left, where.bottom - where.top, form, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
  if (!label) ThrowLastError("creating a label");
  ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return unique_hwnd(label);
}

// Through ListFromArray, by reference, as a VB host passes a String array.
void LoadFromArray(const AutomationObject& control, const std::vector<std::wstring>& most_recent_first) {
  SAFEARRAYBOUND bound{static_cast<ULONG>(most_recent_first.size()), 1};
  unique_safearray array(::SafeArrayCreate(VT_BSTR, 1, &bound));
  if (!array) throw ComError(E_OUTOFMEMORY, "SafeArrayCreate");
  // ListFromArray adds each element at the front, so the most recent goes last.
  LONG index = 1;
  for (auto it = most_recent_first.rbegin(); it != most_recent_first.rend(); ++it, ++index) {
    unique_bstr item(::SysAllocString(it->c_str()));
    ThrowIfFailed(::SafeArrayPutElement(array.get(), &index, item.get()), "SafeArrayPutElement");
  }
  SAFEARRAY* raw = array.get();
  Variant by_reference;
  by_reference.get()->vt = VT_BYREF | VT_ARRAY | VT_BSTR;
  by_reference.get()->pparray = &raw;
  control.Call(L"ListFromArray", {by_reference});
}

}  // namespace

DemoForm::DemoForm(const AxHostLibrary& ax, const EventSink::Handler& handler)
    : class_(L"ZelvaneDemoForm", &DemoForm::Procedure),
      window_(CreateForm(class_)),
      hint_(CreateLabel(window_.get(), kHint, kHintArea)),
      cities_label_(CreateLabel(window_.get(), L"Recent cities (themed, with the button):", kCitiesLabelArea)),
      searches_label_(CreateLabel(window_.get(), L"Earlier searches (flat, matching anywhere):", kSearchesLabelArea)),
      cities_(ax, window_.get(), Scaled(kCitiesArea), L"control1", handler),
      searches_(ax, window_.get(), Scaled(kSearchesArea), L"control2", handler) {
  const auto& cities = cities_.object();
  cities.Put(L"ShowButton", Variant(true));
  cities.Put(L"Appearance", Variant(1L));
  cities.Put(L"VisualStyles", Variant(true));
  cities.Put(L"StringValue", Variant(AsSavedList(RecentCities())));

  const auto& searches = searches_.object();
  searches.Put(L"ShowButton", Variant(false));
  searches.Put(L"Appearance", Variant(0L));
  searches.Put(L"MatchAnywhere", Variant(true));
  searches.Put(L"AllowRemove", Variant(true));
  LoadFromArray(searches, EarlierSearches());
}

void DemoForm::Show() const {
  ::ShowWindow(window_.get(), SW_SHOWNORMAL);
  ::UpdateWindow(window_.get());
  ::SetForegroundWindow(window_.get());
}

RECT DemoForm::ScreenArea() const {
  // The client area: without a window manager (Xvfb) nobody draws the caption.
  RECT area{};
  ::GetClientRect(window_.get(), &area);
  ::MapWindowPoints(window_.get(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  for (const HostedControl* control : {&cities_, &searches_}) {
    HWND list = control->list();
    RECT list_area{};
    if (::IsWindowVisible(list) && ::GetWindowRect(list, &list_area)) area = Union(area, list_area);
  }
  return area;
}

RECT DemoForm::ControlArea(const HostedControl& control) const {
  RECT label{};
  RECT box{};
  ::GetWindowRect(&control == &cities_ ? cities_label_.get() : searches_label_.get(), &label);
  ::GetWindowRect(control.control_window(), &box);
  RECT area = Union(label, box);
  RECT list{};
  if (::IsWindowVisible(control.list()) && ::GetWindowRect(control.list(), &list)) area = Union(area, list);
  ::InflateRect(&area, Scaled(6), Scaled(6));
  return area;
}

LRESULT CALLBACK DemoForm::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace zelvane::demo
