#pragma once
#include "host/sim/memory_settings_store.h"
#include "host/sim/sim_clock.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_message_box.h"
#include "host/sim/sim_random.h"
#include "host/sim/sim_screen.h"
#include "host/sim/sim_text_case.h"

namespace zelvane::support {

/// What every form of one test shares: the desktop and the user's services. The
/// settings store lives here so a saved list outlasts the control that saved it.
struct SimMachine {
  SimMachine() = default;
  SimMachine(const SimMachine&) = delete;
  SimMachine& operator=(const SimMachine&) = delete;

  sim::SimDesktop desktop;
  sim::MemorySettingsStore settings;
  sim::SimClock clock;
  sim::SimRandom random;
  sim::SimMessageBox messageBox;
  sim::SimTextCase textCase;
  sim::SimScreen screen;
};

}  // namespace zelvane::support
