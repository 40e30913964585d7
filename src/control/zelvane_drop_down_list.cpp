#include <algorithm>
#include <limits>
#include <memory>

#include "control/drop_down_placement.h"
#include "control/redraw_pause.h"
#include "control/zelvane.h"
#include "core/bankers_round.h"
#include "host/control_hold.h"
#include "itemlist/fifo_enumerator.h"

namespace zelvane::control {

void Zelvane::ShowList() {
  PlaceList();
  Raise(&host::HostEvents::DropDownList);
}

void Zelvane::PlaceList() {
  host::Rect window{};
  site_.windows.GetWindowRect(site_.surface.hWnd(), &window);
  const std::int32_t height = DropDownHeight();
  const std::optional<host::Rect> work = WorkAreaFor(window);
  const host::Point at = DropDownPosition(work, window, height, RightToLeft());
  const bool opening = !cd_->Shown();
  cd_->SetOwnerWindow(site_.surface.hWnd());
  cd_->Show(site_.lst, at.x, at.y, window.right - window.left, height, true);
  if (work) placedWorkArea_ = PlacedWorkArea{window, *work};
  if (!opening) return;
  if (cd_->Shown()) AnnounceListShown();
  EscapeClaimChanged();
}

std::optional<host::Rect> Zelvane::WorkAreaFor(const host::Rect& control) {
  if (placedWorkArea_ && placedWorkArea_->control == control) return placedWorkArea_->work;
  return MonitorWorkArea(site_.windows, control);
}

void Zelvane::lst_ScreenChanged() { placedWorkArea_.reset(); }

void Zelvane::HideList() {
  if (cd_->Shown()) cd_->Hide();
}

void Zelvane::ShowFullList() {
  {
    host::ListBox& lst = *site_.lst;
    RedrawPause pause(lst);
    lst.Clear();
    matchedSpans_.SetFilter({}, false);
    itemlist::FifoEnumerator items = itemList_->NewEnum();
    std::u16string item;
    while (items.Next(item)) lst.AddItem(item);
  }
  ShowList();
}

void Zelvane::AcceptListItem() {
  const std::int32_t row = site_.lst->ListIndex();
  // With no row selected (a release on the list's border) the text stays as it is.
  if (row >= 0) site_.txt.SetText(site_.lst->List(row));
  // The new text raised Change, in which the host may have closed the control.
  if (Closed()) return;
  site_.tmr.SetEnabled(false);
  CaretToEnd();
  if (row >= 0) AnnounceTextAccepted();
  cd_->Hide();
  Raise(&host::HostEvents::ListClick);
}

void Zelvane::CaretToEnd() {
  site_.txt.SetSelStart(static_cast<std::int32_t>(site_.txt.Text().size()));
  site_.txt.SetSelLength(0);
}

// The height follows the row height the list box reports; a failed or absurd
// answer gives 0 (the window system reports failures by value, never by throwing).
std::int32_t Zelvane::DropDownHeight() {
  const std::int32_t count = site_.lst->ListCount();
  if (count <= 0) return 0;
  const std::int64_t shown = std::min<std::int32_t>(count, options_.ListRows);
  const std::int64_t rowHeight = site_.windows.SendMessageW(site_.lst->hWnd(), host::LB_GETITEMHEIGHT, 0, 0);
  if (rowHeight <= 0) return 0;
  const std::int64_t height = rowHeight * shown + 2;
  return height > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<std::int32_t>(height);
}

// Keeps the row under the pointer selected. -1 from either call (no row, or a
// failure) is passed along as the system gives it: selecting -1 clears the row.
void Zelvane::HotTrackList(host::Hwnd hWnd, float X, float Y) {
  const host::Point point{static_cast<std::int32_t>(core::BankersRound(X)),
                          static_cast<std::int32_t>(core::BankersRound(Y))};
  const int row = site_.windows.LBItemFromPt(hWnd, point, false);
  const host::LResult selected = site_.windows.SendMessageW(hWnd, host::LB_GETCURSEL, 0, 0);
  if (row != selected) {
    site_.windows.SendMessageW(hWnd, host::LB_SETCURSEL, static_cast<host::WParam>(static_cast<std::intptr_t>(row)), 0);
    AnnounceHighlight();
  }
}

void Zelvane::LeaveListRule() {
  if (listHover_ && site_.lst->Visible()) {
    site_.lst->SetListIndex(-1);
    listHover_ = false;
  }
}

void Zelvane::lst_MouseMove(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {
  listHover_ = true;
  host::Point cursor{};
  site_.windows.GetCursorPos(&cursor);
  HotTrackList(site_.lst->hWnd(), static_cast<float>(cursor.x), static_cast<float>(cursor.y));
}

void Zelvane::lst_MouseUp(std::int16_t& /*Button*/, std::int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {
  const host::ControlHold hold(site_.owner);
  // A closed control's list takes no row, even from a release still on its way.
  if (!Closed()) AcceptListItem();
}

// Also raised from inside the mouse hook, which holds the control through the drop-down.
void Zelvane::cd_HideControl() {
  const host::ControlHold hold(site_.owner);
  AnnounceListHidden();
  AnnounceTextFocus();
  EscapeClaimChanged();
  Raise(&host::HostEvents::CloseUpList);
}

}  // namespace zelvane::control
