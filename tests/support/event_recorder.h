#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_events.h"

namespace zelvane::support {

/// The by-reference arguments of one raised event; those the event lacks are null.
struct EventArgs {
  std::int16_t* KeyCode = nullptr;
  std::int16_t* Shift = nullptr;
  std::int16_t* KeyAscii = nullptr;
  std::int16_t* Button = nullptr;
  float* X = nullptr;
  float* Y = nullptr;
  std::u16string* Item = nullptr;
  bool* Cancel = nullptr;
};

/// A host's event sink that logs every event as "Name" or "Name(arg,...)", with the
/// arguments as they arrived, and runs the handler a test installed for it.
class EventRecorder final : public host::HostEvents {
 public:
  using Handler = std::function<void(EventArgs&)>;

  /// Installs (or, with an empty handler, removes) the handler of one event.
  void On(const std::string& event, Handler handler);
  const std::vector<std::string>& Log() const { return log_; }
  /// The log without arguments.
  std::vector<std::string> Names() const;
  int Count(std::string_view event) const;
  void Clear() { log_.clear(); }

  void DblClick() override;
  void Change() override;
  void ListClick() override;
  void DropDownList() override;
  void CloseUpList() override;
  void Click() override;
  void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void KeyPress(std::int16_t& KeyAscii) override;
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void ButtonClick() override;
  void RemovingItem(std::u16string& Item, bool& Cancel) override;

 private:
  void Plain(const char* event);
  void Mouse(const char* event, std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void Key(const char* event, std::int16_t& KeyCode, std::int16_t& Shift);
  void Dispatch(const std::string& event, EventArgs& args);

  std::vector<std::string> log_;
  std::map<std::string, Handler, std::less<>> handlers_;
};

}  // namespace zelvane::support
