#include "host/sim/virtual_keys.h"

#include <string_view>

#include "host/sim/sim_messages.h"

namespace zelvane::sim {
namespace {

// US layout: each OEM key with its unshifted and shifted character.
struct OemKey {
  int vk;
  char16_t plain;
  char16_t shifted;
};

constexpr OemKey kOemKeys[] = {
    {0xBA, u';', u':'}, {0xBB, u'=', u'+'}, {0xBC, u',', u'<'}, {0xBD, u'-', u'_'},
    {0xBE, u'.', u'>'}, {0xBF, u'/', u'?'}, {0xC0, u'`', u'~'}, {0xDB, u'[', u'{'},
    {0xDC, u'\\', u'|'}, {0xDD, u']', u'}'}, {0xDE, u'\'', u'"'},
};

// Shift + digit row.
constexpr std::u16string_view kShiftedDigits = u")!@#$%^&*(";

}  // namespace

KeyStroke KeyForChar(char16_t ch) {
  if (ch >= u'a' && ch <= u'z') return {ch - u'a' + 'A', 0};
  if (ch >= u'A' && ch <= u'Z') return {ch, kShiftMask};
  if (ch >= u'0' && ch <= u'9') return {ch, 0};
  switch (ch) {
    case u' ': return {VK_SPACE, 0};
    case 8: return {VK_BACK, 0};
    case 9: return {VK_TAB, 0};
    case 13: return {VK_RETURN, 0};
    case 27: return {VK_ESCAPE, 0};
    default: break;
  }
  if (const auto digit = kShiftedDigits.find(ch); digit != std::u16string_view::npos) {
    return {static_cast<int>('0' + digit), kShiftMask};
  }
  for (const auto& key : kOemKeys) {
    if (key.plain == ch) return {key.vk, 0};
    if (key.shifted == ch) return {key.vk, kShiftMask};
  }
  return {VK_PACKET, 0};
}

char16_t CharForKey(int vk, int shift) {
  const bool shifted = (shift & kShiftMask) != 0;
  if (vk >= 'A' && vk <= 'Z') {
    if (shift & kCtrlMask) return static_cast<char16_t>(vk - 'A' + 1);
    return static_cast<char16_t>(shifted ? vk : vk - 'A' + 'a');
  }
  if (shift & (kCtrlMask | kAltMask)) return 0;
  if (vk >= '0' && vk <= '9') return shifted ? kShiftedDigits[vk - '0'] : static_cast<char16_t>(vk);
  switch (vk) {
    case VK_SPACE: return u' ';
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    default: break;
  }
  for (const auto& key : kOemKeys) {
    if (key.vk == vk) return shifted ? key.shifted : key.plain;
  }
  return 0;
}

}  // namespace zelvane::sim
