#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "hooks/i_windows_hook.h"

namespace zelvane::hooks::testing {

/// A hook client that writes its name into a shared log on every call and then
/// runs what the test gave it.
class RecordingClient final : public IWindowsHook {
 public:
  using Action = std::function<void(std::int32_t nCode, host::WParam wParam, host::LParam lParam, bool& bConsume)>;

  RecordingClient(std::string name, std::vector<std::string>& log, Action action = {})
      : name_(std::move(name)), log_(log), action_(std::move(action)) {}

  void SetAction(Action action) { action_ = std::move(action); }
  /// The counted references the service holds on the client now.
  int References() const { return references_; }

  void AddRef() noexcept override { ++references_; }
  void Release() noexcept override { --references_; }

  std::int32_t HookProc(std::int32_t nCode, host::WParam wParam, host::LParam lParam, bool& bConsume) override {
    log_.push_back(name_);
    if (action_) action_(nCode, wParam, lParam, bConsume);
    return 0;
  }

 private:
  std::string name_;
  std::vector<std::string>& log_;
  Action action_;
  int references_ = 0;
};

}  // namespace zelvane::hooks::testing
