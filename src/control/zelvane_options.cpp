#include "control/zelvane.h"

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

bool Zelvane::ClaimsEscape() const { return options_.CloseOnEscape && site_.lst->Visible(); }

void Zelvane::EscapeClaimChanged() {
  if (options_.CloseOnEscape) site_.container.ControlInfoChanged();
}

// Nothing changes before the timer has taken the new delay.
void Zelvane::ApplyOptions(const ControlOptions& options) {
  site_.tmr.SetInterval(options.FilterDelay);
  options_ = options;
}

}  // namespace zelvane::control
