#include "host/sim/sim_text_box.h"

#include <algorithm>

#include "core/vb_errors.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/rect_size.h"
#include "host/sim/sim_messages.h"
#include "host/sim/vb_mouse_args.h"

namespace zelvane::sim {
namespace {

void RequireNotNegative(std::int32_t value) {
  if (value < 0) core::RaiseVbError(core::VbError::InvalidPropertyValue);
}

bool IsWordChar(char16_t ch) { return ch != u' ' && ch != u'\t'; }

}  // namespace

SimTextBox::SimTextBox(SimDesktop& desktop, host::Hwnd parent, host::Rect rect)
    : desktop_(desktop), hwnd_(desktop.CreateWindow(u"Edit", parent, host::WS_CHILD | WS_VISIBLE, 0, rect, this)) {}

SimTextBox::~SimTextBox() {
  if (desktop_.IsWindow(hwnd_)) desktop_.DestroyWindow(hwnd_);
}

bool SimTextBox::Visible() const { return desktop_.IsShown(hwnd_); }

void SimTextBox::SetVisible(bool visible) { desktop_.ShowWindow(hwnd_, visible); }

bool SimTextBox::Enabled() const { return desktop_.IsWindowEnabled(hwnd_); }

void SimTextBox::SetEnabled(bool enabled) { desktop_.EnableWindow(hwnd_, enabled); }

bool SimTextBox::Focused() const { return desktop_.GetFocus() == hwnd_; }

void SimTextBox::SetText(const std::u16string& text) {
  // Setting the text the box already holds changes nothing, not even the caret.
  if (text != text_) ChangeText(text, 0);
}

std::int32_t SimTextBox::SelStart() const { return std::min(anchor_, caret_); }

std::int32_t SimTextBox::SelLength() const { return std::max(anchor_, caret_) - SelStart(); }

void SimTextBox::SetSelStart(std::int32_t start) {
  RequireNotNegative(start);
  MoveCaret(start, false);
}

void SimTextBox::SetSelLength(std::int32_t length) {
  RequireNotNegative(length);
  const std::int32_t start = SelStart();
  anchor_ = start;
  caret_ = start + std::min(length, static_cast<std::int32_t>(text_.size()) - start);
}

std::u16string SimTextBox::SelText() const {
  return text_.substr(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelLength()));
}

void SimTextBox::SetSelText(const std::u16string& text) { ReplaceSelection(text); }

void SimTextBox::ReplaceSelection(const std::u16string& text) {
  const auto start = static_cast<std::size_t>(SelStart());
  std::u16string next = text_;
  next.replace(start, static_cast<std::size_t>(SelLength()), text);
  ChangeText(std::move(next), static_cast<std::int32_t>(start + text.size()));
}

void SimTextBox::ChangeText(std::u16string text, std::int32_t caret) {
  const bool changed = text != text_;
  text_ = std::move(text);
  anchor_ = caret_ = caret;
  if (!changed) return;
  ++changes_;
  if (events_ != nullptr) events_->txt_Change();
}

void SimTextBox::MoveCaret(std::int32_t to, bool extend) {
  caret_ = std::clamp<std::int32_t>(to, 0, static_cast<std::int32_t>(text_.size()));
  if (!extend) anchor_ = caret_;
}

void SimTextBox::Cut() {
  if (SelLength() == 0) return;
  Copy();
  ReplaceSelection(u"");
}

void SimTextBox::Copy() const {
  if (SelLength() > 0) desktop_.SetClipboardText(SelText());
}

void SimTextBox::Paste() {
  // A single-line edit takes the clipboard up to its first line break.
  std::u16string text = desktop_.ClipboardText();
  text = text.substr(0, text.find_first_of(u"\r\n"));
  ReplaceSelection(text);
}

std::int32_t SimTextBox::Top() const { return desktop_.RectInParent(hwnd_).top; }

std::int32_t SimTextBox::Left() const { return desktop_.RectInParent(hwnd_).left; }

std::int32_t SimTextBox::Width() const { return RectWidth(desktop_.RectInParent(hwnd_)); }

std::int32_t SimTextBox::Height() const { return RectHeight(desktop_.RectInParent(hwnd_)); }

void SimTextBox::Move(host::Rect rect) {
  desktop_.MoveWindow(hwnd_, rect.left, rect.top, RectWidth(rect), RectHeight(rect), true);
}

void SimTextBox::SetRightToLeft(bool rightToLeft) {
  desktop_.SetStyleBits(hwnd_, rightToLeft, host::ES_RIGHT, host::WS_EX_RTLREADING | host::WS_EX_RIGHT);
}

void SimTextBox::SetLeft(std::int32_t left) {
  const host::Rect r = desktop_.RectInParent(hwnd_);
  Move({left, r.top, left + RectWidth(r), r.bottom});
}

void SimTextBox::SetTop(std::int32_t top) {
  const host::Rect r = desktop_.RectInParent(hwnd_);
  Move({r.left, top, r.right, top + RectHeight(r)});
}

void SimTextBox::SetWidth(std::int32_t width) {
  RequireNotNegative(width);
  const host::Rect r = desktop_.RectInParent(hwnd_);
  Move({r.left, r.top, r.left + width, r.bottom});
}

void SimTextBox::SetHeight(std::int32_t height) {
  RequireNotNegative(height);
  const host::Rect r = desktop_.RectInParent(hwnd_);
  Move({r.left, r.top, r.right, r.top + height});
}

