#include "host/sim/sim_desktop.h"

#include <algorithm>

#include "host/sim/sim_messages.h"

namespace zelvane::sim {

SimDesktop::SimDesktop(int screenWidth, int screenHeight)
    : windows_(screenWidth, screenHeight),
      monitors_{{{0, 0, screenWidth, screenHeight}, {0, 0, screenWidth, screenHeight}}} {}

SimDesktop::~SimDesktop() = default;

host::Hwnd SimDesktop::CreateWindow(std::u16string className, host::Hwnd parent, std::intptr_t style,
                                    std::intptr_t exStyle, host::Rect rectInParentClient, SimWindowHandler* handler) {
  std::lock_guard lock(mutex_);
  return windows_.Create(std::move(className), parent, style, exStyle, rectInParentClient, handler);
}

bool SimDesktop::DestroyWindow(host::Hwnd hwnd) {
  std::lock_guard lock(mutex_);
  const auto removed = windows_.Destroy(hwnd);
  if (removed.empty()) {
    SetLastErrorLocked(ERROR_INVALID_WINDOW_HANDLE);
    return false;
  }
  const auto gone = [&](host::Hwnd h) { return std::find(removed.begin(), removed.end(), h) != removed.end(); };
  if (gone(focus_)) focus_ = 0;
  if (gone(capture_)) capture_ = 0;
  return true;
}

bool SimDesktop::IsWindow(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  return windows_.Contains(hwnd);
}

void SimDesktop::SetHandler(host::Hwnd hwnd, SimWindowHandler* handler) {
  std::lock_guard lock(mutex_);
  if (auto* w = windows_.Find(hwnd)) w->handler = handler;
}

std::vector<SimWindowHandler*> SimDesktop::HandlersLocked() const {
  std::vector<SimWindowHandler*> handlers;
  std::vector<host::Hwnd> pending{windows_.Desktop()};
  while (!pending.empty()) {
    const SimWindow* window = windows_.Find(pending.back());
    pending.pop_back();
    if (window == nullptr) continue;
    if (window->handler != nullptr) handlers.push_back(window->handler);
    pending.insert(pending.end(), window->children.begin(), window->children.end());
  }
  return handlers;
}

std::u16string SimDesktop::ClassName(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w == nullptr ? std::u16string() : w->className;
}

void SimDesktop::SetWindowText(host::Hwnd hwnd, std::u16string text) {
  std::lock_guard lock(mutex_);
  if (auto* w = windows_.Find(hwnd)) w->text = std::move(text);
}

bool SimDesktop::ShowWindow(host::Hwnd hwnd, bool show) {
  bool wasVisible = false;
  {
    std::lock_guard lock(mutex_);
    auto* w = windows_.Find(hwnd);
    if (w == nullptr) return false;
    wasVisible = (w->style & WS_VISIBLE) != 0;
    w->style = show ? (w->style | WS_VISIBLE) : (w->style & ~WS_VISIBLE);
    if (show) windows_.BringToTop(hwnd);
  }
  if (wasVisible != show) DeliverSent(hwnd, host::WM_WINDOWPOSCHANGED, 0, 0);
  return wasVisible;
}

void SimDesktop::MinimizeWindow(host::Hwnd hwnd, bool minimize) {
  {
    std::lock_guard lock(mutex_);
    auto* w = windows_.Find(hwnd);
    if (w == nullptr) return;
    w->style = minimize ? (w->style | host::WS_MINIMIZE) : (w->style & ~host::WS_MINIMIZE);
  }
  DeliverSent(hwnd, host::WM_WINDOWPOSCHANGED, 0, 0);
}

void SimDesktop::ActivateApp(bool active) {
  for (const host::Hwnd window : Children(windows_.Desktop())) {
    DeliverSent(window, host::WM_ACTIVATEAPP, active ? 1 : 0, 0);
  }
}

host::LResult SimDesktop::DeliverSent(host::Hwnd hwnd, std::uint32_t msg, host::WParam wParam, host::LParam lParam) {
  host::CwpStruct record{lParam, wParam, msg, hwnd};
  RunHookChain(host::WH_CALLWNDPROC, HC_ACTION, 0, reinterpret_cast<host::LParam>(&record));
  SimWindowHandler* handler = nullptr;
  {
    // Looked up after the hooks, which may have destroyed the window.
    std::lock_guard lock(mutex_);
    const auto* w = windows_.Find(hwnd);
    if (w == nullptr) return 0;
    handler = w->handler;
  }
  return handler == nullptr ? 0 : handler->OnMessage(msg, wParam, lParam);
}

bool SimDesktop::IsShown(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w != nullptr && (w->style & WS_VISIBLE) != 0;
}

bool SimDesktop::EnableWindow(host::Hwnd hwnd, bool enable) {
  std::lock_guard lock(mutex_);
  auto* w = windows_.Find(hwnd);
  if (w == nullptr) return false;
  const bool wasDisabled = (w->style & WS_DISABLED) != 0;
  w->style = enable ? (w->style & ~WS_DISABLED) : (w->style | WS_DISABLED);
  // Disabling a window cancels a capture held inside it, as WM_CANCELMODE does.
  if (!enable && capture_ != 0 && windows_.IsSelfOrAncestor(hwnd, capture_)) capture_ = 0;
  return wasDisabled;
}

bool SimDesktop::IsWindowEnabled(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w != nullptr && (w->style & WS_DISABLED) == 0;
}

host::Hwnd SimDesktop::GetParent(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w == nullptr ? 0 : w->parent;
}

std::vector<host::Hwnd> SimDesktop::Children(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w == nullptr ? std::vector<host::Hwnd>{} : w->children;
}

void SimDesktop::BringToTop(host::Hwnd hwnd) {
  std::lock_guard lock(mutex_);
  windows_.BringToTop(hwnd);
}

void SimDesktop::SetBorder(host::Hwnd hwnd, int thickness) {
  SimWindowHandler* handler = nullptr;
  {
    std::lock_guard lock(mutex_);
    auto* w = windows_.Find(hwnd);
    if (w == nullptr || w->border == thickness) return;
    w->border = std::max(0, thickness);
    handler = w->handler;
  }
  // The client area changed size.
  if (handler != nullptr) handler->OnSize();
}

int SimDesktop::Border(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w == nullptr ? 0 : w->border;
}

void SimDesktop::SetStyleBits(host::Hwnd hwnd, bool on, std::intptr_t styles, std::intptr_t exStyles) {
  std::lock_guard lock(mutex_);
  auto* w = windows_.Find(hwnd);
  if (w == nullptr) return;
  w->style = on ? (w->style | styles) : (w->style & ~styles);
  w->exStyle = on ? (w->exStyle | exStyles) : (w->exStyle & ~exStyles);
}

host::Rect SimDesktop::RectInParent(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  const auto* w = windows_.Find(hwnd);
  return w == nullptr ? host::Rect{} : w->rect;
}

host::Rect SimDesktop::ClientRectOnScreen(host::Hwnd hwnd) const {
  std::lock_guard lock(mutex_);
  return windows_.ClientRectOnScreen(hwnd);
}

host::Hwnd SimDesktop::WindowFromPoint(host::Point screen) const {
  std::lock_guard lock(mutex_);
  return windows_.WindowFromPoint(screen);
}

int SimDesktop::ScreenWidth() const { return windows_.ScreenWidth(); }

int SimDesktop::ScreenHeight() const { return windows_.ScreenHeight(); }

host::Hwnd SimDesktop::SetFocus(host::Hwnd hwnd) {
  SimWindowHandler* losing = nullptr;
  SimWindowHandler* gaining = nullptr;
  host::Hwnd previous = 0;
  {
    std::lock_guard lock(mutex_);
    if (hwnd != 0 && !windows_.Contains(hwnd)) return 0;
    previous = focus_;
    if (previous == hwnd) return previous;
    focus_ = hwnd;
    if (const auto* w = windows_.Find(previous)) losing = w->handler;
    if (const auto* w = windows_.Find(hwnd)) gaining = w->handler;
  }
  if (losing != nullptr) losing->OnFocus(false);
  if (gaining != nullptr) gaining->OnFocus(true);
  return previous;
}

host::Hwnd SimDesktop::GetFocus() const {
  std::lock_guard lock(mutex_);
  return focus_;
}

host::Hwnd SimDesktop::GetCapture() const {
  std::lock_guard lock(mutex_);
  return capture_;
}

std::u16string SimDesktop::ClipboardText() const {
  std::lock_guard lock(mutex_);
  return clipboard_;
}

void SimDesktop::SetClipboardText(std::u16string text) {
  std::lock_guard lock(mutex_);
  clipboard_ = std::move(text);
}

const std::vector<DrawRecord>& SimDesktop::DrawLog() const { return drawLog_; }

std::vector<DrawRecord> SimDesktop::DrawCalls(DrawRecord::Kind kind) const {
  std::lock_guard lock(mutex_);
  std::vector<DrawRecord> calls;
  std::copy_if(drawLog_.begin(), drawLog_.end(), std::back_inserter(calls),
               [kind](const DrawRecord& r) { return r.kind == kind; });
  return calls;
}

std::vector<DrawRecord> SimDesktop::FrameControlCalls() const { return DrawCalls(DrawRecord::Kind::FrameControl); }

int SimDesktop::ClsCount(host::Hdc hdc) const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(std::count_if(drawLog_.begin(), drawLog_.end(), [&](const DrawRecord& r) {
    return r.kind == DrawRecord::Kind::Cls && r.hdc == hdc;
  }));
}

