#include <limits>

#include "control/zelvane.h"
#include "core/vb_errors.h"

namespace zelvane::control {
namespace {

// The interface counts selections in 16 bits while the box counts in 32.
std::int16_t NarrowSelection(std::int32_t value) {
  if (value > std::numeric_limits<std::int16_t>::max() || value < std::numeric_limits<std::int16_t>::min()) {
    core::RaiseVbError(core::VbError::Overflow);
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

void Zelvane::Notify(std::u16string_view propertyName) { site_.container.PropertyChanged(propertyName); }

void Zelvane::SetText(const std::u16string& text) {
  storedText_ = text;
  site_.txt.SetText(storedText_);
  Notify(u"Text");
}

std::int16_t Zelvane::SelStart() const { return NarrowSelection(site_.txt.SelStart()); }
void Zelvane::SetSelStart(std::int16_t start) { site_.txt.SetSelStart(start); }
std::int16_t Zelvane::SelLength() const { return NarrowSelection(site_.txt.SelLength()); }
void Zelvane::SetSelLength(std::int16_t length) { site_.txt.SetSelLength(length); }
std::u16string Zelvane::SelText() const { return site_.txt.SelText(); }
void Zelvane::SetSelText(const std::u16string& text) { site_.txt.SetSelText(text); }

void Zelvane::SetAppearance(std::int32_t appearance) {
  // Stored first, since the surface's new border lays the text box out by it. A
  // value the surface refuses must not stay: a form stored with it would no
  // longer load.
  const std::int32_t previous = storedAppearance_;
  storedAppearance_ = appearance;
  try {
    site_.surface.SetAppearance(core::ToInteger(appearance));
  } catch (...) {
    storedAppearance_ = previous;
    throw;
  }
  UserControl_Paint();
  Notify(u"Appearance");
}

void Zelvane::SetShowButton(bool show) {
  storedShowButton_ = show;
  UserControl_Resize();
  if (show) {
    UserControl_Paint();
  } else {
    site_.surface.Cls();
  }
  Notify(u"ShowButton");
}

void Zelvane::SetEnabled(bool enabled) {
  storedEnabled_ = enabled;
  site_.surface.SetEnabled(enabled);
  site_.txt.SetEnabled(enabled);
  RefreshThemedLook();
  Notify(u"Enabled");
}

std::int32_t Zelvane::hWnd() const { return static_cast<std::int32_t>(site_.surface.hWnd()); }
std::int32_t Zelvane::HwndEditor() const { return static_cast<std::int32_t>(site_.txt.hWnd()); }
std::int32_t Zelvane::HwndList() const { return static_cast<std::int32_t>(site_.lst->hWnd()); }

host::FontPtr Zelvane::Font() const { return site_.txt.Font(); }

void Zelvane::SetFont(host::FontPtr font) {
  if (!font) return;
  site_.txt.SetFont(font);
  site_.lst->SetFont(font);
  Notify(u"Font");
}

host::OleColor Zelvane::BackColor() const { return site_.txt.BackColor(); }

void Zelvane::SetBackColor(host::OleColor color) {
  site_.txt.SetBackColor(color);
  site_.lst->SetBackColor(color);
  Notify(u"BackColor");
}

host::OleColor Zelvane::ForeColor() const { return site_.txt.ForeColor(); }

void Zelvane::SetForeColor(host::OleColor color) {
  site_.txt.SetForeColor(color);
  site_.lst->SetForeColor(color);
  Notify(u"ForeColor");
}

}  // namespace zelvane::control
