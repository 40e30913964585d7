// Restores a control from a property bag holding any of its keys (the ten and the
// options') with values of any kind, over a saved list of any content, at design time and at run time; then
// stores it, restores what it stored into a fresh control, and terminates both.
//
// Only the automation errors a restore documents may come out of it; a control that
// restored stores values that restore to the same values again; a design-time
// control never touches the settings store; a failed restore never saves the list;
// a run-time control that loaded its list saves exactly its list at the end.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

#include "control/control_errors.h"
#include "core/automation_error.h"
#include "core/utf.h"
#include "core/variant.h"
#include "host/sim/sim_font.h"
#include "host/sim/sim_property_bag.h"
#include "support/sim_form.h"
#include "support/sim_machine.h"

namespace {

using zelvane::core::AutomationError;
using zelvane::core::Variant;
using zelvane::sim::SimPropertyBag;
using zelvane::support::SimForm;
using zelvane::support::SimMachine;

constexpr const char16_t* kKeys[] = {u"SaveOnReturn", u"RegKey",        u"MaxCount",    u"ShowButton", u"Font",
                                     u"BackColor",    u"ForeColor",     u"Enabled",     u"Appearance", u"AutoSaveList",
                                     u"AllowRemove",  u"MatchAnywhere", u"FilterDelay", u"ListRows",   u"CloseOnEscape",
                                     u"AccessibleName", u"VisualStyles",  u"AutoAppend",  u"HighlightMatch",
                                     u"RightToLeft"};

// Type mismatch, overflow, MaxCount below 1, and a value out of range (an
// appearance the surface refuses, a FilterDelay or ListRows outside its bounds).
constexpr std::int32_t kRestoreErrors[] = {13, 6, zelvane::control::kMaxCountNotPositive, 380};

constexpr char16_t kSection[] = u"Lists";

// An object a container might hand over where a font belongs.
class NotAFont final : public zelvane::core::ObjectBase {};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

double ConsumeDouble(FuzzedDataProvider& in) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  static constexpr double kEdges[] = {0.0,           -0.0,          0.5,         1.5,           2.5,
                                      -0.5,          -1.5,          1.0,         -1.0,          100.0,
                                      32767.0,       32767.5,       32768.0,     -32768.5,      65535.0,
                                      2147483647.0,  2147483647.5,  2147483648.0, -2147483648.5, 4294967295.0,
                                      16777215.0,    1e300,         -1e300,      kInf,          -kInf,
                                      std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::denorm_min()};
  if (in.ConsumeBool()) return in.PickValueInArray(kEdges);
  return std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
}

// Texts the conversions read as numbers or booleans come up often; others are any
// code units at all.
std::u16string ConsumeText(FuzzedDataProvider& in) {
  static constexpr const char* kTexts[] = {
      "",      "0",      "1",      "-1",      "100",   "32767",  "32768",      "-32769",      "2147483648",
      "0.5",   "2.5",    " 7 ",    "\t-3\t",  "1e10",  "1e400",  "-1E-400",    "&H7FFF",      "&HFFFF",
      "&H10000", "&HFFFFFFFF", "&H100000000", "&H", "&h-1", "True", "FALSE", "tRuE", "yes", "K", "abc-123",
  };
  if (in.ConsumeBool()) return zelvane::core::FromUtf8(in.PickValueInArray(kTexts));
  std::u16string text(in.ConsumeIntegralInRange<std::size_t>(0, 16), u'\0');
  for (char16_t& c : text) c = in.ConsumeIntegral<char16_t>();
  return text;
}

Variant ConsumeVariant(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 10)) {
    case 0: return zelvane::core::Empty{};
    case 1: return zelvane::core::Null{};
    case 2: return in.ConsumeBool();
    case 3: return in.ConsumeIntegral<std::int16_t>();
    case 4: return in.ConsumeIntegral<std::int32_t>();
    case 5: return ConsumeDouble(in);
    case 6: return ConsumeText(in);
    case 7: return zelvane::core::ObjectPtr(zelvane::sim::MakeSimFont(ConsumeText(in), ConsumeDouble(in)));
    case 8: return zelvane::core::ObjectPtr(std::make_shared<NotAFont>());
    case 9: return zelvane::core::ObjectPtr();
    default: return std::int32_t{in.ConsumeIntegralInRange(-2, 2)};  // near the edges of MaxCount and Appearance
  }
}

