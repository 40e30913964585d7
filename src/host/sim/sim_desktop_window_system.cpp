// The user32 calls of host::WindowSystem that work on the window tree.
#include <algorithm>

#include "host/sim/sim_call_text.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"

namespace zelvane::sim {
namespace {

constexpr std::uint32_t ERROR_INVALID_INDEX = 1413;
constexpr std::uint32_t GW_HWNDNEXT = 2;

// Copies as the Win32 text getters do: truncated to the buffer, always terminated.
int CopyText(const std::u16string& text, char16_t* buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  const auto copied = std::min<std::size_t>(text.size(), static_cast<std::size_t>(size - 1));
  std::copy_n(text.begin(), copied, buffer);
  buffer[copied] = u'\0';
  return static_cast<int>(copied);
}

}  // namespace

bool SimDesktop::GetWindowRect(host::Hwnd hWnd, host::Rect* rect) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("GetWindowRect", hWnd))) return false;
  if (!RequireLocked(windows_.Contains(hWnd), ERROR_INVALID_WINDOW_HANDLE) ||
      !RequireLocked(rect != nullptr, ERROR_INVALID_PARAMETER)) {
    return false;
  }
  *rect = windows_.WindowRectOnScreen(hWnd);
  return true;
}

bool SimDesktop::GetCursorPos(host::Point* point) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("GetCursorPos"))) return false;
  if (!RequireLocked(point != nullptr, ERROR_INVALID_PARAMETER)) return false;
  *point = cursor_;
  return true;
}

bool SimDesktop::ScreenToClient(host::Hwnd hWnd, host::Point* point) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("ScreenToClient", hWnd))) return false;
  if (!RequireLocked(windows_.Contains(hWnd), ERROR_INVALID_WINDOW_HANDLE) ||
      !RequireLocked(point != nullptr, ERROR_INVALID_PARAMETER)) {
    return false;
  }
  const host::Rect client = windows_.ClientRectOnScreen(hWnd);
  point->x -= client.left;
  point->y -= client.top;
  return true;
}

host::LResult SimDesktop::SendMessageW(host::Hwnd hWnd, std::uint32_t msg, host::WParam wParam,
                                       host::LParam lParam) {
  {
    std::lock_guard lock(mutex_);
    LogCallLocked(CallText("SendMessageW", hWnd, msg, wParam, lParam));
    sentLog_.push_back({hWnd, msg, wParam, lParam});
    if (!RequireLocked(windows_.Contains(hWnd), ERROR_INVALID_WINDOW_HANDLE)) return 0;
  }
  return DeliverSent(hWnd, msg, wParam, lParam);
}

int SimDesktop::LBItemFromPt(host::Hwnd hLB, host::Point pt, bool bAutoScroll) {
  SimWindowHandler* handler = nullptr;
  {
    std::lock_guard lock(mutex_);
    LogCallLocked(CallText("LBItemFromPt", hLB, pt.x, pt.y, bAutoScroll));
    const auto* w = windows_.Find(hLB);
    if (w == nullptr) return -1;
    handler = w->handler;
  }
  return handler == nullptr ? -1 : handler->ItemFromPt(pt, bAutoScroll);
}

std::intptr_t SimDesktop::GetWindowLongPtrW(host::Hwnd hWnd, int nIndex) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("GetWindowLongPtrW", hWnd, nIndex))) return 0;
  const auto* w = windows_.Find(hWnd);
  if (!RequireLocked(w != nullptr, ERROR_INVALID_WINDOW_HANDLE)) return 0;
  if (nIndex == host::GWL_STYLE) return w->style;
  if (nIndex == host::GWL_EXSTYLE) return w->exStyle;
  SetLastErrorLocked(ERROR_INVALID_INDEX);
  return 0;
}

std::intptr_t SimDesktop::SetWindowLongPtrW(host::Hwnd hWnd, int nIndex, std::intptr_t dwNewLong) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("SetWindowLongPtrW", hWnd, nIndex, dwNewLong))) return 0;
  auto* w = windows_.Find(hWnd);
  if (!RequireLocked(w != nullptr, ERROR_INVALID_WINDOW_HANDLE)) return 0;
  // Like Win32, writing WS_VISIBLE or WS_DISABLED through the style changes the
  // flag itself, without any z-order change.
  std::intptr_t* field = nIndex == host::GWL_STYLE ? &w->style : nIndex == host::GWL_EXSTYLE ? &w->exStyle : nullptr;
  if (!RequireLocked(field != nullptr, ERROR_INVALID_INDEX)) return 0;
  return std::exchange(*field, dwNewLong);
}

bool SimDesktop::MoveWindow(host::Hwnd hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint) {
  SimWindowHandler* resized = nullptr;
  {
    std::lock_guard lock(mutex_);
    if (EnterFailingLocked(CallText("MoveWindow", hWnd, X, Y, nWidth, nHeight, bRepaint))) return false;
    auto* w = windows_.Find(hWnd);
    if (!RequireLocked(w != nullptr && hWnd != windows_.Desktop(), ERROR_INVALID_WINDOW_HANDLE)) return false;
    // A negative size leaves an empty window, as Win32 does.
    const host::Rect next{X, Y, X + std::max(0, nWidth), Y + std::max(0, nHeight)};
    const bool sizeChanged =
        next.right - next.left != w->rect.right - w->rect.left || next.bottom - next.top != w->rect.bottom - w->rect.top;
    w->rect = next;
    if (sizeChanged) resized = w->handler;
  }
  if (resized != nullptr) resized->OnSize();
  return true;
}

