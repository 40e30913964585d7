#include "control/label_text.h"
#include "control/zelvane.h"
#include "host/control_hold.h"

namespace zelvane::control {

// Focus stays in the text box while the list is open, so nothing tells a screen
// reader about the list but the control itself.

void Zelvane::AnnounceListShown() {
  site_.windows.NotifyWinEvent(host::EVENT_OBJECT_SHOW, site_.lst->hWnd(), host::OBJID_WINDOW, host::CHILDID_SELF);
}

// Readers speak a row on a focus event; the selection event keeps their idea of
// the list's selection right.
void Zelvane::AnnounceHighlight() {
  const std::int32_t row = site_.lst->ListIndex();
  if (row < 0) return;
  site_.windows.NotifyWinEvent(host::EVENT_OBJECT_FOCUS, site_.lst->hWnd(), host::OBJID_CLIENT, row + 1);
  site_.windows.NotifyWinEvent(host::EVENT_OBJECT_SELECTION, site_.lst->hWnd(), host::OBJID_CLIENT, row + 1);
}

void Zelvane::AnnounceListHidden() {
  site_.windows.NotifyWinEvent(host::EVENT_OBJECT_HIDE, site_.lst->hWnd(), host::OBJID_WINDOW, host::CHILDID_SELF);
}

void Zelvane::AnnounceTextFocus() {
  if (!site_.txt.Focused()) return;
  site_.windows.NotifyWinEvent(host::EVENT_OBJECT_FOCUS, site_.txt.hWnd(), host::OBJID_CLIENT, host::CHILDID_SELF);
}

void Zelvane::AnnounceTextAccepted() {
  site_.windows.NotifyWinEvent(host::EVENT_OBJECT_VALUECHANGE, site_.txt.hWnd(), host::OBJID_CLIENT,
                               host::CHILDID_SELF);
}

// Without a name of its own, what a reader would call a plain text box standing
// here; never the control's code name, which tells a person nothing.
std::u16string Zelvane::txt_AccessibleName() const {
  if (!AccessibleName().empty()) return AccessibleName();
  return LabelBefore(site_.windows, site_.surface.hWnd());
}

std::optional<host::AccessibleButton> Zelvane::UserControl_AccessibleButton() const {
  if (!ShowButton()) return std::nullopt;
  const std::u16string word = cd_->Shown() ? u"Close" : u"Open";
  return host::AccessibleButton{word, word, u"Alt+Down", ButtonRect()};
}

// "Open" clicks the button; "Close" closes the list as the press of a click
// would, without the click's reopening, so the button does what it is called.
void Zelvane::UserControl_ButtonDefaultAction() {
  const host::ControlHold hold(site_.owner);
  if (!ShowButton() || !site_.surface.Enabled()) return;
  if (cd_->Shown()) {
    HideList();
  } else {
    UserControl_Click();
  }
}

}  // namespace zelvane::control
