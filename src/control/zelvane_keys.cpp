#include "control/zelvane.h"

namespace zelvane::control {
namespace {

constexpr std::int16_t kKeyReturn = 13;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyDown = 40;

}  // namespace

void Zelvane::HandleKey(std::int16_t& KeyCode) {
  switch (KeyCode) {
    case kKeyReturn: HandleEnter(KeyCode); break;
    case kKeyDown: HandleDown(); break;
    case kKeyUp: HandleUp(); break;
    default: break;
  }
}

void Zelvane::HandleEnter(std::int16_t& KeyCode) {
  host::ListBox& lst = *site_.lst;
  if (lst.Visible() && lst.ListIndex() >= 0) {
    AcceptListItem();
    // The host may have closed the control in one of the events of accepting.
    if (Closed()) return;
  } else if (SaveOnReturn) {
    itemList_->Add(site_.txt.Text());
    KeyCode = 0;
  }
  HideList();
}

void Zelvane::HandleDown() {
  host::ListBox& lst = *site_.lst;
  if (lst.Visible()) {
    // No wrap-around at the last row.
    if (lst.ListIndex() < lst.ListCount() - 1) lst.SetListIndex(lst.ListIndex() + 1);
  } else {
    FilterOrShowAll();
  }
}

void Zelvane::HandleUp() {
  host::ListBox& lst = *site_.lst;
  if (lst.Visible() && lst.ListIndex() > -1) lst.SetListIndex(lst.ListIndex() - 1);
}

}  // namespace zelvane::control
