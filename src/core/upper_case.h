#pragma once
#include <string>
#include <string_view>

namespace zelvane::core {

/// Upper-cases text the same way on every platform: ASCII, Latin-1 (ÿ becomes Ÿ,
/// ß and the other letters without a capital stay), the case pairs of Latin
/// Extended-A, and the basic Greek and Cyrillic letters. Everything else is left
/// unchanged, so the length never changes.
std::u16string ToUpperPortable(std::u16string_view text);
char16_t ToUpperPortable(char16_t ch);

}  // namespace zelvane::core
