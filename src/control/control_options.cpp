#include "control/control_options.h"

#include "core/variant.h"
#include "core/vb_errors.h"

namespace zelvane::control {
namespace {

constexpr std::int32_t kMaxFilterDelay = 10000;
constexpr std::int32_t kMaxListRows = 100;

template <class T>
void WriteIfChanged(host::PropertyBag& bag, std::u16string_view name, const T& value, const T& defaultValue) {
  if (value != defaultValue) bag.WriteProperty(name, value, defaultValue);
}

}  // namespace

std::int32_t CheckedFilterDelay(std::int32_t milliseconds) {
  if (milliseconds < 0 || milliseconds > kMaxFilterDelay) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  return milliseconds;
}

std::int16_t CheckedListRows(std::int32_t rows) {
  if (rows < 1 || rows > kMaxListRows) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  return static_cast<std::int16_t>(rows);
}

ControlOptions ReadControlOptions(host::PropertyBag& bag) {
  const ControlOptions defaults;
  ControlOptions options;
  options.AllowRemove = core::ToBool(bag.ReadProperty(u"AllowRemove", defaults.AllowRemove));
  options.MatchAnywhere = core::ToBool(bag.ReadProperty(u"MatchAnywhere", defaults.MatchAnywhere));
  options.FilterDelay = CheckedFilterDelay(core::ToLong(bag.ReadProperty(u"FilterDelay", defaults.FilterDelay)));
  options.ListRows = CheckedListRows(core::ToLong(bag.ReadProperty(u"ListRows", defaults.ListRows)));
  options.CloseOnEscape = core::ToBool(bag.ReadProperty(u"CloseOnEscape", defaults.CloseOnEscape));
  options.AccessibleName = core::ToString(bag.ReadProperty(u"AccessibleName", defaults.AccessibleName));
  options.VisualStyles = core::ToBool(bag.ReadProperty(u"VisualStyles", defaults.VisualStyles));
  options.AutoAppend = core::ToBool(bag.ReadProperty(u"AutoAppend", defaults.AutoAppend));
  options.HighlightMatch = core::ToBool(bag.ReadProperty(u"HighlightMatch", defaults.HighlightMatch));
  options.RightToLeft = core::ToBool(bag.ReadProperty(u"RightToLeft", defaults.RightToLeft));
  return options;
}

void WriteControlOptions(host::PropertyBag& bag, const ControlOptions& options) {
  const ControlOptions defaults;
  WriteIfChanged(bag, u"AllowRemove", options.AllowRemove, defaults.AllowRemove);
  WriteIfChanged(bag, u"MatchAnywhere", options.MatchAnywhere, defaults.MatchAnywhere);
  WriteIfChanged(bag, u"FilterDelay", options.FilterDelay, defaults.FilterDelay);
  WriteIfChanged(bag, u"ListRows", options.ListRows, defaults.ListRows);
  WriteIfChanged(bag, u"CloseOnEscape", options.CloseOnEscape, defaults.CloseOnEscape);
  WriteIfChanged(bag, u"AccessibleName", options.AccessibleName, defaults.AccessibleName);
  WriteIfChanged(bag, u"VisualStyles", options.VisualStyles, defaults.VisualStyles);
  WriteIfChanged(bag, u"AutoAppend", options.AutoAppend, defaults.AutoAppend);
  WriteIfChanged(bag, u"HighlightMatch", options.HighlightMatch, defaults.HighlightMatch);
  WriteIfChanged(bag, u"RightToLeft", options.RightToLeft, defaults.RightToLeft);
}

}  // namespace zelvane::control
