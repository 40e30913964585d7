#pragma once

namespace zelvane::sim {

/// The key that types a character on a US keyboard layout.
struct KeyStroke {
  int vk = 0;
  int shift = 0;  // VB Shift mask
};

/// Letters map to 'A'..'Z' (Shift for capitals), digits and space to themselves,
/// Backspace/Tab/Enter/Escape to their keys, US punctuation to its OEM key with
/// Shift where needed; anything else to VK_PACKET (the key Windows reports for
/// characters typed without a key of their own).
KeyStroke KeyForChar(char16_t ch);
/// The character TranslateMessage makes of a key with the shift state, 0 if none.
char16_t CharForKey(int vk, int shift);

}  // namespace zelvane::sim
