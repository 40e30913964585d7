#pragma once
#include <string>

#include "host/list_box.h"
#include "host/row_matcher.h"
#include "host/win32/windows_api.h"

#include "host/win32/unique_handle.h"

namespace zelvane::win32 {

/// Paints a LISTBOX's rows in view as the list box does (its font, its colours,
/// the highlighted row in the system's highlight colours), with the characters a
/// RowMatcher finds drawn in a bold cut of the same font. Rows out of view cost
/// nothing.
class MatchedRowsPainter {
 public:
  /// `back` and the DC's text colour are the list's own, as its colour request gave them.
  void Paint(const host::ListBox& rows, HDC dc, HBRUSH back, const host::RowMatcher& matcher);

 private:
  /// A row's background and text colour.
  struct Brushes {
    HBRUSH back;
    COLORREF text;
  };

  HFONT BoldOf(HFONT font);
  void PaintRow(HDC dc, const std::u16string& text, const RECT& rect, const Brushes& brushes,
                const host::RowMatcher& matcher, HFONT font);

  unique_hfont bold_;
  HFONT boldOf_ = nullptr;  // the font bold_ was made from
};

}  // namespace zelvane::win32
