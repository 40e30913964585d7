#include "support/sim_form.h"

#include "host/sim/sim_messages.h"

namespace zelvane::support {
namespace {

constexpr int kInitialListHeight = 100;

host::Point Middle(const host::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

SimForm::OwnedWindow::OwnedWindow(sim::SimDesktop& desktop, const host::Rect& rect)
    : desktop(desktop), hwnd(desktop.CreateWindow(u"Form", 0, sim::WS_VISIBLE, 0, rect, nullptr)) {}

SimForm::OwnedWindow::~OwnedWindow() { desktop.DestroyWindow(hwnd); }

SimForm::SimForm(SimMachine& machine, const SimFormLayout& layout)
    : machine_(machine),
      form_(machine.desktop, layout.form),
      surface_(machine.desktop, machine.screen, form_.hwnd, layout.control, layout.appearance),
      txt_(machine.desktop, surface_.hWnd(), {0, 0, surface_.ScaleWidth(), surface_.ScaleHeight()}),
      lst_(std::make_shared<sim::SimListBox>(
          machine.desktop, surface_.hWnd(),
          host::Rect{0, surface_.ScaleHeight(), surface_.ScaleWidth(), surface_.ScaleHeight() + kInitialListHeight})),
      tmr_(machine.desktop) {}

SimForm::~SimForm() {
  if (control_) Terminate();
}

control::Zelvane& SimForm::Create() {
  const host::ControlSite site{surface_,
                               txt_,
                               lst_,
                               tmr_,
                               container_,
                               machine_.screen,
                               machine_.settings,
                               machine_.clock,
                               machine_.random,
                               machine_.messageBox,
                               machine_.desktop,
                               machine_.textCase,
                               machine_.desktop,
                               *this};
  closed_ = false;
  control_ = std::make_unique<control::Zelvane>(site);
  control_->SetEventSink(&events_);
  return *control_;
}

// The platform lays the surface out and paints it once the properties are in force.
void SimForm::LayOut() { surface_.Resize(surface_.Width(), surface_.Height()); }

control::Zelvane& SimForm::CreateNew() {
  Create().UserControl_InitProperties();
  LayOut();
  return *control_;
}

control::Zelvane& SimForm::Restore(host::PropertyBag& bag) {
  Create().UserControl_ReadProperties(bag);
  LayOut();
  return *control_;
}

void SimForm::Store(host::PropertyBag& bag) { control_->UserControl_WriteProperties(bag); }

void SimForm::Close() {
  if (!control_) return;
  closed_ = true;
  control_->Close();
}

void SimForm::Terminate() {
  if (!control_) return;
  closed_ = true;
  terminating_ = holds_ > 0;
  if (!terminating_) Destroy();
}

void SimForm::Destroy() {
  control_->UserControl_Terminate();
  control_.reset();
}

void SimForm::ReleaseControl() noexcept {
  if (--holds_ > 0 || !terminating_) return;
  terminating_ = false;
  // No caller is left to hear of a failed save here: it ends the test program.
  Destroy();
}

void SimForm::Type(std::u16string_view text) {
  machine_.desktop.SetFocus(txt_.hWnd());
  machine_.desktop.Type(text);
}

void SimForm::Press(int vk, int shift) {
  machine_.desktop.SetFocus(txt_.hWnd());
  machine_.desktop.PressKey(vk, shift);
}

void SimForm::Wait(std::int64_t ms) { machine_.desktop.Advance(ms); }

host::Point SimForm::RowPoint(std::int32_t row) const {
  const host::Rect client = machine_.desktop.ClientRectOnScreen(lst_->hWnd());
  const int height = lst_->ItemHeight();
  return {client.left + 4, client.top + (row - lst_->TopIndex()) * height + height / 2};
}

host::Point SimForm::TextPoint() const { return Middle(machine_.desktop.ClientRectOnScreen(txt_.hWnd())); }

host::Point SimForm::ButtonPoint() const {
  const host::Rect client = machine_.desktop.ClientRectOnScreen(surface_.hWnd());
  return {client.right - 3, (client.top + client.bottom) / 2};
}

host::Point SimForm::OutsidePoint() const {
  const host::Rect client = machine_.desktop.ClientRectOnScreen(form_.hwnd);
  return {client.left + 2, client.top + 2};
}

void SimForm::HoverRow(std::int32_t row) { machine_.desktop.MouseMove(RowPoint(row)); }

void SimForm::ClickRow(std::int32_t row, int button) {
  HoverRow(row);
  machine_.desktop.Click(RowPoint(row), button);
}

void SimForm::HoverText() { machine_.desktop.MouseMove(TextPoint()); }

void SimForm::ClickText(int button) {
  HoverText();
  machine_.desktop.Click(TextPoint(), button);
}

void SimForm::ClickButton(int button) {
  machine_.desktop.MouseMove(ButtonPoint());
  machine_.desktop.Click(ButtonPoint(), button);
}

void SimForm::PressButton() {
  machine_.desktop.MouseMove(ButtonPoint());
  machine_.desktop.MouseDown(ButtonPoint());
}

void SimForm::ClickOutside() { machine_.desktop.Click(OutsidePoint()); }

}  // namespace zelvane::support
