#pragma once
#include "hosted_control.h"
#include "item_set.h"
#include "probe_window.h"

namespace zelvane::demo {

/// What happened to a key pressed while the control was filling its list.
struct KeyDuringFill {
  double to_key_down_ms = 0;   // from the key's posting to the control's KeyDown event
  long rows_before = 0;        // rows in the list when the key was posted
  long rows_at_key_down = 0;   // rows when the KeyDown event arrived
  long rows_total = 0;         // rows the interrupted fill would have reached
  double to_refilled_ms = 0;   // from the key to the drop-down refilled for the new text
};

/// Times the real control: a key typed into its text box until the drop-down is
/// visible and holds every matching row.
class ControlLatency {
 public:
  ControlLatency(const AxHostLibrary& ax, ProbeWindow& window);

  /// Milliseconds from the key to the filled drop-down's rows in view painted, with
  /// the control's FilterDelay set to `filter_delay_ms`, that delay included.
  double Measure(const ItemSet& set, long filter_delay_ms);
  /// With no filter delay.
  KeyDuringFill MeasureKeyDuringFill(const ItemSet& all_matching);
  /// The drop-down button shown, drawn themed (VisualStyles True) or classic.
  void SetLook(bool visual_styles);
  /// Rows drawn with their matched characters in bold, or plain.
  void SetHighlightMatch(bool bold);

 private:
  void Close();
  void Load(const ItemSet& set, long filter_delay_ms);
  bool ListShows(long rows) const;
  void OnEvent(const ControlEvent& event);

  ProbeWindow& window_;
  HostedControl control_;
  HWND list_;  // read once: the event handler must not add a property call to the timings
  double key_down_at_ = 0;  // when the last KeyDown event arrived
  long rows_at_key_down_ = 0;
};

}  // namespace zelvane::demo
