#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dropdown/c_drop_down.h"
#include "host/sim/sim_control_owner.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_list_box.h"
#include "host/sim/sim_messages.h"

namespace zelvane::dropdown::testing {

inline constexpr std::intptr_t kClientEdge = 0x200;

/// Writes every HideControl into the shared log, noting how often the owner was held.
class HideRecorder final : public DropDownEvents {
 public:
  HideRecorder(std::vector<std::string>& log, const sim::SimControlOwner& owner) : log_(log), owner_(owner) {}
  void cd_HideControl() override {
    log_.push_back("HideControl");
    holdsAtHide = owner_.Holds();
  }
  int holdsAtHide = -1;

 private:
  std::vector<std::string>& log_;
  const sim::SimControlOwner& owner_;
};

/// A form window that writes the button-downs it receives into the shared log.
class FormHandler final : public sim::SimWindowHandler {
 public:
  explicit FormHandler(std::vector<std::string>& log) : log_(log) {}
  void OnMouse(std::uint32_t msg, host::Point, int, int) override {
    if (msg == host::WM_LBUTTONDOWN || msg == host::WM_RBUTTONDOWN || msg == host::WM_MBUTTONDOWN) {
      log_.push_back("form button down");
    }
  }

 private:
  std::vector<std::string>& log_;
};

/// A form with a list box on it, and the drop-down that lifts the list box out.
class DropDownTest : public ::testing::Test {
 protected:
  static constexpr host::Rect kDropRect{200, 300, 350, 400};
  static constexpr host::Point kOnForm{150, 150};
  static constexpr host::Point kInsideList{250, 350};

  DropDownTest() {
    cd->SetEvents(&events);
    desktop.SetWindowLongPtrW(list->hWnd(), host::GWL_EXSTYLE, host::WS_EX_APPWINDOW | kClientEdge);
  }

  void ShowList(bool autoHide = true) {
    cd->Show(list, kDropRect.left, kDropRect.top, kDropRect.right - kDropRect.left, kDropRect.bottom - kDropRect.top,
             autoHide);
  }

  host::Rect WindowRect(host::Hwnd hwnd) {
    host::Rect rect{};
    desktop.GetWindowRect(hwnd, &rect);
    return rect;
  }

  /// The procedure the system calls first for this thread's mouse messages.
  host::HookProc MouseHookProcedure() {
    const auto chain = desktop.HookChain(desktop.GetCurrentThreadId(), host::WH_MOUSE);
    for (const sim::HookRecord& hook : desktop.Hooks()) {
      if (!chain.empty() && hook.handle == chain.front()) return hook.proc;
    }
    return nullptr;
  }

  sim::SimDesktop desktop;
  std::vector<std::string> log;
  FormHandler formHandler{log};
  sim::SimControlOwner owner;
  HideRecorder events{log, owner};
  host::Hwnd form = desktop.CreateWindow(u"Form", 0, sim::WS_VISIBLE, 0, {100, 100, 600, 500}, &formHandler);
  std::shared_ptr<sim::SimListBox> list = std::make_shared<sim::SimListBox>(desktop, form, host::Rect{10, 30, 110, 130});
  std::unique_ptr<cDropDown> cd = std::make_unique<cDropDown>(desktop, owner);  // last: goes first, while all else lives
};

}  // namespace zelvane::dropdown::testing