host::Hwnd SimDesktop::SetParent(host::Hwnd hWndChild, host::Hwnd hWndNewParent) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("SetParent", hWndChild, hWndNewParent))) return 0;
  const auto* w = windows_.Find(hWndChild);
  if (!RequireLocked(w != nullptr && (hWndNewParent == 0 || windows_.Contains(hWndNewParent)),
                     ERROR_INVALID_WINDOW_HANDLE)) {
    return 0;
  }
  const host::Hwnd previous = w->parent;
  // The position numbers stay as they are and now count in the new parent's
  // client coordinates; the window comes to the top of its new siblings.
  if (!RequireLocked(windows_.Reparent(hWndChild, hWndNewParent), ERROR_INVALID_PARAMETER)) return 0;
  return previous;
}

host::Hwnd SimDesktop::GetDesktopWindow() {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("GetDesktopWindow"));
  return windows_.Desktop();
}

bool SimDesktop::IsWindowVisible(host::Hwnd hWnd) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("IsWindowVisible", hWnd));
  return windows_.Visible(hWnd);
}

bool SimDesktop::IsIconic(host::Hwnd hWnd) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("IsIconic", hWnd));
  const auto* w = windows_.Find(hWnd);
  return w != nullptr && (w->style & host::WS_MINIMIZE) != 0;
}

host::Hwnd SimDesktop::GetWindow(host::Hwnd hWnd, std::uint32_t uCmd) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("GetWindow", hWnd, uCmd));
  const auto* w = windows_.Find(hWnd);
  if (!RequireLocked(w != nullptr && hWnd != windows_.Desktop(), ERROR_INVALID_WINDOW_HANDLE)) return 0;
  if (!RequireLocked(uCmd == host::GW_HWNDPREV || uCmd == GW_HWNDNEXT, ERROR_INVALID_PARAMETER)) return 0;
  const auto& siblings = windows_.Find(w->parent)->children;
  const auto at = std::find(siblings.begin(), siblings.end(), hWnd);
  // Children are kept bottom to top: the previous window in z-order is the next entry.
  if (uCmd == host::GW_HWNDPREV) return at + 1 == siblings.end() ? 0 : *(at + 1);
  return at == siblings.begin() ? 0 : *(at - 1);
}

host::Hwnd SimDesktop::GetAncestor(host::Hwnd hwnd, std::uint32_t gaFlags) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("GetAncestor", hwnd, gaFlags));
  const auto* w = windows_.Find(hwnd);
  return w == nullptr || gaFlags != host::GA_PARENT ? 0 : w->parent;
}

std::uint32_t SimDesktop::RealGetWindowClassW(host::Hwnd hwnd, char16_t* ptszClassName, std::uint32_t cchClassNameMax) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("RealGetWindowClassW", hwnd));
  const auto* w = windows_.Find(hwnd);
  if (!RequireLocked(w != nullptr, ERROR_INVALID_WINDOW_HANDLE)) return 0;
  return static_cast<std::uint32_t>(CopyText(w->className, ptszClassName, static_cast<int>(cchClassNameMax)));
}

int SimDesktop::GetWindowTextLengthW(host::Hwnd hWnd) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("GetWindowTextLengthW", hWnd));
  const auto* w = windows_.Find(hWnd);
  if (!RequireLocked(w != nullptr, ERROR_INVALID_WINDOW_HANDLE)) return 0;
  return static_cast<int>(w->text.size());
}

int SimDesktop::GetWindowTextW(host::Hwnd hWnd, char16_t* lpString, int nMaxCount) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("GetWindowTextW", hWnd));
  const auto* w = windows_.Find(hWnd);
  if (!RequireLocked(w != nullptr, ERROR_INVALID_WINDOW_HANDLE)) return 0;
  return CopyText(w->text, lpString, nMaxCount);
}

void SimDesktop::NotifyWinEvent(std::uint32_t event, host::Hwnd hwnd, std::int32_t idObject, std::int32_t idChild) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("NotifyWinEvent", event, hwnd, idObject, idChild));
  winEvents_.push_back({event, hwnd, idObject, idChild});
}

bool SimDesktop::DrawFrameControl(host::Hdc hdc, host::Rect* rect, std::uint32_t uType, std::uint32_t uState) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("DrawFrameControl", hdc, uType, uState))) return false;
  if (!RequireLocked(rect != nullptr, ERROR_INVALID_PARAMETER)) return false;
  drawLog_.push_back({DrawRecord::Kind::FrameControl, hdc, *rect, uType, uState});
  // DFCS_ADJUSTRECT hands back the area inside the control's 2-pixel edges.
  if ((uState & host::DFCS_ADJUSTRECT) != 0) *rect = {rect->left + 2, rect->top + 2, rect->right - 2, rect->bottom - 2};
  return true;
}

}  // namespace zelvane::sim
