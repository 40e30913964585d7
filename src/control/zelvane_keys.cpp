#include <algorithm>
#include <optional>
#include <string>

#include "control/zelvane.h"

namespace zelvane::control {
namespace {

constexpr std::int16_t kKeyReturn = 13;
constexpr std::int16_t kKeyEscape = 27;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyDown = 40;
constexpr std::int16_t kKeyDelete = 46;
constexpr std::int16_t kShiftMask = 1;

}  // namespace

void Zelvane::HandleKey(std::int16_t& KeyCode, std::int16_t Shift) {
  switch (KeyCode) {
    case kKeyReturn: HandleEnter(KeyCode); break;
    case kKeyDown: HandleDown(); break;
    case kKeyUp: HandleUp(); break;
    case kKeyDelete: HandleDelete(KeyCode, Shift); break;
    case kKeyEscape: HandleEscape(KeyCode); break;
    default: break;
  }
}

void Zelvane::HandleEnter(std::int16_t& KeyCode) {
  host::ListBox& lst = *site_.lst;
  if (lst.Visible() && lst.ListIndex() >= 0 && !ShowsAppendedRow()) {
    AcceptListItem();
    // The host may have closed the control in one of the events of accepting.
    if (Closed()) return;
  } else if (SaveOnReturn) {
    AddToList(site_.txt.Text());
    KeyCode = 0;
  }
  if (appendedText_) CaretToEnd();
  HideList();
}

void Zelvane::HandleDown() {
  host::ListBox& lst = *site_.lst;
  if (lst.Visible()) {
    // No wrap-around at the last row.
    if (lst.ListIndex() < lst.ListCount() - 1) {
      lst.SetListIndex(lst.ListIndex() + 1);
      AnnounceHighlight();
    }
  } else {
    FilterOrShowAll();
  }
}

void Zelvane::HandleUp() {
  host::ListBox& lst = *site_.lst;
  if (lst.Visible() && lst.ListIndex() > -1) {
    lst.SetListIndex(lst.ListIndex() - 1);
    AnnounceHighlight();
  }
}

// Shift+Delete on a highlighted row is the removal gesture; the text box never
// sees that press, so it cuts nothing. Any other Delete is the text box's.
void Zelvane::HandleDelete(std::int16_t& KeyCode, std::int16_t Shift) {
  const host::ListBox& lst = *site_.lst;
  if (!options_.AllowRemove || (Shift & kShiftMask) == 0 || !lst.Visible() || lst.ListIndex() < 0) return;
  KeyCode = 0;
  RemoveHighlightedRow();
}

bool Zelvane::txt_ClaimsKey(std::int16_t KeyCode) const { return KeyCode == kKeyEscape && ClaimsEscape(); }

void Zelvane::HandleEscape(std::int16_t& KeyCode) {
  if (!ClaimsEscape()) return;
  KeyCode = 0;
  HideList();
}

// The host hears of the removal first and may cancel it; its handler may also
// change the rows (or close the control), so the row goes only if it still holds
// the item. The next row, or the previous one at the end, is highlighted then.
// The rows are not refilled when the host changes the list, so a row may name an
// entry that has gone since (it only leaves the open list, with no event) or one
// spelt otherwise by now (the event names the entry as the list holds it).
void Zelvane::RemoveHighlightedRow() {
  host::ListBox& lst = *site_.lst;
  const std::int32_t row = lst.ListIndex();
  const std::u16string rowText = lst.List(row);
  if (const std::optional<std::u16string> entry = itemList_->Find(rowText)) {
    std::u16string Item = *entry;  // by value: what the handler writes goes nowhere
    bool Cancel = false;
    if (!Raise(&host::HostEvents::RemovingItem, Item, Cancel) || Cancel) return;
    RemoveFromList(*entry);
  }
  if (row < lst.ListCount() && lst.List(row) == rowText) lst.RemoveItem(row);
  if (!cd_->Shown()) return;
  if (lst.ListCount() == 0) {
    HideList();
    return;
  }
  lst.SetListIndex(std::min(row, lst.ListCount() - 1));
  AnnounceHighlight();
  PlaceList();
}

}  // namespace zelvane::control