void SimDesktop::LogCls(host::Hdc hdc) {
  std::lock_guard lock(mutex_);
  drawLog_.push_back({DrawRecord::Kind::Cls, hdc, {}, 0, 0});
}

void SimDesktop::ClearDrawLog() {
  std::lock_guard lock(mutex_);
  drawLog_.clear();
}

const std::vector<SentMessage>& SimDesktop::SentLog() const { return sentLog_; }

void SimDesktop::ClearSentLog() {
  std::lock_guard lock(mutex_);
  sentLog_.clear();
}

const std::vector<WinEventRecord>& SimDesktop::WinEvents() const { return winEvents_; }

void SimDesktop::ClearWinEvents() {
  std::lock_guard lock(mutex_);
  winEvents_.clear();
}

const std::vector<std::string>& SimDesktop::CallLog() const { return callLog_; }

void SimDesktop::ClearCallLog() {
  std::lock_guard lock(mutex_);
  callLog_.clear();
}

void SimDesktop::SetCallLogging(bool on) {
  std::lock_guard lock(mutex_);
  callLogging_ = on;
}

void SimDesktop::LogCallLocked(std::string call) {
  if (callLogging_) callLog_.push_back(std::move(call));
}

bool SimDesktop::EnterFailingLocked(std::string call) {
  const std::string function = call.substr(0, call.find('('));
  LogCallLocked(std::move(call));
  return FailingLocked(function);
}

bool SimDesktop::RequireLocked(bool condition, std::uint32_t error) {
  if (!condition) SetLastErrorLocked(error);
  return condition;
}

}  // namespace zelvane::sim
