#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

#include "control/zelvane.h"
#include "host/control_owner.h"
#include "host/property_bag.h"
#include "host/sim/sim_container.h"
#include "host/sim/sim_list_box.h"
#include "host/sim/sim_surface.h"
#include "host/sim/sim_text_box.h"
#include "host/sim/sim_timer.h"
#include "support/event_recorder.h"
#include "support/sim_machine.h"

namespace zelvane::support {

/// Where a form and its control sit. The control's rectangle is its outer one, in
/// the form's client coordinates.
struct SimFormLayout {
  host::Rect form{100, 100, 500, 400};
  host::Rect control{20, 30, 144, 55};
  std::int16_t appearance = 1;
};

/// One form on a simulated machine holding one Zelvane control, as its container
/// builds it: the surface a child of the form, the text box and the list box
/// children of the surface, a timer, and an event-recording host. Several forms
/// may share one machine. The form owns the control: a host's handler may close
/// and terminate it inside an event, and it goes once the control's code returns.
class SimForm final : private host::ControlOwner {
 public:
  explicit SimForm(SimMachine& machine, const SimFormLayout& layout = {});
  /// Terminates the control if the test has not.
  ~SimForm();
  SimForm(const SimForm&) = delete;
  SimForm& operator=(const SimForm&) = delete;

  // ---- As the host's container ----

  /// Creation, first placement, then the first layout and paint.
  control::Zelvane& CreateNew();
  /// Creation and restore from the bag; the layout follows only when the restore
  /// succeeded (a failed restore's error reaches the caller).
  control::Zelvane& Restore(host::PropertyBag& bag);
  void Store(host::PropertyBag& bag);
  /// As IOleObject::Close: the host hears nothing more from the control.
  void Close();
  /// UserControl_Terminate, then the control is destroyed; while the control's
  /// code runs (an event's handler terminates it), once that code has returned.
  void Terminate();
  bool HasControl() const { return control_ != nullptr; }
  control::Zelvane& Control() { return *control_; }

  // ---- As a person ----

  /// Focuses the text box and types (each character a full keystroke).
  void Type(std::u16string_view text);
  /// Focuses the text box and presses one key.
  void Press(int vk, int shift = 0);
  /// Moves the virtual clock on, firing timers and queued input.
  void Wait(std::int64_t ms);
  void HoverRow(std::int32_t row);
  /// Moves over the row (hot tracking selects it), then presses and releases there.
  void ClickRow(std::int32_t row, int button = 1);
  void HoverText();
  void ClickText(int button = 1);
  void ClickButton(int button = 1);
  /// Moves onto the button and presses it, without releasing.
  void PressButton();
  /// A click on the form, away from the control and its list.
  void ClickOutside();

  // Screen points a person aims at.
  host::Point RowPoint(std::int32_t row) const;
  host::Point TextPoint() const;
  host::Point ButtonPoint() const;
  host::Point OutsidePoint() const;

  // ---- What the control lives on ----

  SimMachine& Machine() { return machine_; }
  sim::SimDesktop& Desktop() { return machine_.desktop; }
  sim::SimContainer& Container() { return container_; }
  sim::SimSurface& Surface() { return surface_; }
  sim::SimTextBox& Txt() { return txt_; }
  sim::SimListBox& Lst() { return *lst_; }
  sim::SimTimer& Tmr() { return tmr_; }
  EventRecorder& Events() { return events_; }
  host::Hwnd FormWindow() const { return form_.hwnd; }

 private:
  // The form's window, destroyed after everything placed on it.
  struct OwnedWindow {
    OwnedWindow(sim::SimDesktop& desktop, const host::Rect& rect);
    ~OwnedWindow();
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    sim::SimDesktop& desktop;
    host::Hwnd hwnd;
  };

  control::Zelvane& Create();
  void LayOut();
  void Destroy();

  // host::ControlOwner
  void HoldControl() noexcept override { ++holds_; }
  void ReleaseControl() noexcept override;
  bool ControlClosed() const noexcept override { return closed_; }

  SimMachine& machine_;
  sim::SimContainer container_;
  OwnedWindow form_;
  sim::SimSurface surface_;
  sim::SimTextBox txt_;
  std::shared_ptr<sim::SimListBox> lst_;
  sim::SimTimer tmr_;
  EventRecorder events_;
  std::unique_ptr<control::Zelvane> control_;
  int holds_ = 0;
  bool closed_ = false;
  bool terminating_ = false;  // Terminate waits for the holds to end
};

}  // namespace zelvane::support
