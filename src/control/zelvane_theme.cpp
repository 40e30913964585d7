#include "control/zelvane.h"
#include "host/control_hold.h"

namespace zelvane::control {

// The themed look follows what a themed combo box shows: its button part and its
// border, each in the state of the mouse, the focus and the Enabled property.
// Without visual styles (or without an active theme) the classic look rules, and
// none of the tracking below draws anything.

void Zelvane::OpenTheme() {
  if (!VisualStyles() && !themed_) return;
  themed_ = VisualStyles() && site_.surface.OpenThemeData(u"COMBOBOX");
  if (themed_) return;
  site_.surface.CloseThemeData();
  site_.surface.SetThemeBorder(0, 0);
  hotControl_ = false;
  hotButton_ = false;
}

int Zelvane::ButtonThemePart() const {
  const int sided = RightToLeft() ? host::CP_DROPDOWNBUTTONLEFT : host::CP_DROPDOWNBUTTONRIGHT;
  return site_.surface.IsThemePartDefined(sided) ? sided : host::CP_DROPDOWNBUTTON;
}

int Zelvane::ButtonThemeState() const {
  if (!storedEnabled_) return host::CBXS_DISABLED;
  if (buttonPressed_) return host::CBXS_PRESSED;
  return hotButton_ ? host::CBXS_HOT : host::CBXS_NORMAL;
}

int Zelvane::BorderThemeState() const {
  if (!storedEnabled_) return host::CBB_DISABLED;
  if (focused_) return host::CBB_FOCUSED;
  return hotControl_ ? host::CBB_HOT : host::CBB_NORMAL;
}

void Zelvane::PaintButton() {
  host::Rect rect = ButtonRect();
  if (themed_) {
    // The part is partly transparent: the text box's background shows around it.
    site_.surface.DrawThemeBackground(site_.surface.hDC(), ButtonThemePart(), ButtonThemeState(), rect,
                                      site_.txt.BackColor());
    return;
  }
  std::uint32_t state = host::DFCS_SCROLLDOWN | host::DFCS_ADJUSTRECT;
  if (buttonPressed_) state |= host::DFCS_PUSHED;
  if (storedAppearance_ == zvFlat) state |= host::DFCS_FLAT;
  site_.windows.DrawFrameControl(site_.surface.hDC(), &rect, host::DFC_SCROLL, state);
}

void Zelvane::TrackHover() {
  if (!themed_) return;
  const host::Hwnd window = site_.surface.hWnd();
  host::Point cursor{};
  host::Rect outer{};
  bool overControl = false;
  bool overButton = false;
  if (site_.windows.GetCursorPos(&cursor) && site_.windows.GetWindowRect(window, &outer)) {
    overControl = host::PtInRect(outer, cursor);
    overButton = overControl && ShowButton() && site_.windows.ScreenToClient(window, &cursor) &&
                 host::PtInRect(ButtonRect(), cursor);
  }
  if (overControl == hotControl_ && overButton == hotButton_) return;
  hotControl_ = overControl;
  hotButton_ = overButton;
  UserControl_Paint();
}

void Zelvane::RefreshThemedLook() {
  if (themed_) UserControl_Paint();
}

void Zelvane::UserControl_MouseLeave() {
  const host::ControlHold hold(site_.owner);
  TrackHover();
}

void Zelvane::txt_MouseLeave() {
  const host::ControlHold hold(site_.owner);
  TrackHover();
}

void Zelvane::txt_GotFocus() {
  focused_ = true;
  RefreshThemedLook();
}

void Zelvane::txt_LostFocus() {
  focused_ = false;
  RefreshThemedLook();
}

// Only a control that asked for visual styles follows the theme: the classic one
// draws exactly as it always has.
void Zelvane::UserControl_ThemeChanged() {
  if (!VisualStyles()) return;
  const host::ControlHold hold(site_.owner);
  site_.surface.CloseThemeData();
  themed_ = false;
  OpenTheme();
  TrackHover();
  UserControl_Resize();
  UserControl_Paint();
}

}  // namespace zelvane::control
