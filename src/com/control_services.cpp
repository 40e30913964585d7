#include "com/control_services.h"

#include "host/win32/parking_window.h"
#include "host/win32/win32_random.h"

namespace zelvane::com {
namespace {

// One Rnd sequence per thread, as a VB program has one per process: two
// controls placed one after the other draw different keys.
win32::Win32Random& ThreadRandom() {
  thread_local win32::Win32Random random;
  return random;
}

// One per thread: the thread's hooks keep calling the window system that
// installed them, after the control that gave it has gone.
win32::Win32WindowSystem& ThreadWindowSystem() {
  thread_local win32::Win32WindowSystem windows;
  return windows;
}

}  // namespace

ControlServices::ControlServices(host::ControlOwner& owner)
    : owner_(owner),
      parking_(win32::MakeParkingWindow()),
      windows_(parking_.get(), owner),
      screen_(windows_.SurfaceHwnd()),
      messageBox_([this] { return reinterpret_cast<host::Hwnd>(windows_.SurfaceHwnd()); }) {}

host::ControlSite ControlServices::Site(host::Container& container) {
  return host::ControlSite{
      windows_.surface(), windows_.txt(), windows_.lst(), windows_.tmr(), container, screen_, settings_, clock_,
      ThreadRandom(),     messageBox_,    messageLoop_,   textCase_,      ThreadWindowSystem(), owner_,
  };
}

void ControlServices::Dock(HWND parent, const RECT& pos) {
  windows_.SetContainerWindow(parent);
  windows_.SetPosition(pos);
  windows_.Show(true);
}

void ControlServices::Park() {
  windows_.Show(false);
  windows_.SetContainerWindow(parking_.get());
}

}  // namespace zelvane::com
