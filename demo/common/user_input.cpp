#include "user_input.h"

#include <cctype>

#include "com_error.h"
#include "message_pump.h"

namespace zelvane::demo {

namespace {

void Send(INPUT input) {
  if (::SendInput(1, &input, sizeof input) != 1) ThrowLastError("SendInput");
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT CharacterInput(wchar_t character) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE;
  return input;
}

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  Send(input);
}

POINT CursorPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return p;
}

// Absolute mouse positions run from 0 to 65535 across the primary screen.
void SendMouseTo(POINT p) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = ::MulDiv(p.x, 65536, ::GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = ::MulDiv(p.y, 65536, ::GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send(input);
}

constexpr unsigned kPressMs = 40;
constexpr int kMoveSteps = 4;
constexpr unsigned kMoveStepMs = 15;

}  // namespace

void UserInput::Stroke(INPUT down) const {
  Send(down);
  PumpFor(kPressMs);
  down.ki.dwFlags |= KEYEVENTF_KEYUP;
  Send(down);
  PumpFor(key_gap_ms_);
}

void UserInput::Key(WORD vk) const { Stroke(KeyInput(vk, false)); }

void UserInput::ShiftKey(WORD vk) const {
  Send(KeyInput(VK_SHIFT, false));
  PumpFor(kPressMs);
  Key(vk);
  Send(KeyInput(VK_SHIFT, true));
  PumpFor(key_gap_ms_);
}

void UserInput::Type(std::string_view text) const {
  for (char c : text) Key(static_cast<WORD>(std::toupper(static_cast<unsigned char>(c))));
}

void UserInput::TypeCharacters(std::wstring_view text) const {
  for (wchar_t c : text) Stroke(CharacterInput(c));
}

void UserInput::MoveTo(POINT screen) const {
  POINT from = CursorPos();
  for (int step = 1; step <= kMoveSteps; ++step) {
    SendMouseTo({from.x + (screen.x - from.x) * step / kMoveSteps, from.y + (screen.y - from.y) * step / kMoveSteps});
    PumpFor(kMoveStepMs);
  }
}

void UserInput::LeftDown() const {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(kPressMs);
}

void UserInput::LeftUp() const {
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(kPressMs);
}

}  // namespace zelvane::demo