// CR and LF come up often, so the list splits into many items, some empty, some
// equal but for case.
std::u16string ConsumeSavedList(FuzzedDataProvider& in) {
  std::u16string text;
  while (in.remaining_bytes() > 0) {
    const std::uint8_t b = in.ConsumeIntegral<std::uint8_t>();
    switch (b % 5) {
      case 0: text += u'\r'; break;
      case 1: text += u'\n'; break;
      case 2: text += u'a'; break;
      case 3: text += u'A'; break;
      default: text += static_cast<char16_t>(b * 257u); break;
    }
  }
  return text;
}

struct Input {
  SimPropertyBag bag;
  std::u16string savedList;
};

Input Decode(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  Input input;
  for (const char16_t* key : kKeys) {
    if (in.ConsumeBool()) input.bag.Set(key, ConsumeVariant(in));
  }
  input.savedList = ConsumeSavedList(in);
  return input;
}

// The key the control will read its list under, when the bag's entry has a string form.
std::u16string ListKey(const SimPropertyBag& bag) {
  const auto value = bag.Value(u"RegKey");
  if (!value) return {};
  try {
    return zelvane::core::ToString(*value);
  } catch (const AutomationError&) {
    return {};
  }
}

void RequireDocumented(const AutomationError& e) {
  if (std::find(std::begin(kRestoreErrors), std::end(kRestoreErrors), e.number()) != std::end(kRestoreErrors) &&
      !e.source().empty() && !e.description().empty()) {
    return;
  }
  std::fprintf(stderr, "restore raised %d \"%s\" from \"%s\"\n", e.number(),
               zelvane::core::ToUtf8(e.description()).c_str(), zelvane::core::ToUtf8(e.source()).c_str());
  Fail("an undocumented automation error escaped the restore");
}

// Restores, telling whether it succeeded; only documented errors may stop it.
bool TryRestore(SimForm& form, SimPropertyBag& bag) {
  try {
    form.Restore(bag);
    return true;
  } catch (const AutomationError& e) {
    RequireDocumented(e);
    return false;
  }
}

void CheckRestored(const zelvane::control::Zelvane& z, bool runTime) {
  if (z.ListCount() > z.MaxCount()) Fail("the loaded list is longer than MaxCount");
  if (!runTime && z.ListLoaded()) Fail("a design-time restore loaded the list");
  for (std::int32_t i = 0; i < z.ListCount(); ++i) {
    if (std::get<std::u16string>(z.List(i)).empty()) Fail("an empty item was loaded");
  }
}

// What the control stored restores into a fresh control, which stores the same.
void CheckRoundTrip(SimMachine& machine, bool runTime, SimPropertyBag& stored) {
  SimForm fresh(machine);
  fresh.Container().SetUserMode(runTime);
  if (!TryRestore(fresh, stored)) Fail("the stored properties do not restore");
  SimPropertyBag again;
  fresh.Store(again);
  if (again.Entries() != stored.Entries()) Fail("restoring the stored properties stores other values");
  fresh.Terminate();
}

void Run(const Input& input, bool runTime) {
  SimMachine machine;
  const std::u16string key = ListKey(input.bag);
  machine.settings.SaveSetting(zelvane::control::kAppName, kSection, key, input.savedList);
  const int savesBefore = machine.settings.SaveCount();

  SimForm form(machine);
  form.Container().SetUserMode(runTime);
  SimPropertyBag bag = input.bag;
  const bool restored = TryRestore(form, bag);
  SimPropertyBag stored;
  form.Store(stored);
  if (restored) {
    CheckRestored(form.Control(), runTime);
    CheckRoundTrip(machine, runTime, stored);
  }

  const bool saves = form.Control().ListLoaded() && form.Control().AutoSaveList;
  const std::u16string list = form.Control().ItemList().StringValue();
  const int savesBeforeEnd = machine.settings.SaveCount();
  form.Terminate();
  const int savesAtEnd = machine.settings.SaveCount() - savesBeforeEnd;

  if (!restored && machine.settings.SaveCount() != savesBefore) Fail("a failed restore saved the list");
  if (!runTime && (machine.settings.GetCount() != 0 || machine.settings.SaveCount() != savesBefore)) {
    Fail("a design-time control touched the settings store");
  }
  if (savesAtEnd != (saves ? 1 : 0)) Fail("the list was not saved exactly when it was loaded");
  if (saves && machine.settings.GetSetting(zelvane::control::kAppName, kSection, key, u"") != list) {
    Fail("the saved list is not the control's list");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input input = Decode(data, size);
  Run(input, false);
  Run(input, true);
  return 0;
}
