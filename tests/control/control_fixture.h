#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <string>
#include <vector>

#include "control/zelvane.h"
#include "support/sim_form.h"
#include "support/sim_machine.h"

namespace zelvane::control {

/// One machine with one form; the control is created by each test as the host would.
class ControlTest : public ::testing::Test {
 protected:
  support::SimMachine machine;
  support::SimForm form{machine};

  /// A run-time control created afresh, holding `items` with the first one the most recent.
  Zelvane& RunningWith(std::initializer_list<const char16_t*> items) {
    form.Container().SetUserMode(true);
    Zelvane& z = form.CreateNew();
    for (auto it = std::rbegin(items); it != std::rend(items); ++it) z.AddItem(*it);
    return z;
  }

  /// Types, then pauses for the filter delay.
  void TypeAndPause(std::u16string_view text) {
    form.Type(text);
    form.Wait(150);
  }

  /// Types and pauses, then forgets the events so far.
  void DropDownFor(std::u16string_view text) {
    TypeAndPause(text);
    form.Events().Clear();
  }

  std::vector<std::u16string> Items() {
    std::vector<std::u16string> items;
    const Zelvane& z = form.Control();
    for (std::int32_t i = 0; i < z.ListCount(); ++i) items.push_back(std::get<std::u16string>(z.List(i)));
    return items;
  }
};

using Strings = std::vector<std::u16string>;
/// Raised events as the recorder logs them.
using Events = std::vector<std::string>;

}  // namespace zelvane::control
