#include "control/zelvane.h"

#include "core/vb_errors.h"

namespace zelvane::control {

void Zelvane::SetFilterDelay(std::int32_t milliseconds) {
  site_.tmr.SetInterval(CheckedFilterDelay(milliseconds));
  options_.FilterDelay = milliseconds;
}

void Zelvane::SetListRows(std::int16_t rows) { options_.ListRows = CheckedListRows(rows); }

void Zelvane::SetCloseOnEscape(bool close) {
  if (close == options_.CloseOnEscape) return;
  options_.CloseOnEscape = close;
  if (site_.lst->Visible()) site_.container.ControlInfoChanged();
}

void Zelvane::SetAccessibleName(const std::u16string& name) {
  options_.AccessibleName = name;
  Notify(u"AccessibleName");
}

void Zelvane::SetVisualStyles(bool themed) {
  options_.VisualStyles = themed;
  OpenTheme();
  TrackHover();
  UserControl_Paint();
  Notify(u"VisualStyles");
}

bool Zelvane::ClaimsEscape() const { return options_.CloseOnEscape && site_.lst->Visible(); }

void Zelvane::EscapeClaimChanged() {
  if (options_.CloseOnEscape) site_.container.ControlInfoChanged();
}

// A new reading order makes the text box's window anew; when the system refuses it, the
// options stay as they were.
void Zelvane::ApplyOptions(const ControlOptions& options) {
  const ControlOptions before = options_;
  TakeOptions(options);
  if (options.RightToLeft == before.RightToLeft) return;
  try {
    ApplyReadingOrder();
  } catch (...) {
    TakeOptions(before);
    throw;
  }
}

// Nothing changes before the timer has taken the new delay.
void Zelvane::TakeOptions(const ControlOptions& options) {
  site_.tmr.SetInterval(options.FilterDelay);
  options_ = options;
  OpenTheme();
  site_.lst->SetRowMatcher(options_.HighlightMatch ? &matchedSpans_ : nullptr);
}

}  // namespace zelvane::control
