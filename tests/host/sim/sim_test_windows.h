#pragma once
#include <string>
#include <vector>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_window_handler.h"

namespace zelvane::sim::testing {

/// A window handler that writes what reaches it into a shared log, as
/// "<name> <msg hex> x,y b<button>" for mouse input and "<name> key <vk>" etc.
class LoggingWindow : public SimWindowHandler {
 public:
  LoggingWindow(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}

  void OnMouse(std::uint32_t msg, host::Point client, int button, int /*shift*/) override {
    char text[64];
    std::snprintf(text, sizeof text, " %03x %d,%d b%d", msg, client.x, client.y, button);
    log_.push_back(name_ + text);
  }
  void OnKeyDown(int& vk, int /*shift*/) override { log_.push_back(name_ + " down " + std::to_string(vk)); }
  void OnKeyUp(int& vk, int /*shift*/) override { log_.push_back(name_ + " up " + std::to_string(vk)); }
  void OnChar(char16_t& ch) override { log_.push_back(name_ + " char " + std::to_string(static_cast<int>(ch))); }
  void OnSize() override { log_.push_back(name_ + " size"); }
  void OnFocus(bool gained) override { log_.push_back(name_ + (gained ? " focus" : " blur")); }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

}  // namespace zelvane::sim::testing
