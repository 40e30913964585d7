#include "support/event_recorder.h"

#include <algorithm>
#include <cstdio>

#include "core/utf.h"

namespace zelvane::support {
namespace {

std::string Number(float value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(value));
  return buf;
}

}  // namespace

void EventRecorder::On(const std::string& event, Handler handler) {
  if (handler) {
    handlers_[event] = std::move(handler);
  } else {
    handlers_.erase(event);
  }
}

std::vector<std::string> EventRecorder::Names() const {
  std::vector<std::string> names;
  for (const std::string& entry : log_) names.push_back(entry.substr(0, entry.find('(')));
  return names;
}

int EventRecorder::Count(std::string_view event) const {
  const std::vector<std::string> names = Names();
  return static_cast<int>(std::count(names.begin(), names.end(), event));
}

// A handler may raise further events (by acting on the control), so the handler
// runs from a copy: installing another handler inside it is safe.
void EventRecorder::Dispatch(const std::string& event, EventArgs& args) {
  const auto found = handlers_.find(event);
  if (found == handlers_.end()) return;
  const Handler handler = found->second;
  handler(args);
}

void EventRecorder::Plain(const char* event) {
  log_.emplace_back(event);
  EventArgs args;
  Dispatch(event, args);
}

void EventRecorder::Mouse(const char* event, std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  log_.push_back(std::string(event) + "(" + std::to_string(Button) + "," + std::to_string(Shift) + "," + Number(X) +
                 "," + Number(Y) + ")");
  EventArgs args;
  args.Button = &Button;
  args.Shift = &Shift;
  args.X = &X;
  args.Y = &Y;
  Dispatch(event, args);
}

void EventRecorder::Key(const char* event, std::int16_t& KeyCode, std::int16_t& Shift) {
  log_.push_back(std::string(event) + "(" + std::to_string(KeyCode) + "," + std::to_string(Shift) + ")");
  EventArgs args;
  args.KeyCode = &KeyCode;
  args.Shift = &Shift;
  Dispatch(event, args);
}

void EventRecorder::DblClick() { Plain("DblClick"); }
void EventRecorder::Change() { Plain("Change"); }
void EventRecorder::ListClick() { Plain("ListClick"); }
void EventRecorder::DropDownList() { Plain("DropDownList"); }
void EventRecorder::CloseUpList() { Plain("CloseUpList"); }
void EventRecorder::Click() { Plain("Click"); }
void EventRecorder::ButtonClick() { Plain("ButtonClick"); }

void EventRecorder::MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Mouse("MouseMove", Button, Shift, X, Y);
}
void EventRecorder::MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Mouse("MouseUp", Button, Shift, X, Y);
}
void EventRecorder::MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  Mouse("MouseDown", Button, Shift, X, Y);
}

void EventRecorder::RemovingItem(std::u16string& Item, bool& Cancel) {
  log_.push_back("RemovingItem(" + core::ToUtf8(Item) + "," + (Cancel ? "True" : "False") + ")");
  EventArgs args;
  args.Item = &Item;
  args.Cancel = &Cancel;
  Dispatch("RemovingItem", args);
}

void EventRecorder::KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) { Key("KeyUp", KeyCode, Shift); }
void EventRecorder::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) { Key("KeyDown", KeyCode, Shift); }

void EventRecorder::KeyPress(std::int16_t& KeyAscii) {
  log_.push_back("KeyPress(" + std::to_string(KeyAscii) + ")");
  EventArgs args;
  args.KeyAscii = &KeyAscii;
  Dispatch("KeyPress", args);
}

}  // namespace zelvane::support
