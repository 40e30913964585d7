#include "host/sim/sim_list_box.h"

#include <algorithm>
#include <cmath>

#include "core/vb_errors.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/rect_size.h"
#include "host/sim/sim_messages.h"
#include "host/sim/vb_mouse_args.h"

namespace zelvane::sim {
namespace {

std::int32_t IndexFromWParam(host::WParam wParam) {
  return static_cast<std::int32_t>(static_cast<std::intptr_t>(wParam));
}

}  // namespace

SimListBox::SimListBox(SimDesktop& desktop, host::Hwnd parent, host::Rect rect)
    : desktop_(desktop), hwnd_(desktop.CreateWindow(u"ListBox", parent, host::WS_CHILD, 0, rect, this)) {}

SimListBox::~SimListBox() {
  if (desktop_.IsWindow(hwnd_)) desktop_.DestroyWindow(hwnd_);
}

bool SimListBox::Visible() const { return desktop_.IsShown(hwnd_); }

void SimListBox::SetVisible(bool visible) { desktop_.ShowWindow(hwnd_, visible); }

void SimListBox::Clear() {
  rows_.clear();
  selected_ = -1;
  top_ = 0;
}

void SimListBox::AddItem(const std::u16string& item) {
  rows_.push_back(item);
  ++(redraw_ ? rowsAddedLoudly_ : rowsAddedQuietly_);
}

void SimListBox::RemoveItem(std::int32_t index) {
  if (index < 0 || index >= ListCount()) core::RaiseVbError(core::VbError::InvalidArgument);
  rows_.erase(rows_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
  ClampTop();
}

std::u16string SimListBox::List(std::int32_t index) const {
  return (index >= 0 && index < ListCount()) ? rows_[static_cast<std::size_t>(index)] : std::u16string();
}

void SimListBox::SetListIndex(std::int32_t index) {
  if (index < -1 || index >= ListCount()) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  Select(index);
}

void SimListBox::SetRedraw(bool redraw) {
  ++(redraw ? redrawOns_ : redrawOffs_);
  redraw_ = redraw;
}

void SimListBox::SetRightToLeft(bool rightToLeft) {
  desktop_.SetStyleBits(hwnd_, rightToLeft, 0,
                        host::WS_EX_RTLREADING | host::WS_EX_RIGHT | host::WS_EX_LEFTSCROLLBAR);
}

std::int32_t SimListBox::Width() const { return RectWidth(desktop_.RectInParent(hwnd_)); }

void SimListBox::SetWidth(std::int32_t width) {
  if (width < 0) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  const host::Rect r = desktop_.RectInParent(hwnd_);
  desktop_.MoveWindow(hwnd_, r.left, r.top, width, RectHeight(r), true);
}

void SimListBox::SetItemHeight(int pixels) {
  itemHeight_ = std::max(1, pixels);
  ClampTop();
}

void SimListBox::SetFontResolution(float twipsPerPixel) {
  if (fontTwipsPerPixel_ > 0.0f && twipsPerPixel > 0.0f)
    SetItemHeight(static_cast<int>(std::lround(static_cast<float>(itemHeight_) * fontTwipsPerPixel_ / twipsPerPixel)));
  fontTwipsPerPixel_ = twipsPerPixel;
}

void SimListBox::SetTopIndex(std::int32_t index) {
  top_ = index;
  ClampTop();
}

std::int32_t SimListBox::VisibleRowCount() const {
  return std::max(1, RectHeight(desktop_.ClientRectOnScreen(hwnd_)) / itemHeight_);
}

void SimListBox::ClampTop() {
  top_ = std::clamp<std::int32_t>(top_, 0, std::max(0, ListCount() - VisibleRowCount()));
}

void SimListBox::Select(std::int32_t index) {
  selected_ = index;
  if (index >= 0) ScrollIntoView(index);
}

void SimListBox::ScrollIntoView(std::int32_t index) {
  const std::int32_t visible = VisibleRowCount();
  if (index < top_) top_ = index;
  if (index >= top_ + visible) top_ = index - visible + 1;
}

std::int32_t SimListBox::RowAtClient(host::Point client) const {
  const host::Rect area = desktop_.ClientRectOnScreen(hwnd_);
  if (client.x < 0 || client.y < 0 || client.x >= RectWidth(area) || client.y >= RectHeight(area)) {
    return -1;
  }
  const std::int32_t row = top_ + client.y / itemHeight_;
  return row < ListCount() ? row : -1;
}

int SimListBox::ItemFromPt(host::Point screen, bool /*autoScroll*/) {
  // The sim never scrolls on the caller's behalf: a point off the rows is -1.
  const host::Rect area = desktop_.ClientRectOnScreen(hwnd_);
  return RowAtClient({screen.x - area.left, screen.y - area.top});
}

host::LResult SimListBox::SetCurSel(std::int32_t index) {
  // -1 clears the selection and still answers LB_ERR, as the system's list box does.
  if (index == -1) {
    selected_ = -1;
    return host::LB_ERR;
  }
  if (index < 0 || index >= ListCount()) return host::LB_ERR;
  Select(index);
  return index;
}

host::LResult SimListBox::OnMessage(std::uint32_t msg, host::WParam wParam, host::LParam /*lParam*/) {
  switch (msg) {
    case host::LB_GETITEMHEIGHT: return itemHeight_;
    case host::LB_GETCURSEL: return selected_;
    case host::LB_SETCURSEL: return SetCurSel(IndexFromWParam(wParam));
    case LB_GETCOUNT: return ListCount();
    case LB_GETTOPINDEX: return top_;
    case LB_SETTOPINDEX: {
      const std::int32_t index = IndexFromWParam(wParam);
      if (index < 0 || index >= std::max(1, ListCount())) return host::LB_ERR;
      SetTopIndex(index);
      return 0;
    }
    default: return 0;
  }
}

void SimListBox::OnMouse(std::uint32_t msg, host::Point client, int button, int shift) {
  VbMouseArgs a(client, button, shift);
  switch (msg) {
    case host::WM_LBUTTONDOWN:
    case host::WM_LBUTTONDBLCLK:
      if (const std::int32_t row = RowAtClient(client); row >= 0) Select(row);
      break;
    case host::WM_MOUSEMOVE:
      // While the left button is held the selection follows the pointer.
      if ((button & kLeftButton) != 0) {
        if (const std::int32_t row = RowAtClient(client); row >= 0) Select(row);
      }
      if (events_ != nullptr) events_->lst_MouseMove(a.button, a.shift, a.x, a.y);
      break;
    case host::WM_LBUTTONUP:
    case host::WM_RBUTTONUP:
    case host::WM_MBUTTONUP:
      if (events_ != nullptr) events_->lst_MouseUp(a.button, a.shift, a.x, a.y);
      break;
    default: break;
  }
}

void SimListBox::OnSize() { ClampTop(); }

void SimListBox::OnScreenChanged() {
  if (events_ != nullptr) events_->lst_ScreenChanged();
}

std::vector<host::RowMatcher::Span> SimListBox::DrawnBoldSpans() const {
  std::vector<host::RowMatcher::Span> spans;
  if (matcher_ == nullptr) return spans;
  const std::int32_t end = std::min(ListCount(), top_ + VisibleRowCount());
  for (std::int32_t row = top_; row < end; ++row) {
    spans.push_back(matcher_->MatchedSpan(rows_[static_cast<std::size_t>(row)]));
  }
  return spans;
}

}  // namespace zelvane::sim
