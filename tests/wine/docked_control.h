#pragma once
// Before <windows.h>, whose MessageBox macro would rename the host's class.
#include "control/zelvane.h"
#include "host/win32/win32_message_box.h"

#include "host/win32/windows_api.h"

#include "com/control_services.h"
#include "host/sim/sim_control_owner.h"
#include "run_time_form.h"
#include "support/event_recorder.h"

namespace zelvane::win32 {

/// One control on the Win32 host layer as the COM object builds it, without the COM
/// housing around it: given its first-placement defaults and docked in `form` at
/// `pos` (the form's client pixels), its events recorded; terminated when it goes.
struct DockedControl {
  DockedControl(HWND form, const RECT& pos) {
    z.SetEventSink(&events);
    z.UserControl_InitProperties();
    services.Dock(form, pos);
  }
  DockedControl(const DockedControl&) = delete;
  DockedControl& operator=(const DockedControl&) = delete;
  ~DockedControl() { z.UserControl_Terminate(); }

  sim::SimControlOwner owner;
  com::ControlServices services{owner};
  RunTimeForm container;
  support::EventRecorder events;
  control::Zelvane z{services.Site(container)};
};

}  // namespace zelvane::win32
