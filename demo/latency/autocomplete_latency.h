#pragma once
#include <windows.h>

#include "item_set.h"

namespace zelvane::demo {

/// The shell's own autocomplete (IAutoComplete2 with ACO_AUTOSUGGEST) on an EDIT,
/// fed the same items through an IEnumString.
struct AutoCompleteTimes {
  double first_key_ms = 0;  // first key after Init: the shell reads and sorts every item
  double again_ms = 0;      // the same key again, with what the shell cached
};

class AutoCompleteLatency {
 public:
  explicit AutoCompleteLatency(HWND parent) : parent_(parent) {}

  /// Milliseconds from a key to the shell's drop-down being visible with every
  /// matching row, on a fresh EDIT and autocomplete object.
  AutoCompleteTimes Measure(const ItemSet& set) const;

 private:
  HWND parent_;
};

}  // namespace zelvane::demo
