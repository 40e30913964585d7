// Injected mouse and keyboard input: hooks first, then the target window.
#include <utility>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"
#include "host/sim/virtual_keys.h"

namespace zelvane::sim {
namespace {

// Client-area and non-client message ids of each button, for down, up, double-click.
struct ButtonMessages {
  std::uint32_t down, up, dblclk, ncDown, ncUp, ncDblclk;
};

ButtonMessages MessagesOf(int button) {
  switch (button) {
    case kRightButton: return {host::WM_RBUTTONDOWN, host::WM_RBUTTONUP, WM_RBUTTONDBLCLK, host::WM_NCRBUTTONDOWN,
                               WM_NCRBUTTONUP, host::WM_NCRBUTTONDOWN + 2};
    case kMiddleButton: return {host::WM_MBUTTONDOWN, host::WM_MBUTTONUP, WM_MBUTTONDBLCLK,
                                host::WM_NCMBUTTONDOWN, WM_NCMBUTTONUP, host::WM_NCMBUTTONDOWN + 2};
    default: return {host::WM_LBUTTONDOWN, host::WM_LBUTTONUP, host::WM_LBUTTONDBLCLK, host::WM_NCLBUTTONDOWN,
                     WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK};
  }
}

}  // namespace

SimDesktop::InputResult SimDesktop::MouseInput(MouseAction action, host::Point screen, int button, int shift) {
  if (action != MouseAction::Move && button != kLeftButton && button != kRightButton && button != kMiddleButton) {
    button = kLeftButton;
  }
  host::MouseHookStruct record{};
  std::uint32_t msg = 0;
  bool captured = false;
  bool client = false;
  SimWindowHandler* left = nullptr;
  {
    std::lock_guard lock(mutex_);
    left = LeftWindowLocked(screen);
    cursor_ = screen;
    captured = capture_ != 0;
    const host::Hwnd target = captured ? capture_ : windows_.WindowFromPoint(screen);
    client = captured || host::PtInRect(windows_.ClientRectOnScreen(target), screen);
    const ButtonMessages ids = MessagesOf(button);
    switch (action) {
      case MouseAction::Move: msg = client ? host::WM_MOUSEMOVE : WM_NCMOUSEMOVE; break;
      case MouseAction::Down: msg = client ? ids.down : ids.ncDown; break;
      case MouseAction::Up: msg = client ? ids.up : ids.ncUp; break;
      case MouseAction::DoubleClick: msg = client ? ids.dblclk : ids.ncDblclk; break;
    }
    if (action == MouseAction::Down || action == MouseAction::DoubleClick) heldButtons_ |= button;
    if (action == MouseAction::Up) heldButtons_ &= ~button;
    record = {screen, target, client ? HTCLIENT : HTBORDER, 0};
  }

  // Whatever the hooks and the window do (or throw), the capture ends once no
  // button is held any more.
  struct CaptureRelease {
    SimDesktop& desktop;
    ~CaptureRelease() {
      std::lock_guard lock(desktop.mutex_);
      if (desktop.heldButtons_ == 0) desktop.capture_ = 0;
    }
  } release{*this};

  if (left != nullptr) left->OnMouseLeave();
  if (RunHookChain(host::WH_MOUSE, HC_ACTION, msg, reinterpret_cast<host::LParam>(&record)) != 0) {
    return InputResult::Consumed;
  }

  SimWindowHandler* handler = nullptr;
  host::Point at = screen;
  int buttonArgument = button;
  {
    std::lock_guard lock(mutex_);
    // Checked again: a hook may have destroyed, disabled or hidden the target.
    const host::Hwnd target = record.hwnd;
    const auto* window = windows_.Find(target);
    if (window == nullptr || !client || !windows_.EnabledForInput(target) || (!captured && !windows_.Visible(target))) {
      return InputResult::Dropped;
    }
    if (action == MouseAction::Down || action == MouseAction::DoubleClick) capture_ = target;
    const host::Rect area = windows_.ClientRectOnScreen(target);
    at = {screen.x - area.left, screen.y - area.top};
    if (action == MouseAction::Move) buttonArgument = heldButtons_;
    handler = window->handler;
  }
  if (handler == nullptr) return InputResult::Dropped;
  handler->OnMouse(msg, at, buttonArgument, shift);
  return InputResult::Delivered;
}

// As TrackMouseEvent reports it: not while a window holds the capture, and a
// disabled window, which gets no mouse input, is never entered.
SimWindowHandler* SimDesktop::LeftWindowLocked(host::Point screen) {
  if (capture_ != 0) return nullptr;
  host::Hwnd over = windows_.WindowFromPoint(screen);
  if (!host::PtInRect(windows_.ClientRectOnScreen(over), screen) || !windows_.EnabledForInput(over)) over = 0;
  if (over == hover_) return nullptr;
  const auto* window = windows_.Find(std::exchange(hover_, over));
  return window != nullptr ? window->handler : nullptr;
}

bool SimDesktop::MouseMove(host::Point screen, int shift) {
  return MouseInput(MouseAction::Move, screen, 0, shift) == InputResult::Delivered;
}

bool SimDesktop::MouseDown(host::Point screen, int button, int shift) {
  return MouseInput(MouseAction::Down, screen, button, shift) == InputResult::Delivered;
}

bool SimDesktop::MouseUp(host::Point screen, int button, int shift) {
  return MouseInput(MouseAction::Up, screen, button, shift) == InputResult::Delivered;
}

void SimDesktop::Click(host::Point screen, int button, int shift) {
  MouseDown(screen, button, shift);
  MouseUp(screen, button, shift);
}

void SimDesktop::DoubleClick(host::Point screen, int button, int shift) {
  Click(screen, button, shift);
  MouseInput(MouseAction::DoubleClick, screen, button, shift);
  MouseUp(screen, button, shift);
}

int SimDesktop::HeldButtons() const {
  std::lock_guard lock(mutex_);
  return heldButtons_;
}

SimDesktop::InputResult SimDesktop::KeyInput(bool down, int vk, int shift) {
  // Repeat count 1; a release also carries the previous-state and transition bits.
  const host::LParam flags = down ? 1 : static_cast<host::LParam>(0xC0000001u);
  if (RunHookChain(host::WH_KEYBOARD, HC_ACTION, static_cast<host::WParam>(vk), flags) != 0) {
    return InputResult::Consumed;
  }
  SimWindowHandler* handler = nullptr;
  {
    std::lock_guard lock(mutex_);
    const auto* window = windows_.Find(focus_);
    if (window == nullptr || !windows_.EnabledForInput(focus_)) return InputResult::Dropped;
    handler = window->handler;
  }
  if (handler == nullptr) return InputResult::Dropped;
  if (down) {
    handler->OnKeyDown(vk, shift);
  } else {
    handler->OnKeyUp(vk, shift);
  }
  return InputResult::Delivered;
}

bool SimDesktop::KeyDown(int vk, int shift) { return KeyInput(true, vk, shift) == InputResult::Delivered; }

bool SimDesktop::KeyUp(int vk, int shift) { return KeyInput(false, vk, shift) == InputResult::Delivered; }

bool SimDesktop::Char(char16_t ch) {
  SimWindowHandler* handler = nullptr;
  {
    std::lock_guard lock(mutex_);
    const auto* window = windows_.Find(focus_);
    if (window == nullptr || !windows_.EnabledForInput(focus_)) return false;
    handler = window->handler;
  }
  if (handler == nullptr) return false;
  handler->OnChar(ch);
  return true;
}

void SimDesktop::PressKey(int vk, int shift) {
  // TranslateMessage makes the character from the key-down it saw; a key-down a
  // hook ate never reaches it.
  if (KeyInput(true, vk, shift) != InputResult::Consumed) {
    if (const char16_t ch = CharForKey(vk, shift); ch != 0) Char(ch);
  }
  KeyInput(false, vk, shift);
}

void SimDesktop::Type(std::u16string_view text) {
  for (const char16_t ch : text) {
    const KeyStroke key = KeyForChar(ch);
    if (KeyInput(true, key.vk, key.shift) != InputResult::Consumed) Char(ch);
    KeyInput(false, key.vk, key.shift);
  }
}

}  // namespace zelvane::sim
