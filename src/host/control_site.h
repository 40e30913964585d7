#pragma once
#include "host/clock.h"
#include "host/container.h"
#include "host/control_owner.h"
#include "host/list_box.h"
#include "host/message_box.h"
#include "host/message_loop.h"
#include "host/random_source.h"
#include "host/screen.h"
#include "host/settings_store.h"
#include "host/surface.h"
#include "host/text_box.h"
#include "host/text_case.h"
#include "host/timer.h"
#include "host/window_system.h"

namespace zelvane::host {

/// Everything one control takes from its container and the window system. The
/// references outlive the control; the list box is shared because the drop-down
/// holds it too. `owner` is what holds the control while its code runs.
struct ControlSite {
  Surface& surface;
  TextBox& txt;
  std::shared_ptr<ListBox> lst;
  Timer& tmr;
  Container& container;
  Screen& screen;
  SettingsStore& settings;
  Clock& clock;
  RandomSource& random;
  MessageBox& messageBox;
  MessageLoop& messageLoop;
  TextCase& textCase;
  WindowSystem& windows;
  ControlOwner& owner;
};

}  // namespace zelvane::host