void SimTextBox::OnKeyDown(int& vk, int shift) {
  auto keyCode = static_cast<std::int16_t>(vk);
  auto shiftArg = static_cast<std::int16_t>(shift);
  if (events_ != nullptr) events_->txt_KeyDown(keyCode, shiftArg);
  vk = keyCode;
  if (keyCode != 0) HandleKey(keyCode, shiftArg);
}

void SimTextBox::OnKeyUp(int& vk, int shift) {
  auto keyCode = static_cast<std::int16_t>(vk);
  auto shiftArg = static_cast<std::int16_t>(shift);
  if (events_ != nullptr) events_->txt_KeyUp(keyCode, shiftArg);
  vk = keyCode;
}

void SimTextBox::OnChar(char16_t& ch) {
  auto keyAscii = static_cast<std::int16_t>(ch);
  if (events_ != nullptr) events_->txt_KeyPress(keyAscii);
  ch = static_cast<char16_t>(static_cast<std::uint16_t>(keyAscii));
  if (ch != 0) HandleChar(ch);
}

void SimTextBox::HandleKey(int vk, int shift) {
  const bool extend = (shift & kShiftMask) != 0;
  const auto length = static_cast<std::int32_t>(text_.size());
  switch (vk) {
    case VK_DELETE:
      if (extend) {
        Cut();
      } else if (SelLength() > 0) {
        ReplaceSelection(u"");
      } else if (caret_ < length) {
        SetSelLength(1);
        ReplaceSelection(u"");
      }
      break;
    case 0x2D:  // Insert: Shift pastes, Ctrl copies
      if (extend) Paste();
      if ((shift & kCtrlMask) != 0) Copy();
      break;
    case VK_LEFT:
      MoveCaret((!extend && SelLength() > 0) ? SelStart() : caret_ - 1, extend);
      break;
    case VK_RIGHT:
      MoveCaret((!extend && SelLength() > 0) ? SelStart() + SelLength() : caret_ + 1, extend);
      break;
    case VK_HOME: MoveCaret(0, extend); break;
    case VK_END: MoveCaret(length, extend); break;
    default: break;
  }
}

void SimTextBox::HandleChar(char16_t ch) {
  switch (ch) {
    case VK_BACK:
      if (SelLength() == 0 && caret_ > 0) anchor_ = caret_ - 1;
      ReplaceSelection(u"");
      return;
    case 0x03: Copy(); return;
    case 0x16: Paste(); return;
    case 0x18: Cut(); return;
    default: break;
  }
  if (ch >= 0x20) ReplaceSelection(std::u16string(1, ch));
}

std::int32_t SimTextBox::PositionFromX(std::int32_t x) const {
  const int width = std::max(1, charWidth_);
  return std::clamp<std::int32_t>((x + width / 2) / width, 0, static_cast<std::int32_t>(text_.size()));
}

void SimTextBox::SelectWordAt(std::int32_t position) {
  auto start = static_cast<std::size_t>(position);
  auto end = start;
  while (start > 0 && IsWordChar(text_[start - 1])) --start;
  while (end < text_.size() && IsWordChar(text_[end])) ++end;
  anchor_ = static_cast<std::int32_t>(start);
  caret_ = static_cast<std::int32_t>(end);
}

void SimTextBox::OnMouse(std::uint32_t msg, host::Point client, int button, int shift) {
  VbMouseArgs a(client, button, shift);
  switch (msg) {
    case host::WM_LBUTTONDOWN:
      desktop_.SetFocus(hwnd_);
      pressed_ = true;
      afterDoubleClick_ = false;
      MoveCaret(PositionFromX(client.x), (shift & kShiftMask) != 0);
      if (events_ != nullptr) events_->txt_MouseDown(a.button, a.shift, a.x, a.y);
      break;
    case host::WM_LBUTTONDBLCLK:
      // The second press of a double-click raises DblClick instead of MouseDown.
      pressed_ = true;
      afterDoubleClick_ = true;
      SelectWordAt(PositionFromX(client.x));
      if (events_ != nullptr) events_->txt_DblClick();
      break;
    case host::WM_RBUTTONDOWN:
    case host::WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (events_ != nullptr) events_->txt_MouseDown(a.button, a.shift, a.x, a.y);
      break;
    case host::WM_MOUSEMOVE:
      if (pressed_ && (button & kLeftButton) != 0) MoveCaret(PositionFromX(client.x), true);
      if (events_ != nullptr) events_->txt_MouseMove(a.button, a.shift, a.x, a.y);
      break;
    case host::WM_LBUTTONUP: {
      const bool click = pressed_ && !afterDoubleClick_ && client.x >= 0 && client.y >= 0 &&
                         client.x < Width() && client.y < Height();
      pressed_ = false;
      afterDoubleClick_ = false;
      if (events_ != nullptr) events_->txt_MouseUp(a.button, a.shift, a.x, a.y);
      if (click && events_ != nullptr) events_->txt_Click();
      break;
    }
    case host::WM_RBUTTONUP:
    case host::WM_MBUTTONUP:
      if (events_ != nullptr) events_->txt_MouseUp(a.button, a.shift, a.x, a.y);
      break;
    default: break;
  }
}

void SimTextBox::OnFocus(bool gained) {
  if (events_ == nullptr) return;
  if (gained) {
    events_->txt_GotFocus();
  } else {
    events_->txt_LostFocus();
  }
}

void SimTextBox::OnMouseLeave() {
  if (events_ != nullptr) events_->txt_MouseLeave();
}

}  // namespace zelvane::sim
