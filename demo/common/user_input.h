#pragma once
#include <windows.h>

#include <string_view>

namespace zelvane::demo {

/// Input as a person makes it, through the system's input queue (SendInput), with
/// the messages it causes handled between the steps.
class UserInput {
 public:
  /// `key_gap_ms`: the time between one key and the next, as a quick typist leaves.
  explicit UserInput(unsigned key_gap_ms) : key_gap_ms_(key_gap_ms) {}

  /// Presses and releases one virtual key.
  void Key(WORD vk) const;
  /// Presses and releases one virtual key while Shift is held.
  void ShiftKey(WORD vk) const;
  /// Types lower-case letters, digits and spaces key by key.
  void Type(std::string_view text) const;
  /// Types any characters key by key, each as a Unicode key stroke (VK_PACKET), as an
  /// input method for another script does.
  void TypeCharacters(std::wstring_view text) const;
  /// Moves the pointer to a screen point in a few steps, as a hand does.
  void MoveTo(POINT screen) const;
  void LeftDown() const;
  void LeftUp() const;

 private:
  /// Sends `down`, then the same key released, with the press's and the gap's pauses.
  void Stroke(INPUT down) const;

  unsigned key_gap_ms_;
};

}  // namespace zelvane::demo
