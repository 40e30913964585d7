#pragma once
#include <cstdint>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_text_box.h"
#include "host/sim/sim_window_handler.h"

namespace zelvane::control {

/// Stands in front of a text box's window and notes the key code and character
/// the box is left with after its event handlers ran.
class KeyProbe final : public sim::SimWindowHandler {
 public:
  KeyProbe(sim::SimDesktop& desktop, sim::SimTextBox& box) : desktop_(desktop), box_(box) {
    desktop_.SetHandler(box_.hWnd(), this);
  }
  ~KeyProbe() override { desktop_.SetHandler(box_.hWnd(), &box_); }
  KeyProbe(const KeyProbe&) = delete;
  KeyProbe& operator=(const KeyProbe&) = delete;

  void OnMouse(std::uint32_t msg, host::Point client, int button, int shift) override {
    box_.OnMouse(msg, client, button, shift);
  }
  void OnKeyDown(int& vk, int shift) override {
    box_.OnKeyDown(vk, shift);
    keyCode = vk;
  }
  void OnKeyUp(int& vk, int shift) override { box_.OnKeyUp(vk, shift); }
  host::LResult OnMessage(std::uint32_t msg, host::WParam wParam, host::LParam lParam) override {
    return box_.OnMessage(msg, wParam, lParam);
  }
  void OnSize() override { box_.OnSize(); }
  void OnFocus(bool gained) override { box_.OnFocus(gained); }
  void OnChar(char16_t& ch) override {
    box_.OnChar(ch);
    keyAscii = ch;
  }

  int keyCode = -1;
  int keyAscii = -1;

 private:
  sim::SimDesktop& desktop_;
  sim::SimTextBox& box_;
};

}  // namespace zelvane::control
