#include "autocomplete_latency.h"

#include <shldisp.h>
#include <shlguid.h>

#include <memory>

#include "com_error.h"
#include "message_pump.h"
#include "probe_window.h"
#include "stopwatch.h"
#include "string_enumerator.h"

#include "host/win32/com_ptr.h"
#include "host/win32/unique_handle.h"

namespace zelvane::demo {

using win32::com_ptr;
using win32::unique_hwnd;

namespace {

constexpr unsigned kTimeoutMs = 120000;

HWND ListBoxChild(HWND popup) {
  HWND child = nullptr;
  while ((child = ::FindWindowExW(popup, child, nullptr, nullptr)) != nullptr) {
    wchar_t name[32] = {};
    ::GetClassNameW(child, name, 32);
    if (::lstrcmpiW(name, L"ListBox") == 0) return child;
  }
  return nullptr;
}

BOOL CALLBACK FindSuggestionList(HWND top, LPARAM found) {
  HWND list = ::IsWindowVisible(top) ? ListBoxChild(top) : nullptr;
  if (!list) return TRUE;
  *reinterpret_cast<HWND*>(found) = list;
  return FALSE;
}

// The list box of the shell's suggestion pop-up. Windows names the pop-up's class
// "Auto-Suggest Dropdown", Wine uses a plain static window: either way it is the one
// visible top-level window of this thread that holds a list box.
HWND SuggestionList() {
  HWND list = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), FindSuggestionList, reinterpret_cast<LPARAM>(&list));
  return list;
}

bool ShowsRows(size_t rows) {
  HWND list = SuggestionList();
  return list && ::SendMessageW(list, LB_GETCOUNT, 0, 0) == static_cast<LRESULT>(rows) && Painted(list);
}

double TimeKey(HWND edit, WORD vk, size_t rows) {
  const double start = NowMs();
  PostKey(edit, vk);
  if (!PumpOneByOneUntil([&] { return ShowsRows(rows); }, kTimeoutMs))
    throw ComError(E_FAIL, "waiting for the shell's suggestion list");
  return NowMs() - start;
}

}  // namespace

AutoCompleteTimes AutoCompleteLatency::Measure(const ItemSet& set) const {
  unique_hwnd edit(::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 280, 16,
                                     220, 24, parent_, nullptr, ::GetModuleHandleW(nullptr), nullptr));
  if (!edit) ThrowLastError("creating the EDIT for the shell's autocomplete");
  com_ptr<IAutoComplete2> complete;
  ThrowIfFailed(::CoCreateInstance(CLSID_AutoComplete, nullptr, CLSCTX_INPROC_SERVER, IID_IAutoComplete2,
                                   complete.put_void()),
                "creating the shell's autocomplete");
  auto items = std::make_shared<const std::vector<std::wstring>>(set.items);
  auto source = StringEnumerator::Create(items);
  ThrowIfFailed(complete->Init(edit.get(), source.get(), nullptr, nullptr), "IAutoComplete2::Init");
  ThrowIfFailed(complete->SetOptions(ACO_AUTOSUGGEST), "IAutoComplete2::SetOptions");
  ::SetFocus(edit.get());
  PumpFor(100);

  AutoCompleteTimes times;
  times.first_key_ms = TimeKey(edit.get(), static_cast<WORD>(L'C'), set.matching.size());
  PostKey(edit.get(), VK_BACK);
  PumpUntil([] { return SuggestionList() == nullptr; }, 2000);
  PumpFor(100);
  times.again_ms = TimeKey(edit.get(), static_cast<WORD>(L'C'), set.matching.size());
  PostKey(edit.get(), VK_BACK);
  PumpUntil([] { return SuggestionList() == nullptr; }, 2000);
  return times;
}

}  // namespace zelvane::demo
