#pragma once
#include <cstdint>
#include <string>

#include "host/property_bag.h"

namespace zelvane::control {

/// The options a host turns on beyond the control's first behaviour; with these
/// defaults the control behaves, and stores its form, as it did before they came.
struct ControlOptions {
  static constexpr std::int32_t kDefaultFilterDelay = 150;
  static constexpr std::int16_t kDefaultListRows = 7;

  /// Shift+Delete on a highlighted row removes its item (after RemovingItem).
  bool AllowRemove = false;
  /// A row is offered when the typed text occurs anywhere in it, not only at its start.
  bool MatchAnywhere = false;
  /// Milliseconds from the last change to the refill; 0 refills at the next pass
  /// of the message loop.
  std::int32_t FilterDelay = kDefaultFilterDelay;
  /// The most rows the drop-down shows at once.
  std::int16_t ListRows = kDefaultListRows;
  /// Escape with the drop-down open closes it and goes no further.
  bool CloseOnEscape = false;
  /// The name screen readers announce for the text box; empty takes the label
  /// before the control.
  std::u16string AccessibleName;
  /// The button and the border are drawn with the active theme.
  bool VisualStyles = false;
  /// Typing at the end completes the text in place with the rest of the first row
  /// that begins with it, selected.
  bool AutoAppend = false;
  /// Rows draw the characters that match the typed text in bold.
  bool HighlightMatch = false;
  /// The text box and the rows read and align right to left, the button at the left.
  bool RightToLeft = false;
};

/// `milliseconds` when it lies in 0..10000; else VB error 380.
std::int32_t CheckedFilterDelay(std::int32_t milliseconds);
/// `rows` when it lies in 1..100; else VB error 380.
std::int16_t CheckedListRows(std::int32_t rows);

/// Reads every option from the bag (an absent key gives its default) before
/// anything is applied: a value of the wrong kind raises 13, one out of range 380.
ControlOptions ReadControlOptions(host::PropertyBag& bag);
/// Writes the options that differ from their defaults, so a form that uses none
/// of them is stored exactly as before they came.
void WriteControlOptions(host::PropertyBag& bag, const ControlOptions& options);

}  // namespace zelvane::control
